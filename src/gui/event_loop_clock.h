#pragma once
// The clock port: a monotonic millisecond clock, and waiting in the event loop
// so that clicks and timers are handled while a melody plays.

#include "core/ports.h"

#include <QElapsedTimer>

namespace tw::gui {

class EventLoopClock final : public ClockPort {
public:
    EventLoopClock();

    std::int64_t nowMs() const override;
    //! Sleeps in the event loop until an event arrives or the deadline passes;
    //! a precise timer wakes it at the deadline, so nothing spins.
    void processEventsUntil(std::int64_t deadlineMs) override;


private:
    QElapsedTimer clock_;
};

} // namespace tw::gui
