#include "ear_bench.h"

#include "bench_melody.h"
#include "core/editor/editor.h"
#include "gui/main_window.h"
#include "report.h"
#include "sound/fluidsynth_midi_out.h"
#include "sound/sequenced_synth.h"
#include "statistics.h"
#include "support/private_pulse.h"
#include "support/sound_analysis.h"

#include <algorithm>
#include <cmath>

namespace tw::bench {
namespace {

using test::FoundNote;
using test::MonitorRecorder;

//! Silence before the first note of the reference rendering.
constexpr double kLeadMs = 100;
//! Sound after the last message, for the last note's release.
constexpr int kTailMs = 600;
//! The synthesizer's rendering block, on whose boundaries notes begin.
constexpr double kBlockMs = 1000.0 * SequencedSynth::kBlockFrames / SequencedSynth::kSampleRate;
//! The tone menu's entry "オルガン".
constexpr int kOrgan = 5;

bool isNoteOn(std::uint32_t message) { return (message & 0xF0) == 0x90; }

//! The reference: the messages rendered offline in the order and at about the
//! times they were sent (program changes at 0, the first note at kLeadMs),
//! each on a block boundary, so that each note's sound begins a fixed time
//! after its place. Where each message was put goes into `placedAtMs`.
std::vector<float> renderReference(const std::vector<Stamp>& stamps, std::vector<double>& placedAtMs)
{
    auto synth = SequencedSynth::create();
    const auto firstNote = std::ranges::find_if(stamps, [](const Stamp& s) { return isNoteOn(s.message); });
    if (!synth || firstNote == stamps.end())
        return {};
    for (const Stamp& stamp : stamps) {
        const double sentMs = stamp.at < firstNote->at ? 0.0 : kLeadMs + inMs(stamp.at - firstNote->at);
        const double at = std::round(sentMs / kBlockMs) * kBlockMs;
        placedAtMs.push_back(at);
        (*synth)->scheduleAt(stamp.message, at);
    }
    const auto frames = std::size_t((placedAtMs.back() + kTailMs) * test::kSoundRate / 1000);
    std::vector<float> left(frames), right(frames), mono(frames);
    constexpr std::size_t kPiece = 512;
    for (std::size_t at = 0; at < frames; at += kPiece) {
        const std::size_t n = std::min(kPiece, frames - at);
        (*synth)->render({left.data() + at, n}, {right.data() + at, n});
    }
    for (std::size_t i = 0; i < frames; ++i)
        mono[i] = (left[i] + right[i]) / 2;
    return mono;
}

std::vector<FoundNote> soundsIn(const std::vector<float>& sound)
{
    return test::findNotes(sound, 0.1f * test::peakOf(sound));
}

std::size_t sampleAt(double ms) { return std::size_t(std::lround(ms * test::kSoundRate / 1000)); }

//! Where in the recording the reference's sound at `referenceStart` begins,
//! looked for within kRefineMs of `roughStart`: the shift at which the
//! beginning of the reference's sound matches the recording best. A level
//! threshold alone lands on different cycles of the waveform when two
//! renderings differ by a few per cent in level, milliseconds apart.
std::size_t matchedStart(const std::vector<float>& recording, const std::vector<float>& reference,
                         std::size_t referenceStart, std::size_t roughStart)
{
    constexpr double kBeforeMs = 5, kAfterMs = 15, kRefineMs = 8;
    const std::size_t before = sampleAt(kBeforeMs), length = before + sampleAt(kAfterMs), refine = sampleAt(kRefineMs);
    if (referenceStart < before || roughStart < before + refine || referenceStart - before + length > reference.size()
        || roughStart - before + refine + length > recording.size())
        return roughStart;
    const float* wanted = reference.data() + referenceStart - before;
    double best = -2;
    std::size_t bestStart = roughStart;
    for (std::size_t start = roughStart - refine; start <= roughStart + refine; ++start) {
        const float* heard = recording.data() + start - before;
        double wh = 0, ww = 0, hh = 0;
        for (std::size_t i = 0; i < length; ++i) {
            wh += double(wanted[i]) * heard[i];
            ww += double(wanted[i]) * wanted[i];
            hh += double(heard[i]) * heard[i];
        }
        const double match = wh / std::sqrt(ww * hh + 1e-30);
        if (match > best) {
            best = match;
            bestStart = start;
        }
    }
    return bestStart;
}

//! One sound found in the recording and in the reference, and the note-on that began it.
struct Sound {
    std::size_t heardSample; //!< its start in the recording
    double riseMs;           //!< from its message to its start, in the reference
    SteadyClock::time_point sent;
};

//! The sounds of the reference paired with the recorded sounds that start where
//! they should. The first sounds of both follow silence and give the alignment;
//! a sound whose start the recording blurs into its neighbour's stays unpaired.
std::vector<Sound> pairUp(const std::vector<float>& recording, const std::vector<float>& reference,
                          const std::vector<Stamp>& sent, const std::vector<double>& placedAtMs)
{
    constexpr double kSearchMs = 50;
    const std::vector<FoundNote> heard = soundsIn(recording);
    const std::vector<FoundNote> expected = soundsIn(reference);
    std::vector<Sound> sounds;
    if (heard.empty() || expected.empty())
        return sounds;
    const double alignment = heard.front().startMs - expected.front().startMs;
    for (const FoundNote& wanted : expected) {
        const auto nearest = std::ranges::min_element(heard, {}, [&](const FoundNote& h) {
            return std::abs(h.startMs - wanted.startMs - alignment);
        });
        if (std::abs(nearest->startMs - wanted.startMs - alignment) >= kSearchMs)
            continue;
        std::size_t message = 0;
        for (std::size_t m = 0; m < sent.size(); ++m)
            if (isNoteOn(sent[m].message) && placedAtMs[m] <= wanted.startMs)
                message = m;
        const std::size_t heardSample =
            matchedStart(recording, reference, sampleAt(wanted.startMs), sampleAt(nearest->startMs));
        sounds.push_back({heardSample, wanted.startMs - placedAtMs[message], sent[message].at});
    }
    return sounds;
}

//! Each sound's distance from where its message puts it: the message's time
//! plus its rise plus the latency, common to every sound and taken as the
//! median (the recording began at some moment before the first message). The
//! recording's samples count in the sink's clock, turned into the monotonic
//! clock's milliseconds by the rate the sink was measured to play at.
std::vector<double> onsetErrorsMs(const std::vector<Sound>& sounds, double samplesPerSecond)
{
    std::vector<double> offsets;
    for (const Sound& sound : sounds)
        offsets.push_back(1000.0 * double(sound.heardSample) / samplesPerSecond - sound.riseMs
                          - inMs(sound.sent - sounds.front().sent));
    const double common = median(offsets);
    std::vector<double> errors;
    for (double offset : offsets)
        errors.push_back(std::abs(offset - common));
    return errors;
}

//! The latency from message to sound beyond the synthesizer's own rise: when
//! the recorder had each sound's first sample at the latest, less the time its
//! message was sent and its rise. The tightest of these bounds is the figure.
double latencyMs(const std::vector<Sound>& sounds, const MonitorRecorder& recorder)
{
    double latency = 1e9;
    for (const Sound& sound : sounds)
        latency = std::min(latency, inMs(recorder.heardNoLaterThan(sound.heardSample) - sound.sent) - sound.riseMs);
    return latency;
}

} // namespace

void benchEar()
{
    printHeading("Ear: the same melody through FluidSynth into a private PulseAudio null sink, recorded");
    MonitorRecorder recorder;
    if (!recorder.start()) {
        printNote("skipped: the private server's monitor cannot be recorded (parec)");
        return;
    }

    auto fluid = std::make_unique<FluidSynthMidiOut>();
    const FluidSynthMidiOut& synthesizer = *fluid;
    auto output = std::make_unique<StampingMidiOut>(std::move(fluid));
    StampingMidiOut& stamps = *output;
    gui::MainWindow::Services services;
    services.midi = std::move(output);
    gui::MainWindow window(std::move(services));
    window.load();
    if (!window.editor().MidiReady()) {
        recorder.stop();
        printNote("skipped: the MIDI output did not open: " + synthesizer.lastError().toStdString());
        return;
    }
    window.show();
    loadMelody(window, benchMelody());
    // The organ starts and stops cleanly, so the rests between phrases fall
    // silent and every phrase is found on its own.
    window.editor().mnuTone_Click(kOrgan);
    idle(kSettleMs);  // the program changes are taken up and the output runs steadily
    play(window);
    idle(kTailMs);
    const std::vector<Stamp> sent = stamps.takeStamps();
    const std::vector<float> recording = recorder.stop();

    std::vector<double> placedAtMs;
    const std::vector<float> reference = renderReference(sent, placedAtMs);
    const std::size_t expected = soundsIn(reference).size();
    const std::vector<Sound> sounds = pairUp(recording, reference, sent, placedAtMs);
    if (sounds.empty()) {
        printNote(format("skipped: none of the %zu sounds of the reference was heard", expected));
        return;
    }
    const double samplesPerSecond = recorder.samplesPerSecond();
    const std::vector<double> errors = onsetErrorsMs(sounds, samplesPerSecond);
    const double worst = maximum(errors);
    printTarget(format("note onset error (%zu sounds)", sounds.size()),
                format("median %.2f ms, max %.2f ms", median(errors), worst), "max <= 1.5 ms", worst <= 1.5);
    if (sounds.size() < expected)
        printNote(format("%zu of the %zu sounds of the reference could not be told apart in the recording",
                         expected - sounds.size(), expected));
    printFigure("latency, message to sound", format("%.1f ms", latencyMs(sounds, recorder)));
    printFigure("sink's clock against the monotonic clock", format("%+.0f ppm", (samplesPerSecond / MonitorRecorder::kRate - 1) * 1e6));
    printFigure("times the sound server ran dry", format("%d", synthesizer.dropouts()));
    if (synthesizer.dropouts() > 0)
        printNote("a note sent or playing while the server ran dry is heard late by as long as it went without");
    printNote("soundfont " + synthesizer.soundfont().toStdString());
}

} // namespace tw::bench
