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
    if (!m_dir.isValid()) {
        m_whyNot = QStringLiteral("no temporary folder for the private sound server");
        return;
    }
    QProcess start;
    start.start(script(), {QStringLiteral("start"), m_dir.path()});
    if (!start.waitForFinished(kScriptTimeoutMs) || start.exitStatus() != QProcess::NormalExit
        || start.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(start.readAllStandardError()).trimmed();
        m_whyNot = said.isEmpty() ? QStringLiteral("pulse-test-server did not start: %1").arg(start.errorString()) : said;
        return;
    }
    m_running = true;
    const QByteArray line = start.readAllStandardOutput().trimmed();
    if (qEnvironmentVariableIsSet("PULSE_SERVER"))
        m_previousServer = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", line.mid(line.indexOf('=') + 1));
}

PrivatePulseServer::~PrivatePulseServer()
{
    stop();
    if (m_previousServer)
        qputenv("PULSE_SERVER", *m_previousServer);
    else
        qunsetenv("PULSE_SERVER");
}

void PrivatePulseServer::stop()
{
    if (!m_running)
        return;
    m_running = false;
    QProcess::execute(script(), {QStringLiteral("stop"), m_dir.path()});
}

MonitorRecorder::~MonitorRecorder()
{
    stop();
}

bool MonitorRecorder::start()
{
    std::promise<bool> started;
    std::future<bool> firstBytes = started.get_future();
    m_thread = std::thread(&MonitorRecorder::run, this, std::move(started));
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
        while (!m_stopping) {
            if (!parec.waitForReadyRead(20)) {
                if (parec.state() != QProcess::Running)
                    break;
                continue;
            }
            const QByteArray piece = parec.readAllStandardOutput();
            const auto arrived = SteadyClock::now();
            std::lock_guard lock(m_mutex);
            m_bytes += piece;
            m_arrivals.emplace_back(std::size_t(m_bytes.size() / 2), arrived);
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
    m_stopping = true;
    if (m_thread.joinable())
        m_thread.join();
    std::lock_guard lock(m_mutex);
    std::vector<float> samples(std::size_t(m_bytes.size() / 2));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = qFromLittleEndian<qint16>(m_bytes.constData() + 2 * i) / 32768.0f;
    return samples;
}

SteadyClock::time_point MonitorRecorder::heardNoLaterThan(std::size_t index) const
{
    std::lock_guard lock(m_mutex);
    auto bound = SteadyClock::time_point::max();
    for (const auto& [count, arrived] : m_arrivals) {
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
    std::lock_guard lock(m_mutex);
    if (m_arrivals.size() < 100)
        return kRate;
    // Least squares of sample count over arrival time: each piece comes a
    // little late, but over seconds of pieces the slope is the sink's rate.
    const SteadyClock::time_point first = m_arrivals.front().second;
    double n = 0, st = 0, ss = 0, stt = 0, sts = 0;
    for (const auto& [count, arrived] : m_arrivals) {
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
