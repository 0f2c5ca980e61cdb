// Only a file in exactly the transfer signal's form is played, and a file that
// is not says what is wrong with it.

#include "codecs/transfer/playable_wave.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace tw {
namespace {

struct WaveFields {
    QByteArray riff = "RIFF";
    quint16 format = 1;
    quint16 channels = 1;
    quint32 rate = 24000;
    quint16 bits = 8;
    QByteArray samples = QByteArray("\x80\xC0\xFF\xC0\x80\x40\x00\x40\x80\x80", 10);
    std::optional<quint32> dataSize; //!< the size the data chunk claims; the true size when unset
    bool withFormat = true;
    bool withData = true;
    QByteArray chunkBeforeData;
};

QByteArray le(quint32 value, int size)
{
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(value >> (8 * i));
    return bytes;
}

QByteArray waveFile(const WaveFields& f)
{
    QByteArray body = "WAVE";
    if (f.withFormat)
        body += "fmt " + le(16, 4) + le(f.format, 2) + le(f.channels, 2) + le(f.rate, 4)
                + le(f.rate * f.channels * f.bits / 8, 4) + le(f.channels * f.bits / 8, 2) + le(f.bits, 2);
    body += f.chunkBeforeData;
    if (f.withData)
        body += "data" + le(f.dataSize.value_or(f.samples.size()), 4) + f.samples;
    return f.riff + le(body.size(), 4) + body;
}

struct Case {
    const char* what;
    WaveFields fields;
    std::string error; //!< empty when the file plays
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.what;
}

WaveFields with(auto change)
{
    WaveFields f;
    change(f);
    return f;
}

const Case kCases[] = {
    {"the transfer signal's own form", {}, ""},
    {"another rate", with([](WaveFields& f) { f.rate = 8000; }), ""},
    {"a chunk of another kind, padded to an even length, is skipped",
     with([](WaveFields& f) { f.chunkBeforeData = QByteArray("LIST\x03\0\0\0abc\0", 12); }), ""},
    {"not RIFF", with([](WaveFields& f) { f.riff = "RIFX"; }), "it is not a RIFF/WAVE file"},
    {"floating point", with([](WaveFields& f) { f.format = 3; }), "it is not integer PCM (format 3)"},
    {"stereo", with([](WaveFields& f) { f.channels = 2; }), "it has 2 channels, not one"},
    {"16 bits", with([](WaveFields& f) { f.bits = 16; }), "it has 16 bits a sample, not 8"},
    {"rate 0", with([](WaveFields& f) { f.rate = 0; }), "its rate of 0 samples a second cannot be played"},
    {"a rate beyond the sound server's", with([](WaveFields& f) { f.rate = 400000; }),
     "its rate of 400000 samples a second cannot be played"},
    {"fewer samples than the header says", with([](WaveFields& f) { f.dataSize = 110; }),
     "it is cut short: its header promises 110 samples, it holds 10"},
    {"a header without samples, as a write that failed after it leaves",
     with([](WaveFields& f) { f.samples.clear(); }), "it holds no samples"},
    {"no data chunk", with([](WaveFields& f) { f.withData = false; }), "it has no data chunk"},
    {"no format chunk", with([](WaveFields& f) { f.withFormat = false; }), "it has no format chunk"},
};

class PlayableWaveReading : public testing::TestWithParam<Case> {};

TEST_P(PlayableWaveReading, AcceptsOnlyMono8BitPcmWithAllItsSamples)
{
    const Case& c = GetParam();
    QByteArray bytes = waveFile(c.fields);
    QBuffer device(&bytes);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));

    const auto wave = readPlayableWave(device);
    if (c.error.empty()) {
        ASSERT_TRUE(wave.has_value()) << c.what << ": " << wave.error().toStdString();
        EXPECT_EQ(wave->sampleRate, c.fields.rate) << c.what;
        EXPECT_EQ(wave->samples, c.fields.samples) << c.what;
    } else {
        ASSERT_FALSE(wave.has_value()) << c.what;
        EXPECT_EQ(wave.error().toStdString(), c.error) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, PlayableWaveReading, testing::ValuesIn(kCases));

} // namespace
} // namespace tw
