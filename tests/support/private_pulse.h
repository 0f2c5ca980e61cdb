#pragma once
// A private PulseAudio server (tools/pulse-test-server) for tests that listen to
// what the program plays, and a recorder of its null sink's monitor.
//
// While a PrivatePulseServer lives, PULSE_SERVER points this process and the
// programs it starts at the private server; the previous value comes back
// with its end.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tw::test {

using SteadyClock = std::chrono::steady_clock;

class PrivatePulseServer {
public:
    PrivatePulseServer();
    ~PrivatePulseServer();
    PrivatePulseServer(const PrivatePulseServer&) = delete;
    PrivatePulseServer& operator=(const PrivatePulseServer&) = delete;

    //! Empty when the server runs; otherwise why it could not start (for GTEST_SKIP).
    const QString& whyNotRunning() const { return whyNot_; }
    //! Stops the server now, as a crash of the user's sound server would.
    void stop();

private:
    QTemporaryDir dir_;
    QString whyNot_;
    std::optional<QByteArray> previousServer_;
    bool running_ = false;
};

//! Records the private server's sink as 16-bit mono at 48000 samples a second,
//! noting when each piece of the recording arrived.
class MonitorRecorder {
public:
    static constexpr int kRate = 48000;

    ~MonitorRecorder();

    //! Starts the recorder and waits (up to 3 s) for its first bytes; false when
    //! none came. Play nothing before this returned true.
    bool start();
    //! Stops recording; the samples from the first byte on, full scale at 1.
    std::vector<float> stop();

    //! A time no earlier than the moment sample `index` of the recording was
    //! heard in the sink: each piece arrives after its last sample was heard.
    SteadyClock::time_point heardNoLaterThan(std::size_t index) const;

    //! Samples the sink played per second of the monotonic clock, fitted to
    //! when the pieces arrived; a sink's clock need not run with this one.
    //! The nominal rate while too few pieces came to fit.
    double samplesPerSecond() const;

private:
    void run(std::promise<bool> started);

    std::thread thread_;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    QByteArray bytes_;
    //! Sample count after each piece, and when that piece arrived.
    std::vector<std::pair<std::size_t, SteadyClock::time_point>> arrivals_;
};

} // namespace tw::test
