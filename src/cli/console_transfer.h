#pragma once
// The transfer port of the command line: the sending window becomes a progress
// bar with the time left, and the signal plays through the sound server as the
// window plays it.

#include "cli/progress_line.h"
#include "core/ports.h"
#include "sound/wave_player.h"

#include <memory>

namespace tw::cli {

//! How far a send came, as the transfer port saw it; the send command asks the port
//! for the temporary folder only once the melody can be sent, and plays only once its
//! file is written and the user agreed.
enum class SendReached { Refused, TempFile, NotPlayed, Played };

class ConsoleTransfer final : public TransferPort {
public:
    explicit ConsoleTransfer(std::unique_ptr<WavePlayerPort> player);

    //! The folder the window's send uses: the session's own, else the system's.
    std::optional<QString> tempFolder() const override;
    bool showSendingWindowWhile(const std::function<bool()>& play) override { return play(); }
    //! Plays on a thread of its own while the event loop draws the progress; why a
    //! file could not be played goes to standard error.
    bool playWave(const QString& path) override;

    SendReached reached() const { return reached_; }

private:
    void showProgress(std::chrono::milliseconds elapsed, std::chrono::milliseconds total);

    std::unique_ptr<WavePlayerPort> player_;
    ProgressLine line_;
    //! The last tenth of the way shown as a plain line.
    int plainStep_ = -1;
    // Set by the folder query, which the port declares const.
    mutable SendReached reached_ = SendReached::Refused;
};

} // namespace tw::cli
