#include "support/private_pulse.h"

#include <QProcess>
#include <QtEndian>
#include <algorithm>

namespace tw::test {
namespace {

constexpr auto kScriptTimeoutMs = 15000;

QString script()
{
    return QStringLiteral(TUNEWRIGHT_SOURCE_DIR "/tools/pulse-test-server");
}

} // namespace

PrivatePulseServer::PrivatePulseServer()
{
    if (!dir_.isValid()) {
        whyNot_ = QStringLiteral("no temporary folder for the private sound server");
        return;
    }
    QProcess start;
    start.start(script(), {QStringLiteral("start"), dir_.path()});
    if (!start.waitForFinished(kScriptTimeoutMs) || start.exitStatus() != QProcess::NormalExit
        || start.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(start.readAllStandardError()).trimmed();
        whyNot_ = said.isEmpty() ? QStringLiteral("pulse-test-server did not start: %1").arg(start.errorString()) : said;
        return;
    }
    running_ = true;
    const QByteArray line = start.readAllStandardOutput().trimmed();
    if (qEnvironmentVariableIsSet("PULSE_SERVER"))
        previousServer_ = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", line.mid(line.indexOf('=') + 1));
}

PrivatePulseServer::~PrivatePulseServer()
{
    stop();
    if (previousServer_)
        qputenv("PULSE_SERVER", *previousServer_);
    else
        qunsetenv("PULSE_SERVER");
}

void PrivatePulseServer::stop()
{
    if (!running_)
        return;
    running_ = false;
    QProcess::execute(script(), {QStringLiteral("stop"), dir_.path()});
}

MonitorRecorder::~MonitorRecorder()
{
    stop();
}

bool MonitorRecorder::start()
{
    std::promise<bool> started;
    std::future<bool> firstBytes = started.get_future();
    thread_ = std::thread(&MonitorRecorder::run, this, std::move(started));
    if (firstBytes.wait_for(std::chrono::seconds(3)) == std::future_status::ready && firstBytes.get())
        return true;
    stop();
    return false;
}

void MonitorRecorder::run(std::promise<bool> started)
{
    QProcess parec;
    parec.start(QStringLiteral("parec"),
                {QStringLiteral("-d"), QStringLiteral("test_sink.monitor"), QStringLiteral("--latency-msec=10"),
                 QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRate),
                 QStringLiteral("--channels=1"), QStringLiteral("--raw")});
    bool promised = false;
    if (parec.waitForStarted()) {
        while (!stopping_) {
            if (!parec.waitForReadyRead(20)) {
                if (parec.state() != QProcess::Running)
                    break;
                continue;
            }
            const QByteArray piece = parec.readAllStandardOutput();
            const auto arrived = SteadyClock::now();
            std::lock_guard lock(mutex_);
            bytes_ += piece;
            arrivals_.emplace_back(std::size_t(bytes_.size() / 2), arrived);
            if (!promised && !piece.isEmpty()) {
                started.set_value(true);
                promised = true;
            }
        }
        parec.terminate();
        if (!parec.waitForFinished(2000))
            parec.kill();
        parec.waitForFinished(2000);
    }
    if (!promised)
        started.set_value(false);
}

std::vector<float> MonitorRecorder::stop()
{
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
    std::lock_guard lock(mutex_);
    std::vector<float> samples(std::size_t(bytes_.size() / 2));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = qFromLittleEndian<qint16>(bytes_.constData() + 2 * i) / 32768.0f;
    return samples;
}

SteadyClock::time_point MonitorRecorder::heardNoLaterThan(std::size_t index) const
{
    std::lock_guard lock(mutex_);
    auto bound = SteadyClock::time_point::max();
    for (const auto& [count, arrived] : arrivals_) {
        if (count <= index)
            continue;
        const auto after = std::chrono::duration_cast<SteadyClock::duration>(
            std::chrono::duration<double>(double(count - 1 - index) / kRate));
        bound = std::min(bound, arrived - after);
    }
    return bound;
}

double MonitorRecorder::samplesPerSecond() const
{
    std::lock_guard lock(mutex_);
    if (arrivals_.size() < 100)
        return kRate;
    // Least squares of sample count over arrival time: each piece comes a
    // little late, but over seconds of pieces the slope is the sink's rate.
    const SteadyClock::time_point first = arrivals_.front().second;
    double n = 0, st = 0, ss = 0, stt = 0, sts = 0;
    for (const auto& [count, arrived] : arrivals_) {
        const double t = std::chrono::duration<double>(arrived - first).count();
        const double c = double(count);
        n += 1;
        st += t;
        ss += c;
        stt += t * t;
        sts += t * c;
    }
    return (n * sts - st * ss) / (n * stt - st * st);
}

} // namespace tw::test
