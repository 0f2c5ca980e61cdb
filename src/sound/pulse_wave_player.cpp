#include "sound/pulse_wave_player.h"

#include "sound/bounded_call.h"
#include "codecs/transfer/playable_wave.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <QFile>
#include <memory>

namespace tw {
namespace {

struct PulseSimpleDeleter {
    void operator()(pa_simple* stream) const { pa_simple_free(stream); }
};
using PulseSimple = std::unique_ptr<pa_simple, PulseSimpleDeleter>;

QString reason(int error)
{
    return QString::fromUtf8(pa_strerror(error));
}

std::expected<PulseSimple, QString> connect(const pa_sample_spec& format, const pa_buffer_attr& buffer)
{
    int error = 0;
    PulseSimple stream(pa_simple_new(nullptr, "Tunewright", PA_STREAM_PLAYBACK, nullptr, "Chimebox transfer",
                                     &format, nullptr, &buffer, &error));
    if (!stream)
        return std::unexpected(QStringLiteral("cannot connect to the sound server: %1").arg(reason(error)));
    return stream;
}

std::expected<void, QString> playToEnd(pa_simple* stream, const QByteArray& samples)
{
    int error = 0;
    if (pa_simple_write(stream, samples.constData(), samples.size(), &error) < 0)
        return std::unexpected(QStringLiteral("the sound server broke off while playing: %1").arg(reason(error)));
    if (pa_simple_drain(stream, &error) < 0)
        return std::unexpected(QStringLiteral("the sound server broke off before the end: %1").arg(reason(error)));
    return {};
}

} // namespace

PulseWavePlayer::PulseWavePlayer()
    : PulseWavePlayer(Options{})
{
}

PulseWavePlayer::PulseWavePlayer(Options options)
    : options_(options)
{
}

std::expected<void, QString> PulseWavePlayer::play(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::unexpected(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
    auto wave = readPlayableWave(file);
    if (!wave)
        return std::unexpected(QStringLiteral("%1 cannot be played: %2").arg(path, wave.error()));

    const pa_sample_spec format{PA_SAMPLE_U8, wave->sampleRate, 1};
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(
        pa_usec_to_bytes(std::chrono::microseconds(options_.targetBuffer).count(), &format));
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);

    auto connected = callWithin(options_.serverLimit, [format, buffer] { return connect(format, buffer); });
    if (!connected)
        return std::unexpected(QStringLiteral("the sound server did not answer within %1 ms")
                                   .arg(options_.serverLimit.count()));
    if (!*connected)
        return std::unexpected(connected->error());

    // A server that freezes while playing would hold the write forever.
    const auto length = std::chrono::milliseconds(wave->samples.size() * 1000 / wave->sampleRate + 1);
    auto played = callWithin(length + options_.targetBuffer + options_.serverLimit,
                             [stream = std::move(**connected), samples = std::move(wave->samples)] {
                                 return playToEnd(stream.get(), samples);
                             });
    if (!played)
        return std::unexpected(QStringLiteral("the sound server stopped answering while playing"));
    return *played;
}

} // namespace tw
