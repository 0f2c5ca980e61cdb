#pragma once
// The animation timers run as the event loop runs them: a timer fires every
// interval, counted from the moment its interval was last set, until it is set
// to 0. Time moves only in advance(), one millisecond at a time, so a test can
// hold a hot spot "for one second" and see exactly the ticks of that second.

#include "support/fake_animation.h"

#include "core/editor/editor.h"

#include <array>

namespace tw::test {

class AnimationTimers {
public:
    AnimationTimers(Editor& editor, FakeAnimation& animation) : editor_(editor), animation_(animation) {}

    void advance(int ms)
    {
        noteRestarts();
        for (int step = 0; step < ms; ++step) {
            ++now_;
            for (auto& timer : timers_) {
                const int interval = animation_.interval(timer.id);
                if (interval > 0 && (now_ - timer.startedAt) % interval == 0) {
                    (editor_.*timer.handler)();
                    noteRestarts();
                }
            }
        }
    }

private:
    struct Timer {
        AnimationTimer id;
        void (Editor::*handler)();
        int settingsSeen = 0;
        int startedAt = 0;
    };

    //! A timer whose interval was set since the last look starts counting now.
    void noteRestarts()
    {
        for (auto& timer : timers_) {
            const auto it = animation_.intervalSettings.find(timer.id);
            const int settings = it == animation_.intervalSettings.end() ? 0 : it->second;
            if (settings != timer.settingsSeen) {
                timer.settingsSeen = settings;
                timer.startedAt = now_;
            }
        }
    }

    Editor& editor_;
    FakeAnimation& animation_;
    std::array<Timer, 2> timers_{Timer{AnimationTimer::Anime, &Editor::timerAnime_Timer},
                                 Timer{AnimationTimer::Fall, &Editor::timerFall_Timer}};
    int now_ = 0;
};

} // namespace tw::test
