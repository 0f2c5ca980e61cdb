#pragma once
// A FluidSynth synthesizer with a General MIDI soundfont and a schedule of
// messages kept in frames of its own sound, the frames rendered since it was
// made. The synthesizer renders in blocks of 64 frames and takes messages up
// only between blocks, so each message is acted on at the block boundary
// nearest its frame: never more than half a block (0.67 ms) off, however the
// rendering is cut into pieces, and the rhythm of the sound is the rhythm of
// the schedule. The live MIDI output renders it through an audio driver;
// tests and benchmarks render it offline into their own buffers.
//
// FluidSynth's own sequencer is not used for this: it only advances in whole
// milliseconds of rendered sound, which with the block adds up to 2.3 ms of
// quantization instead of 1.3 ms.

#include "playback/fluid_handles.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <expected>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace tw {

//! The soundfonts tried in order: the small GM font first, the distribution's default after.
QStringList defaultSoundfonts();

class SequencedSynth {
public:
    static constexpr int kSampleRate = 48000;
    //! FluidSynth's rendering block, between which messages are taken up.
    static constexpr int kBlockFrames = 64;

    //! Loads the first soundfont of `soundfonts` that loads; the reason when none does.
    static std::expected<std::unique_ptr<SequencedSynth>, QString>
    create(const QStringList& soundfonts = defaultSoundfonts());

    //! Plays a short message when the sound reaches `atMs` milliseconds from its
    //! start; a time already rendered plays as soon as possible. Messages for
    //! the same time play in the order they were scheduled. Safe from any thread.
    void scheduleAt(std::uint32_t message, double atMs);

    //! Renders the next frames into `left` and `right` (of equal size), replacing
    //! what they held; reverb and chorus are mixed into the same pair.
    void render(std::span<float> left, std::span<float> right);

    //! The settings an audio driver for this synthesizer is started with.
    fluid_settings_t* settings() const { return m_settings.get(); }
    const QString& soundfont() const { return m_soundfont; }

private:
    struct Scheduled {
        std::int64_t frame;
        std::uint32_t message;
    };

    SequencedSynth() = default;
    //! Plays the messages whose frame lies nearer to `blockStart` than to the next boundary.
    void playDueAt(std::int64_t blockStart);
    void play(std::uint32_t message);
    void renderWithinBlock(float* left, float* right, int frames);

    FluidSettings m_settings;
    FluidSynth m_synth;
    QString m_soundfont;

    std::mutex m_scheduleMutex;
    std::vector<Scheduled> m_schedule; //!< by frame, then in the order scheduled
    std::vector<Scheduled> m_due;      //!< rendering thread only: taken out to play without the lock
    std::int64_t m_renderedFrames = 0; //!< rendering thread only
};

} // namespace tw
