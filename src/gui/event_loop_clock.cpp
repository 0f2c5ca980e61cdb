#include "gui/event_loop_clock.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <thread>

namespace tw::gui {
namespace {

void processPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

} // namespace

EventLoopClock::EventLoopClock() { clock_.start(); }

std::int64_t EventLoopClock::nowMs() const { return clock_.elapsed(); }

void EventLoopClock::processEventsUntil(std::int64_t deadlineMs)
{
    // Counted in nanoseconds: the deadline is a whole millisecond of this clock,
    // while now lies somewhere inside one, and a timer of whole milliseconds
    // from now would wake up to a millisecond after the deadline.
    const std::chrono::nanoseconds remaining{deadlineMs * 1'000'000 - clock_.nsecsElapsed()};
    if (remaining <= std::chrono::nanoseconds::zero()) {
        processPendingEvents();
        return;
    }
    const auto wholeMs = std::chrono::floor<std::chrono::milliseconds>(remaining);
    if (wholeMs.count() == 0) {
        // Less than a millisecond to go: too short for the event loop's timers,
        // which count whole milliseconds, so it is slept through and the events
        // that came meanwhile are handled after it.
        std::this_thread::sleep_for(remaining);
        processPendingEvents();
        return;
    }
    // The timer's own event is what ends the wait when nothing else comes.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(wholeMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace tw::gui
