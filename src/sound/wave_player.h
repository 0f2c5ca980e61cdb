#pragma once
// Plays a WAV file through the sound output, to its end. The send command plays
// the transfer signal through it; each platform has its own adapter.

#include <QString>
#include <expected>

namespace tw {

class WavePlayerPort {
public:
    virtual ~WavePlayerPort() = default;
    //! Plays the file and returns when its last sample has been heard; the
    //! reason when it cannot be read or played, or playing broke off.
    virtual std::expected<void, QString> play(const QString& path) = 0;
};

} // namespace tw
