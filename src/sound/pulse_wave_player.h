#pragma once
// The WAV player on Linux: the PulseAudio simple API, which PipeWire desktops
// serve as well. Its drain returns only when the sound has really been heard
// to the end, so the sending window closes after the chip got the last burst.

#include "sound/wave_player.h"

#include <chrono>

namespace tw {

class PulseWavePlayer final : public WavePlayerPort {
public:
    struct Options {
        //! How long connecting may wait for the sound server, and how long playing
        //! may run past the sound's own length before it counts as broken off.
        std::chrono::milliseconds serverLimit{2000};
        //! How much sound the server holds ahead of what is heard.
        std::chrono::milliseconds targetBuffer{50};
    };

    PulseWavePlayer();
    explicit PulseWavePlayer(Options options);

    //! Reads and checks the whole file first (see `readPlayableWave`), then
    //! connects, plays every sample and drains.
    std::expected<void, QString> play(const QString& path) override;

private:
    Options options_;
};

} // namespace tw
