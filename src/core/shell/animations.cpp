#include "core/shell/animations.h"

namespace tw {
namespace {

constexpr int kAnimeIntervalMs = 200;
constexpr int kFallIntervalMs = 50;
constexpr int kFrameCounterWrap = 4;  // the counter runs 0, 1, 2, 3, 0, ...
constexpr int kFallStartTop = 7020;
constexpr int kFallStep = 100;
// The client area is 7920 twips high; from 8000 on the picture is out of sight.
constexpr int kFallBottom = 8000;

} // namespace

void Animations::cheesePressed() { animation_.setTimerInterval(AnimationTimer::Anime, kAnimeIntervalMs); }

void Animations::cheeseReleased()
{
    // The counter stays where it is, so the next hold carries on from there.
    animation_.setTimerInterval(AnimationTimer::Anime, 0);
    animation_.showAnimeFrame(0);
}

void Animations::animeTick()
{
    animeTag_ = (animeTag_ + 1) % kFrameCounterWrap;
    // Counter 3 shows the middle frame again: the picture swings back and forth.
    animation_.showAnimeFrame(animeTag_ == 3 ? 1 : animeTag_);
}

void Animations::appleClicked() { animation_.setTimerInterval(AnimationTimer::Fall, kFallIntervalMs); }

void Animations::appleDoubleClicked()
{
    // The click that comes before every double click has started the timer already.
    animation_.setFallTop(kFallStartTop);
}

void Animations::fallTick()
{
    const int top = animation_.fallTop();
    if (top >= kFallBottom)
        animation_.setTimerInterval(AnimationTimer::Fall, 0);
    else
        animation_.setFallTop(top + kFallStep);
}

} // namespace tw
