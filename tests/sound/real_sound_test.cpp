// Sound through a real sound server, as users have it: a private PulseAudio
// server with a null sink, recorded from the sink's monitor. Where PulseAudio
// cannot start, these tests are skipped.

#include "offline_render.h"
#include "sound/fluid_log.h"
#include "sound/fluidsynth_midi_out.h"
#include "sound/pulse_wave_player.h"
#include "support/private_pulse.h"
#include "support/sound_analysis.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <future>
#include <optional>
#include <thread>

namespace tw::test {
namespace {

using namespace std::chrono_literals;

class RealSound : public testing::Test {
protected:
    void SetUp() override
    {
        server_.emplace();
        if (!server_->whyNotRunning().isEmpty())
            GTEST_SKIP() << "no private PulseAudio server: " << server_->whyNotRunning().toStdString();
        if (!startRecording())
            GTEST_SKIP() << "the private server's monitor cannot be recorded (parec)";
    }

    bool startRecording()
    {
        recorder_.emplace();
        return recorder_->start();
    }

    std::optional<PrivatePulseServer> server_;
    std::optional<MonitorRecorder> recorder_; // after the server: it stops recording before the server ends
};

double msBetween(SteadyClock::time_point from, SteadyClock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    return values[values.size() / 2];
}

constexpr int kOcarina = 79;

struct PlayedNote {
    int note;
    int lengthMs;
};

// Lengths of tempo 180 rows (83 ms a sixteenth) and a few others; rests between
// the notes let each release fade before the next starts.
constexpr PlayedNote kTune[] = {{65, 83}, {72, 166}, {77, 250}, {84, 124}, {89, 332}, {70, 100}};
constexpr auto kRest = 150ms;
// Live and in the rendering, each message sounds from the 64-frame block
// nearest its time, on two grids: a start may move by up to a block (1.3 ms),
// a length by up to two, and the lead the output measures scatters a little.
constexpr double kStartToleranceMs = 3.0;
constexpr double kLengthToleranceMs = 4.0;

//! How late a thread that asks to wake every millisecond wakes at worst: a
//! measure of whether the machine can keep real time at all while it runs.
class WakeUpProbe {
public:
    WakeUpProbe()
        : thread_([this] {
            auto next = SteadyClock::now();
            while (!stopping_) {
                std::this_thread::sleep_until(next += 1ms);
                worstMs_ = std::max(worstMs_.load(), msBetween(next, SteadyClock::now()));
            }
        })
    {
    }
    ~WakeUpProbe() { stop(); }
    double stop()
    {
        stopping_ = true;
        if (thread_.joinable())
            thread_.join();
        return worstMs_;
    }

private:
    std::atomic<bool> stopping_{false};
    std::atomic<double> worstMs_{0};
    std::thread thread_;
};

struct PlayResult {
    std::string faults;      //!< empty when every note was in its place
    double worstWakeUpMs = 0; //!< how late a 1 ms timer woke up at worst while it played
};

//! Plays the tune through a freshly opened MIDI output and compares what was
//! heard with the offline rendering of the same messages at the times they were sent.
PlayResult playTune(MonitorRecorder& recorder)
{
    FluidSynthMidiOut midi;
    if (!midi.open())
        return {"the MIDI output did not open: " + midi.lastError().toStdString()};
    PlayResult result;
    WakeUpProbe probe;
    std::vector<std::pair<std::uint32_t, SteadyClock::time_point>> sent;
    auto sendAt = [&](SteadyClock::time_point at, std::uint32_t message) {
        std::this_thread::sleep_until(at);
        sent.emplace_back(message, SteadyClock::now());
        midi.shortMessage(message);
    };
    auto next = SteadyClock::now();
    sendAt(next, programMessage(kOcarina));
    next += 300ms;
    for (const PlayedNote& n : kTune) {
        sendAt(next, noteOnMessage(n.note));
        sendAt(next += std::chrono::milliseconds(n.lengthMs), noteOffMessage(n.note));
        next += kRest;
    }
    std::this_thread::sleep_for(500ms);
    midi.close();
    result.worstWakeUpMs = probe.stop();
    const auto recording = recorder.stop();

    std::vector<TimedMessage> reference;
    for (const auto& [message, at] : sent)
        reference.push_back({message, msBetween(sent.front().second, at)});
    const auto rendered = renderOffline(reference, reference.back().atMs + 500.0);

    const auto heard = findNotes(recording, 0.1f * peakOf(recording));
    const auto expected = findNotes(rendered, 0.1f * peakOf(rendered));
    if (expected.size() != std::size(kTune) || heard.size() != expected.size()) {
        result.faults = QString::asprintf("%zu notes were heard and %zu rendered, of %zu played", heard.size(),
                                          expected.size(), std::size(kTune))
                            .toStdString();
        return result;
    }
    // The recording started some time before the first message. Each note is
    // placed by where its loudness rises around its note-on and falls around
    // its note-off; the offset common to all starts is the recording's own.
    const double roughOffset = heard.front().startMs - expected.front().startMs;
    const auto heardLoudness = loudnessDb(recording);
    const auto renderedLoudness = loudnessDb(rendered);
    std::vector<double> starts, ends;
    for (std::size_t i = 0; i < heard.size(); ++i) {
        const double onMs = reference[1 + 2 * i].atMs, offMs = reference[2 + 2 * i].atMs;
        starts.push_back(matchedShiftMs(heardLoudness, renderedLoudness, onMs - 5, onMs + 20, roughOffset));
        ends.push_back(matchedShiftMs(heardLoudness, renderedLoudness, offMs - 10, offMs + 80, roughOffset));
    }
    const double offset = median(starts);

    QString faults;
    for (std::size_t i = 0; i < heard.size(); ++i) {
        const int note = kTune[i].note;
        const double moved = starts[i] - offset;
        const double longer = ends[i] - starts[i];
        const double pitch = fundamentalHz(excerpt(recording, heard[i].startMs + 20, 40));
        if (std::abs(moved) > kStartToleranceMs)
            faults += QString::asprintf("note %zu (%d) started %+.2f ms off the others; ", i + 1, note, moved);
        if (std::abs(longer) > kLengthToleranceMs)
            faults += QString::asprintf("note %zu (%d) sounded %+.2f ms longer; ", i + 1, note, longer);
        if (std::abs(pitch / midiNoteHz(note) - 1) > 0.01)
            faults += QString::asprintf("note %zu (%d) sounded at %.1f Hz, not %.1f Hz; ", i + 1, note, pitch,
                                        midiNoteHz(note));
    }
    result.faults = faults.toStdString();
    return result;
}

TEST_F(RealSound, AMelodyThroughTheMidiOutputKeepsItsRhythmAndPitch)
{
    // A busy machine can stall the sound for tens of milliseconds, which moves
    // every later note; the tune must come out right in one of a few plays.
    // A fault of the output itself (notes on period boundaries, a lost or
    // mistuned note) shows in every play, on a quiet machine too, so only a
    // machine that could not keep real time in any play skips the verdict.
    constexpr double kBusyWakeUpMs = 5.0;
    std::string faults;
    double leastWakeUpMs = 1e9;
    for (int play = 1; play <= 3; ++play) {
        if (play > 1) {
            ASSERT_TRUE(startRecording());
        }
        const PlayResult result = playTune(*recorder_);
        if (result.faults.empty())
            return;
        faults += "\nplay " + std::to_string(play) + " (timer up to " + std::to_string(result.worstWakeUpMs)
                  + " ms late): " + result.faults;
        leastWakeUpMs = std::min(leastWakeUpMs, result.worstWakeUpMs);
    }
    if (leastWakeUpMs > kBusyWakeUpMs)
        GTEST_SKIP() << "the machine was too busy to keep sound in time: a 1 ms timer woke up " << leastWakeUpMs
                     << " ms late or more in every play" << faults;
    ADD_FAILURE() << "the tune never came out right:" << faults;
}

TEST_F(RealSound, EveryKeyOfTheStartUpToneSoundsThroughTheMidiOutput)
{
    constexpr int kBeep = 67;
    constexpr auto kNote = 150ms;
    // Long enough for a release and its reverb to fade well below the next note.
    constexpr auto kGap = 200ms;
    FluidSynthMidiOut midi;
    ASSERT_TRUE(midi.open()) << midi.lastError().toStdString();
    midi.shortMessage(programMessage(kBeep));
    std::this_thread::sleep_for(300ms);
    std::vector<SteadyClock::time_point> noteOns;
    auto next = SteadyClock::now();
    for (int key = 5; key <= 29; ++key) {
        std::this_thread::sleep_until(next);
        noteOns.push_back(SteadyClock::now());
        midi.shortMessage(noteOnMessage(key + 60));
        std::this_thread::sleep_until(next += kNote);
        midi.shortMessage(noteOffMessage(key + 60));
        next += kGap;
    }
    std::this_thread::sleep_for(300ms);
    midi.close();
    const auto recording = recorder_->stop();

    // The notes are where the messages were sent, counted from where the
    // first key was heard. A key that stays silent leaves only the fading
    // note before it at its place.
    const auto first = findNotes(recording, 0.1f * peakOf(recording));
    ASSERT_FALSE(first.empty()) << "nothing was heard";
    const auto levelDb = [&](double fromMs, double lengthMs) {
        return 20 * std::log10(rmsOf(excerpt(recording, fromMs, lengthMs)) + 1e-9);
    };
    for (int key = 5; key <= 29; ++key) {
        const double onMs = first.front().startMs + msBetween(noteOns.front(), noteOns[std::size_t(key - 5)]);
        SCOPED_TRACE(testing::Message() << "key " << key << " at " << onMs << " ms of the recording");
        EXPECT_GT(levelDb(onMs + 30, 100), levelDb(onMs - 60, 50) + 10) << "the key is silent";
        const double pitch = fundamentalHz(excerpt(recording, onMs + 30, 100));
        EXPECT_NEAR(pitch, midiNoteHz(key + 60), midiNoteHz(key + 60) * 0.01);
    }
}

//! What `pactl list what` says of the private server; empty when pactl cannot run.
QString pactlList(const QString& what)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), what});
    if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0)
        return {};
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

TEST_F(RealSound, TheMelodyStreamIsNamedAfterTheApplicationInTheMixer)
{
    FluidSynthMidiOut midi;
    ASSERT_TRUE(midi.open()) << midi.lastError().toStdString();
    const QString streams = pactlList(QStringLiteral("sink-inputs"));
    if (streams.isEmpty())
        GTEST_SKIP() << "pactl cannot list the private server's streams";
    for (const char* property : {"application.name = \"Tunewright\"",
                                 "application.icon_name = \"org.tunewright.Tunewright\""})
        EXPECT_TRUE(streams.contains(QLatin1String(property))) << property << " is missing from\n"
                                                                << streams.toStdString();
}

TEST_F(RealSound, AServerThatGoesAwayWhilePlayingIsOnlyLogged)
{
    FluidSynthMidiOut midi;
    ASSERT_TRUE(midi.open()) << midi.lastError().toStdString();
    const auto logMark = fluidlog::mark();
    midi.shortMessage(noteOnMessage(72));
    std::this_thread::sleep_for(200ms);

    recorder_->stop();
    server_->stop();
    for (int key = 5; key <= 29; ++key) {
        midi.shortMessage(noteOffMessage(key + 59));
        midi.shortMessage(noteOnMessage(key + 60));
        std::this_thread::sleep_for(10ms);
    }
    const auto closing = SteadyClock::now();
    midi.close();
    EXPECT_LT(SteadyClock::now() - closing, 2500ms);
    const QStringList logged = fluidlog::errorsSince(logMark);
    ASSERT_FALSE(logged.isEmpty());
    EXPECT_TRUE(logged.join(u' ').contains(QStringLiteral("PulseAudio"))) << logged.join(u' ').toStdString();
}

// The transfer signal's base cycle at 24000 samples a second: 2 kHz.
constexpr unsigned char kCycle[] = {192, 255, 255, 255, 255, 192, 64, 0, 0, 0, 0, 64};
constexpr int kWaveRate = 24000;

//! `bursts` bursts of `burstMs` after `leadMs` of silence, `gapMs` apart; the file ends with the last burst.
QString writeBursts(const QTemporaryDir& dir, int leadMs, int bursts, int burstMs, int gapMs)
{
    QByteArray samples(leadMs * kWaveRate / 1000, char(128));
    for (int b = 0; b < bursts; ++b) {
        if (b > 0)
            samples += QByteArray(gapMs * kWaveRate / 1000, char(128));
        for (int i = 0; i < burstMs * kWaveRate / 1000; ++i)
            samples += char(kCycle[i % std::size(kCycle)]);
    }
    auto le32 = [](quint32 v) {
        const char bytes[] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return QByteArray(bytes, 4);
    };
    const QByteArray format("\x01\0\x01\0", 4);
    QByteArray file = "RIFF" + le32(36 + samples.size()) + "WAVEfmt " + le32(16) + format + le32(kWaveRate)
                      + le32(kWaveRate) + QByteArray("\x01\0\x08\0", 4) + "data" + le32(samples.size()) + samples;
    const QString path = dir.filePath(QStringLiteral("temp.wav"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return {};
    return path;
}

TEST_F(RealSound, TheWavePlayerReturnsWhenTheLastBurstHasBeenHeard)
{
    QTemporaryDir dir;
    const QString wave = writeBursts(dir, 200, 3, 100, 100);
    ASSERT_FALSE(wave.isEmpty());

    PulseWavePlayer player;
    const auto played = player.play(wave);
    const auto returned = SteadyClock::now();
    ASSERT_TRUE(played.has_value()) << played.error().toStdString();
    std::this_thread::sleep_for(200ms);
    const auto recording = recorder_->stop();

    const auto bursts = findNotes(recording, 0.1f * peakOf(recording));
    ASSERT_EQ(bursts.size(), 3u);
    for (std::size_t i = 0; i < bursts.size(); ++i) {
        EXPECT_NEAR(bursts[i].endMs - bursts[i].startMs, 100.0, 1.0) << "burst " << i + 1;
        if (i > 0) {
            EXPECT_NEAR(bursts[i].startMs - bursts[i - 1].startMs, 200.0, 1.0) << "burst " << i + 1;
        }
    }
    const auto lastHeard = recorder_->heardNoLaterThan(std::size_t(bursts.back().endMs * MonitorRecorder::kRate / 1000));
    // Drain returns once the end has been heard (a few milliseconds after it
    // here); a player that returned a buffer early would cut the signal short.
    EXPECT_GT(msBetween(lastHeard, returned), -5.0);
    EXPECT_LT(msBetween(lastHeard, returned), 200.0);
}

TEST_F(RealSound, TheWavePlayerReportsAServerThatGoesAwayWhilePlaying)
{
    QTemporaryDir dir;
    const QString wave = writeBursts(dir, 0, 6, 400, 100);
    ASSERT_FALSE(wave.isEmpty());

    PulseWavePlayer player;
    auto playing = std::async(std::launch::async, [&] { return player.play(wave); });
    std::this_thread::sleep_for(500ms);
    recorder_->stop();
    server_->stop();
    const auto gone = SteadyClock::now();
    const auto played = playing.get();
    EXPECT_LT(SteadyClock::now() - gone, 1000ms) << "it waited for a sound that could not be heard";
    ASSERT_FALSE(played.has_value());
    EXPECT_TRUE(played.error().startsWith(QStringLiteral("the sound server broke off"))) << played.error().toStdString();
}

} // namespace
} // namespace tw::test
