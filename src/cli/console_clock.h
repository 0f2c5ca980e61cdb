#pragma once
// The clock port of the command line: the monotonic clock, and waiting in the
// Qt Core event loop, where Ctrl+C and the progress display's timer come in
// while a melody plays, as clicks do in the window.

#include "core/ports.h"

#include <QElapsedTimer>
#include <functional>

namespace tw::cli {

class ConsoleClock final : public ClockPort {
public:
    ConsoleClock() { clock_.start(); }

    std::int64_t nowMs() const override { return clock_.elapsed(); }
    //! Runs `beforeWait`, then sleeps in the event loop until an event arrives or
    //! the deadline passes.
    void processEventsUntil(std::int64_t deadlineMs) override;

    //! Called each time the player waits: the row it waits in has been shown in the list.
    void setBeforeWait(std::function<void()> beforeWait) { beforeWait_ = std::move(beforeWait); }

private:
    QElapsedTimer clock_;
    std::function<void()> beforeWait_;
};

} // namespace tw::cli
