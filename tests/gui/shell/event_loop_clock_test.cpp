#include "gui/event_loop_clock.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace tw::gui {
namespace {

TEST(EventLoopClock, WaitingDispatchesAnEventThatArrivesBeforeTheDeadline)
{
    EventLoopClock clock;
    bool dispatched = false;
    QTimer::singleShot(0, [&] { dispatched = true; });
    const std::int64_t deadline = clock.nowMs() + 60'000;
    while (!dispatched && clock.nowMs() < deadline)
        clock.processEventsUntil(deadline);
    EXPECT_TRUE(dispatched);
    EXPECT_LT(clock.nowMs(), deadline);
}

TEST(EventLoopClock, WaitingSleepsUntilTheDeadlineInsteadOfSpinning)
{
    EventLoopClock clock;
    const std::int64_t deadline = clock.nowMs() + 50;
    int waits = 0;
    while (clock.nowMs() < deadline) {
        clock.processEventsUntil(deadline);
        ++waits;
    }
    // A loop that polled without sleeping would come round thousands of times.
    EXPECT_LT(waits, 20);
}

} // namespace
} // namespace tw::gui
