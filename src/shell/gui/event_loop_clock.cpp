#include "shell/gui/event_loop_clock.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>

namespace tw::gui {

EventLoopClock::EventLoopClock() { clock_.start(); }

std::int64_t EventLoopClock::nowMs() const { return clock_.elapsed(); }

void EventLoopClock::processEventsUntil(std::int64_t deadlineMs)
{
    const std::int64_t remaining = deadlineMs - nowMs();
    if (remaining <= 0) {
        processPendingEvents();
        return;
    }
    // The timer's own event is what ends the wait when nothing else comes.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(std::chrono::milliseconds(remaining));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void EventLoopClock::processPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

} // namespace tw::gui
