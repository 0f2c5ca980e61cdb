#include "cli/console_clock.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <thread>

namespace tw::cli {

void ConsoleClock::processEventsUntil(std::int64_t deadlineMs)
{
    if (beforeWait_)
        beforeWait_();
    // As the window's clock waits: the deadline is a whole millisecond while now lies
    // inside one, so the timer is set to the whole milliseconds left, never past the
    // deadline, and less than one millisecond is slept through.
    const std::chrono::nanoseconds remaining{deadlineMs * 1'000'000 - clock_.nsecsElapsed()};
    const auto wholeMs = std::chrono::floor<std::chrono::milliseconds>(remaining);
    if (remaining > std::chrono::nanoseconds::zero() && wholeMs.count() == 0)
        std::this_thread::sleep_for(remaining);
    if (wholeMs.count() <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(wholeMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace tw::cli
