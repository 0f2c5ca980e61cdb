#pragma once
// The MIDI output on Linux: an embedded General MIDI synthesizer (FluidSynth)
// playing through the sound server.
//
// Every message is stamped with the monotonic clock when it is sent and
// played by the synthesizer's schedule at that time plus one constant delay,
// so the rhythm that reaches the ear is the rhythm of the messages, not that of
// the audio periods (notes sent straight to the synthesizer would land on
// period boundaries, up to a period late).

#include "core/ports.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>

namespace tw {

class FluidSynthMidiOut final : public MidiOutPort {
public:
    struct Options {
        QStringList soundfonts;
        //! FluidSynth audio drivers tried in order.
        QStringList drivers{QStringLiteral("pulseaudio"), QStringLiteral("alsa")};
        //! How long starting and stopping the audio driver may wait for the sound server.
        std::chrono::milliseconds serverLimit{2000};
    };
    static Options defaultOptions();

    FluidSynthMidiOut();
    explicit FluidSynthMidiOut(Options options);
    ~FluidSynthMidiOut() override;

    //! Loads the soundfont and starts the audio driver; false when either
    //! fails or the sound server does not answer within `serverLimit` (see `lastError`).
    bool open() override;
    void shortMessage(std::uint32_t message) override;
    void close() override;

    //! Why the last open failed; empty after a successful one.
    const QString& lastError() const { return lastError_; }
    //! The soundfont in use; empty while closed.
    QString soundfont() const;
    //! How often the sound server seemed to run dry since the output opened:
    //! each time, the sound after it is heard later by as long as it went without.
    int dropouts() const;
    //! How long the last open took to load the soundfont.
    std::chrono::microseconds soundfontLoadTime() const { return soundfontLoadTime_; }

    //! The running synthesizer and its audio driver.
    struct Live;

private:
    Options options_;
    std::unique_ptr<Live> live_;
    QString lastError_;
    std::chrono::microseconds soundfontLoadTime_{0};
};

} // namespace tw
