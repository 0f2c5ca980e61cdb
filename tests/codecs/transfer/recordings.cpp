#include "recordings.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace tw::test {
namespace {

template <typename T>
void append(QByteArray& bytes, T value)
{
    char raw[sizeof value];
    qToLittleEndian(value, raw);
    bytes.append(raw, sizeof raw);
}

void appendSample(QByteArray& bytes, float x, SampleFormat format)
{
    if (format.floating) {
        append(bytes, x);
        return;
    }
    const double full = std::ldexp(1.0, format.bits - 1);
    const auto value = qint64(std::clamp(std::round(double(x) * full), -full, full - 1));
    switch (format.bits) {
    case 8:
        bytes.append(char(quint8(value + 128)));
        break;
    case 16:
        append(bytes, qint16(value));
        break;
    case 24:
        bytes.append(char(value & 0xFF)).append(char(value >> 8 & 0xFF)).append(char(value >> 16 & 0xFF));
        break;
    default:
        append(bytes, qint32(value));
    }
}

} // namespace

QByteArray waveFileOf(const Recording& recording, SampleFormat format)
{
    QByteArray data;
    for (const float x : recording.samples)
        for (int channel = 0; channel < format.channels; ++channel)
            appendSample(data, x, format);

    const int blockSize = format.channels * format.bits / 8;
    QByteArray file("RIFF");
    append(file, quint32(36 + data.size()));
    file.append("WAVEfmt ");
    append(file, quint32(16));
    append(file, quint16(format.floating ? 3 : 1));
    append(file, quint16(format.channels));
    append(file, quint32(recording.sampleRate));
    append(file, quint32(recording.sampleRate * blockSize));
    append(file, quint16(blockSize));
    append(file, quint16(format.bits));
    file.append("data");
    append(file, quint32(data.size()));
    return file + data;
}

Recording recordingOf(const QByteArray& waveFile)
{
    QBuffer buffer;
    buffer.setData(waveFile);
    buffer.open(QIODevice::ReadOnly);
    auto recording = readWaveFile(buffer);
    EXPECT_TRUE(recording.has_value()) << (recording ? "" : recording.error().toStdString());
    return recording.value_or(Recording{});
}

Recording resampled(const Recording& recording, double rate, double speed)
{
    // A windowed sinc below the lower of the two Nyquist frequencies.
    constexpr int kTaps = 24;
    const double step = recording.sampleRate * speed / rate;  // input samples per output sample
    const double cutoff = std::min(1.0, 1.0 / step) * 0.95;
    const auto& in = recording.samples;
    Recording out{rate, {}};
    const auto count = qsizetype(double(in.size()) / step);
    out.samples.reserve(std::size_t(count));
    for (qsizetype m = 0; m < count; ++m) {
        const double position = double(m) * step;
        const auto centre = qsizetype(std::floor(position));
        const double reach = kTaps / cutoff;
        double sum = 0;
        for (auto k = centre - qsizetype(reach); k <= centre + qsizetype(reach); ++k) {
            if (k < 0 || k >= qsizetype(in.size()))
                continue;
            const double t = position - double(k);
            const double x = std::numbers::pi * cutoff * t;
            const double sinc = x == 0 ? 1.0 : std::sin(x) / x;
            const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * t / reach);
            sum += in[std::size_t(k)] * cutoff * sinc * window;
        }
        out.samples.push_back(float(sum));
    }
    return out;
}

Recording withGain(Recording recording, double decibels)
{
    const auto factor = float(std::pow(10.0, decibels / 20));
    for (float& x : recording.samples)
        x *= factor;
    return recording;
}

Recording withOffset(Recording recording, double offset)
{
    for (float& x : recording.samples)
        x += float(offset);
    return recording;
}

Recording withNoise(Recording recording, double decibels)
{
    double sum = 0;
    qsizetype loud = 0;
    for (const float x : recording.samples)
        if (std::abs(x) > 0.01f) {
            sum += double(x) * x;
            ++loud;
        }
    const double level = std::sqrt(sum / double(std::max<qsizetype>(loud, 1)));
    return withNoiseAt(std::move(recording), level * std::pow(10.0, -decibels / 20));
}

Recording withNoiseAt(Recording recording, double level)
{
    std::mt19937 generator(20240611);
    std::normal_distribution<double> noise(0.0, level);
    for (float& x : recording.samples)
        x += float(noise(generator));
    return recording;
}

Recording padded(Recording recording, double before, double after)
{
    auto& s = recording.samples;
    s.insert(s.begin(), std::size_t(before * recording.sampleRate), 0.0f);
    s.insert(s.end(), std::size_t(after * recording.sampleRate), 0.0f);
    return recording;
}

Recording fadedIn(Recording recording, double seconds)
{
    const auto length = std::min(qsizetype(seconds * recording.sampleRate),
                                 qsizetype(recording.samples.size()));
    for (qsizetype i = 0; i < length; ++i)
        recording.samples[std::size_t(i)] *= float(double(i) / double(length));
    return recording;
}

Recording without(Recording recording, qsizetype first, qsizetype count)
{
    auto& s = recording.samples;
    s.erase(s.begin() + first, s.begin() + first + count);
    return recording;
}

Recording truncated(Recording recording, qsizetype count)
{
    recording.samples.resize(std::size_t(count));
    return recording;
}

} // namespace tw::test
