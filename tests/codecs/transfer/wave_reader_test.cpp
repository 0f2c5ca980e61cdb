#include "recordings.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace tw {
namespace {

using test::SampleFormat;

std::expected<Recording, QString> read(const QByteArray& file)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    return readWaveFile(buffer);
}

Recording ramp(double rate)
{
    Recording recording{rate, {}};
    for (int i = 0; i < 200; ++i)
        recording.samples.push_back(float(i - 100) / 101.0f);
    return recording;
}

struct FormatCase {
    SampleFormat format;
    double rate;
    float tolerance;  // one step of the format
};

class ReadFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(ReadFormatTest, SamplesComeBackAtFullScale)
{
    const auto& [format, rate, tolerance] = GetParam();
    const Recording original = ramp(rate);
    const auto recording = read(test::waveFileOf(original, format));
    ASSERT_TRUE(recording.has_value()) << recording.error().toStdString();
    EXPECT_EQ(recording->sampleRate, rate);
    ASSERT_EQ(recording->samples.size(), original.samples.size());
    for (std::size_t i = 0; i < original.samples.size(); ++i)
        ASSERT_NEAR(recording->samples[i], original.samples[i], tolerance) << "sample " << i;
}

INSTANTIATE_TEST_SUITE_P(Formats, ReadFormatTest, testing::Values(
    FormatCase{{8, false, 1}, 24000, 1.0f / 128},
    FormatCase{{16, false, 1}, 44100, 1.0f / 32768},
    FormatCase{{24, false, 1}, 48000, 1e-6f},
    FormatCase{{32, false, 1}, 96000, 1e-6f},
    FormatCase{{32, true, 1}, 8000, 0},
    FormatCase{{8, false, 2}, 22050, 1.0f / 128},
    FormatCase{{16, false, 2}, 48000, 1.0f / 32768},
    FormatCase{{24, false, 2}, 44100, 1e-6f},
    FormatCase{{32, true, 2}, 192000, 0}));

TEST(ReadWaveFile, SignedFormatsKeepTheirSign)
{
    const Recording extremes{8000, {-1.0f, -0.5f, 0.0f, 0.5f}};
    for (const int bits : {8, 16, 24, 32}) {
        const auto recording = read(test::waveFileOf(extremes, {bits, false, 1}));
        ASSERT_TRUE(recording.has_value()) << bits;
        EXPECT_EQ(recording->samples, extremes.samples) << bits << " bits";
    }
}

TEST(ReadWaveFile, StereoIsMixedToMono)
{
    QByteArray file = test::waveFileOf(Recording{8000, {0.0f, 0.0f}}, {16, false, 2});
    qToLittleEndian(qint16(16384), file.data() + 44);   // left of the first frame: 0.5
    qToLittleEndian(qint16(-8192), file.data() + 50);   // right of the second frame: -0.25
    const auto recording = read(file);
    ASSERT_TRUE(recording.has_value());
    EXPECT_EQ(recording->samples, (std::vector<float>{0.25f, -0.125f}));
}

TEST(ReadWaveFile, FloatSamplesAreClippedPerChannelBeforeTheMix)
{
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    const struct {
        float left, right, mono;
    } frames[] = {
        {FLT_MAX, FLT_MAX, 1.0f},     {-FLT_MAX, -FLT_MAX, -1.0f}, {FLT_MAX, -FLT_MAX, 0.0f},
        {3.0f, 0.0f, 0.5f},           {kNaN, 0.5f, 0.25f},         {kInfinity, -0.5f, -0.25f},
        {-kInfinity, -kInfinity, 0.0f},
    };
    Recording left{8000, {}};
    Recording right{8000, {}};
    std::vector<float> mixed;
    for (const auto& frame : frames) {
        left.samples.push_back(frame.left);
        right.samples.push_back(frame.right);
        mixed.push_back(frame.mono);
    }
    // The left channel alone, then both: the test's writer puts the recording in
    // both channels, and the right one is written over it.
    const auto mono = read(test::waveFileOf(left, {32, true, 1}));
    ASSERT_TRUE(mono.has_value());
    EXPECT_EQ(mono->samples, (std::vector<float>{1, -1, 1, 1, 0, 0, 0}));

    QByteArray file = test::waveFileOf(left, {32, true, 2});
    for (std::size_t i = 0; i < right.samples.size(); ++i)
        qToLittleEndian(right.samples[i], file.data() + 44 + 8 * qsizetype(i) + 4);
    const auto stereo = read(file);
    ASSERT_TRUE(stereo.has_value());
    EXPECT_EQ(stereo->samples, mixed);
}

TEST(ReadWaveFile, SkipsOtherChunksWithTheirPadding)
{
    QByteArray file = test::waveFileOf(ramp(16000), {16, false, 1});
    // An odd-sized chunk (padded to even) between "fmt " and "data".
    file.insert(36, QByteArray("LIST\x03\x00\x00\x00" "abc\x00", 12));
    const auto recording = read(file);
    ASSERT_TRUE(recording.has_value()) << recording.error().toStdString();
    EXPECT_EQ(recording->samples.size(), 200u);
}

TEST(ReadWaveFile, ATruncatedDataChunkGivesWhatIsThere)
{
    const QByteArray file = test::waveFileOf(ramp(16000), {16, false, 1});
    const auto recording = read(file.first(44 + 101));  // 50 whole samples and half of one
    ASSERT_TRUE(recording.has_value());
    EXPECT_EQ(recording->samples.size(), 50u);
}

QByteArray withField16(QByteArray file, qsizetype offset, quint16 value)
{
    qToLittleEndian(value, file.data() + offset);
    return file;
}

QByteArray withField32(QByteArray file, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, file.data() + offset);
    return file;
}

TEST(ReadWaveFile, RefusesWhatItCannotRead)
{
    const QByteArray good = test::waveFileOf(ramp(16000), {16, false, 1});
    const struct {
        const char* what;
        QByteArray file;
        const char* reason;
    } cases[] = {
        {"empty", QByteArray(), "not a RIFF/WAVE file"},
        {"not RIFF", QByteArray("RIFX") + good.sliced(4), "not a RIFF/WAVE file"},
        {"no chunks", good.first(12), "no format chunk"},
        {"data first", good.first(12) + good.sliced(36), "before the format chunk"},
        {"header only", good.first(36), "no data chunk"},
        {"cut format chunk", good.first(30), "ends in the middle of a chunk"},
        {"ADPCM", withField16(good, 20, 2), "unsupported sample format"},
        {"12 bits", withField16(good, 34, 12), "unsupported sample format"},
        {"16-bit float", withField16(withField16(good, 20, 3), 34, 16), "unsupported sample format"},
        {"three channels", withField16(good, 22, 3), "3 channels"},
        {"no channels", withField16(good, 22, 0), "0 channels"},
        {"4000 Hz", withField32(good, 24, 4000), "at least 8000"},
        {"block size", withField16(good, 32, 3), "block size"},
    };
    for (const auto& c : cases) {
        const auto recording = read(c.file);
        ASSERT_FALSE(recording.has_value()) << c.what;
        EXPECT_TRUE(recording.error().contains(QLatin1StringView(c.reason)))
            << c.what << ": " << recording.error().toStdString();
    }
}

} // namespace
} // namespace tw
