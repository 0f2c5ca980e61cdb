#pragma once
// The decorative animations' timers and pictures as a record. Timers never
// fire by themselves: a test calls the editor's timer handler as often as the
// interval says it would have fired.

#include "core/ports.h"

#include <map>
#include <vector>

namespace tw::test {

class FakeAnimation final : public AnimationPort {
public:
    void setTimerInterval(AnimationTimer timer, int intervalMs) override
    {
        intervals[timer] = intervalMs;
        ++intervalSettings[timer];
    }
    void showAnimeFrame(int frame) override { framesShown.push_back(frame); }
    int fallTop() const override { return fallTopTwips; }
    void setFallTop(int twips) override { fallTopTwips = twips; }

    //! The timer's interval; 0 (stopped) until set.
    int interval(AnimationTimer timer) const
    {
        const auto it = intervals.find(timer);
        return it == intervals.end() ? 0 : it->second;
    }

    std::map<AnimationTimer, int> intervals;
    //! How often each interval was set: every setting restarts the timer's count.
    std::map<AnimationTimer, int> intervalSettings;
    std::vector<int> framesShown;  //!< every frame shown in imgAnime, in order
    int fallTopTwips = 7020;       //!< imgFall's start height
};

} // namespace tw::test
