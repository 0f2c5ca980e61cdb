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

#include "sound/fluid_handles.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <expected>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace tw {

//! The soundfonts tried in order: the small GM font first, a second small one
//! that has every key of every tone, the distribution's defaults after.
QStringList defaultSoundfonts();

class SequencedSynth {
public:
    static constexpr int kSampleRate = 48000;
    //! FluidSynth's rendering block, between which messages are taken up.
    static constexpr int kBlockFrames = 64;

    //! The editor's channel (MIDI channel 1): its notes are filled from
    //! other fonts where the main font's tone lacks a key.
    static constexpr int kMelodyChannel = 0;
    //! A single note at full velocity peaks near -6 dBFS in every tone.
    static constexpr double kGain = 1.4;

    //! Loads the first soundfont of `soundfonts` that loads as the main font;
    //! the reason when none does. Where one of the tone menu's programs lacks
    //! keys of the keyboard in it, the fonts after it are loaded in turn, as
    //! far as needed, to play exactly those keys.
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
    fluid_settings_t* settings() const { return settings_.get(); }
    const QString& soundfont() const { return soundfont_; }

private:
    struct Scheduled {
        std::int64_t frame;
        std::uint32_t message;
    };

    //! A font that plays the keys the main font lacks, on a channel of its own:
    //! FluidSynth picks one preset per channel, not per key.
    struct Fill {
        int fontId = 0;
        int channel = 0;
    };
    //! The channel each note of the keyboard plays on, for one program.
    using Routes = std::array<std::int8_t, 128>;

    SequencedSynth() = default;
    void loadFills(const QStringList& candidates);
    void selectProgram(int program);
    void noteOn(int note, int velocity);
    //! Plays the messages whose frame lies nearer to `blockStart` than to the next boundary.
    void playDueAt(std::int64_t blockStart);
    void play(std::uint32_t message);
    void renderWithinBlock(float* left, float* right, int frames);

    FluidSettings settings_;
    FluidSynth synth_;
    QString soundfont_;
    int fontId_ = 0;
    std::vector<Fill> fills_;
    //! Only the tone programs that lack keys in the main font.
    std::map<int, Routes> routes_;

    // Rendering thread only, once playing.
    const Routes* currentRoutes_ = nullptr; //!< of the melody channel's program; null: all on it
    //! Where each melody note's latest note-on went: its note-off goes there
    //! too, whatever program came in between.
    Routes noteChannel_{};

    std::mutex scheduleMutex_;
    std::vector<Scheduled> schedule_; //!< by frame, then in the order scheduled
    std::vector<Scheduled> due_;      //!< rendering thread only: taken out to play without the lock
    std::int64_t renderedFrames_ = 0; //!< rendering thread only
};

} // namespace tw
