// Without a sound server, or with one that takes the connection and then never
// answers, both sound adapters fail quickly and say why; a file that is not the
// transfer signal's form is refused before any server is asked; a soundfont
// that cannot be loaded gives way to the next.

#include "sound/fluidsynth_midi_out.h"
#include "sound/pulse_wave_player.h"
#include "sound/sequenced_synth.h"
#include "support/frozen_server.h"
#include "support/sound_analysis.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

namespace tw {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kServerLimit = 300ms;
// Loading the soundfont and starting threads, on a busy machine, in a debug build.
constexpr auto kSlack = 1200ms;

using test::freezeServerAt;
using test::ScopedPulseServer;

enum class Server { Absent, Frozen };

struct ServerCase {
    const char* what;
    Server server;
    std::string midiReason; //!< a part of the MIDI output's error
    std::string waveReason; //!< a part of the WAV player's error
};

void PrintTo(const ServerCase& c, std::ostream* os)
{
    *os << c.what;
}

const ServerCase kServerCases[] = {
    {"no server", Server::Absent, "no audio output could be started (tried pulseaudio): Failed to create PulseAudio connection",
     "cannot connect to the sound server: Connection refused"},
    {"a frozen server", Server::Frozen, "the sound server did not answer within 300 ms",
     "the sound server did not answer within 300 ms"},
};

class WithoutAWorkingServer : public testing::TestWithParam<ServerCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        const QString socket = dir_.filePath(QStringLiteral("pulse.sock"));
        if (GetParam().server == Server::Frozen)
            freezeServerAt(socket);
        server_.emplace("unix:" + QFile::encodeName(socket));
    }

    QString writeWave() const
    {
        const QString path = dir_.filePath(QStringLiteral("temp.wav"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        const char header[] = "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\xC0\x5D\0\0\xC0\x5D\0\0\x01\0\x08\0data\x04\0\0\0";
        file.write(header, sizeof header - 1);
        file.write("\x80\xC0\xFF\x80", 4);
        return path;
    }

    QTemporaryDir dir_;
    std::optional<ScopedPulseServer> server_;
};

TEST_P(WithoutAWorkingServer, TheMidiOutputFailsQuicklyAndStaysSilent)
{
    auto options = FluidSynthMidiOut::defaultOptions();
    // Only the sound server's driver: ALSA may reach a real device on a desktop.
    options.drivers = {QStringLiteral("pulseaudio")};
    options.serverLimit = kServerLimit;
    FluidSynthMidiOut midi(options);

    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE(testing::Message() << GetParam().what << ", attempt " << attempt);
        const auto start = Clock::now();
        EXPECT_FALSE(midi.open());
        EXPECT_LT(Clock::now() - start, kServerLimit + kSlack);
        EXPECT_NE(midi.lastError().toStdString().find(GetParam().midiReason), std::string::npos)
            << midi.lastError().toStdString();
        EXPECT_TRUE(midi.soundfont().isEmpty());
        // A closed output drops what it is sent.
        midi.shortMessage(test::noteOnMessage(72));
        midi.close();
    }
}

TEST_P(WithoutAWorkingServer, TheWavePlayerFailsQuicklyAndSaysWhy)
{
    PulseWavePlayer player({.serverLimit = kServerLimit});
    const QString wave = writeWave();
    const auto start = Clock::now();
    const auto played = player.play(wave);
    EXPECT_LT(Clock::now() - start, kServerLimit + kSlack);
    ASSERT_FALSE(played.has_value()) << GetParam().what;
    EXPECT_NE(played.error().toStdString().find(GetParam().waveReason), std::string::npos)
        << played.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Servers, WithoutAWorkingServer, testing::ValuesIn(kServerCases));

TEST(WavePlayerFile, IsCheckedBeforeAnyServerIsAsked)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScopedPulseServer absent("unix:" + QFile::encodeName(dir.filePath(QStringLiteral("absent.sock"))));
    const QString stereo = dir.filePath(QStringLiteral("stereo.wav"));
    QFile file(stereo);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const char header[] = "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\xC0\x5D\0\0\x80\xBB\0\0\x02\0\x08\0data\x04\0\0\0";
    file.write(header, sizeof header - 1);
    file.write("\x80\x80\x80\x80", 4);
    file.close();
    const QString missing = dir.filePath(QStringLiteral("missing.wav"));

    PulseWavePlayer player;
    EXPECT_EQ(player.play(stereo).error().toStdString(),
              (stereo + QStringLiteral(" cannot be played: it has 2 channels, not one")).toStdString());
    EXPECT_EQ(player.play(missing).error().toStdString(),
              (missing + QStringLiteral(" cannot be read: No such file or directory")).toStdString());
}

struct SoundfontCase {
    const char* what;
    QStringList tried;
    QString chosen; //!< empty when none loads
};

void PrintTo(const SoundfontCase& c, std::ostream* os)
{
    *os << c.what;
}

class SoundfontChoice : public testing::TestWithParam<SoundfontCase> {};

TEST_P(SoundfontChoice, TheFirstThatLoadsIsUsed)
{
    const auto synth = SequencedSynth::create(GetParam().tried);
    if (GetParam().chosen.isEmpty()) {
        ASSERT_FALSE(synth.has_value()) << GetParam().what;
        EXPECT_TRUE(synth.error().startsWith(QStringLiteral("no soundfont could be loaded (tried ")))
            << synth.error().toStdString();
    } else {
        ASSERT_TRUE(synth.has_value()) << GetParam().what << ": " << synth.error().toStdString();
        EXPECT_EQ((*synth)->soundfont().toStdString(), GetParam().chosen.toStdString()) << GetParam().what;
    }
}

const QString kSmallFont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
const QString kNotAFont = QStringLiteral(TUNEWRIGHT_SOURCE_DIR "/tools/pulse-test-server");
const QString kMissing = QStringLiteral("/nonexistent/font.sf2");

INSTANTIATE_TEST_SUITE_P(Lists, SoundfontChoice,
                         testing::Values(SoundfontCase{"the small GM font first", defaultSoundfonts(), kSmallFont},
                                         SoundfontCase{"a missing font gives way", {kMissing, kSmallFont}, kSmallFont},
                                         SoundfontCase{"a file that is no font gives way", {kNotAFont, kSmallFont}, kSmallFont},
                                         SoundfontCase{"none loads", {kMissing, kNotAFont}, {}}));

} // namespace
} // namespace tw
