#pragma once
// A FluidSynth synthesizer with a General MIDI soundfont and a sequencer that
// runs on the synthesizer's own sample clock, the milliseconds of sound
// rendered since it was made. A message scheduled at a time of that clock is
// taken up in the 64-frame block that reaches the time and sounds from the next
// block on: one block of constant delay and less than one of quantization,
// however the rendering is cut into pieces. So the rhythm of the sound is the
// rhythm of the schedule. The live MIDI output renders it through an audio
// driver; tests and benchmarks render it offline into their own buffers.

#include "playback/fluid_handles.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <expected>
#include <memory>
#include <span>

namespace tw {

//! The soundfonts tried in order: the small GM font first, the distribution's default after.
QStringList defaultSoundfonts();

class SequencedSynth {
public:
    static constexpr int kSampleRate = 48000;

    //! Loads the first soundfont of `soundfonts` that loads; the reason when none does.
    static std::expected<std::unique_ptr<SequencedSynth>, QString>
    create(const QStringList& soundfonts = defaultSoundfonts());

    //! Plays a short message when the synthesizer's clock reaches `atMs`; a
    //! time already passed plays as soon as possible. Safe from any thread.
    void scheduleAt(std::uint32_t message, std::uint32_t atMs);

    //! Renders the next frames into `left` and `right` (of equal size), replacing
    //! what they held; reverb and chorus are mixed into the same pair.
    void render(std::span<float> left, std::span<float> right);

    //! The settings an audio driver for this synthesizer is started with.
    fluid_settings_t* settings() const { return m_settings.get(); }
    const QString& soundfont() const { return m_soundfont; }

private:
    SequencedSynth() = default;

    FluidSettings m_settings;
    FluidSynth m_synth;
    FluidSequencer m_sequencer;
    fluid_seq_id_t m_synthClient = -1;
    QString m_soundfont;
};

} // namespace tw
