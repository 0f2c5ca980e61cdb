#pragma once
// The progress of a verb that takes time, on standard output: on a terminal one
// line drawn over again, elsewhere (a pipe, a log) one plain line per step, so
// that a log holds no carriage returns or escape sequences.

#include <QString>
#include <chrono>

namespace tw::cli {

class ProgressLine {
public:
    //! Whether standard output is a terminal decides the form.
    ProgressLine();

    bool onTerminal() const { return onTerminal_; }
    //! On a terminal, draws `text` over the line; otherwise prints it as a line of its own.
    void show(const QString& text);
    //! Ends the redrawn line, so what follows starts on a line of its own.
    void finish();

private:
    bool onTerminal_;
    bool drawn_ = false;
};

//! "m:ss.d", the tenth truncated.
QString minutesSeconds(std::chrono::milliseconds time);

} // namespace tw::cli
