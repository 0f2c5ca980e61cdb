#pragma once
// A clock that moves only when the editor waits, so timed loops run instantly
// and exactly. processEventsUntil jumps to its deadline, unless a scripted event
// falls due first: then the clock stops at that event's time, runs it (as the
// event loop would dispatch a click during playback) and returns.
//
// A loop that waits forever without the clock moving is a bug in the editor;
// after a million waits the clock throws instead of hanging the test.

#include "core/ports.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>

namespace tw::test {

class VirtualClock final : public ClockPort {
public:
    std::int64_t nowMs() const override { return now_; }

    void processEventsUntil(std::int64_t deadlineMs) override
    {
        if (++waits_ > kMaxWaits)
            throw std::runtime_error("VirtualClock: the editor keeps waiting and never finishes");
        const auto due = events_.begin();
        if (due != events_.end() && due->first <= deadlineMs) {
            now_ = std::max(now_, due->first);
            runFirst();
            return;
        }
        now_ = std::max(now_, deadlineMs);
    }


    //! Schedules an event (a click, a timer) for the moment the clock reaches `ms`.
    //! Events of the same time run in the order they were scheduled.
    void at(std::int64_t ms, std::function<void()> event) { events_.emplace(ms, std::move(event)); }
    //! Moves the clock forward without running anything (time spent elsewhere).
    void advance(std::int64_t ms) { now_ += ms; }

    int waits() const { return waits_; }                //!< calls of processEventsUntil
    bool hasScheduledEvents() const { return !events_.empty(); }

private:
    static constexpr int kMaxWaits = 1'000'000;

    void runFirst()
    {
        auto event = std::move(events_.begin()->second);
        events_.erase(events_.begin());
        event();
    }

    std::int64_t now_ = 0;
    std::multimap<std::int64_t, std::function<void()>> events_;
    int waits_ = 0;
};

} // namespace tw::test
