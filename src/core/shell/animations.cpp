#include "core/editor.h"

// The two decorations of the background picture. Positions are in twips, the
// window's own unit (15 twips a pixel).
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

void Editor::imgCheese_MouseDown(int, int, double, double)
{
    ports_.animation.setTimerInterval(AnimationTimer::Anime, kAnimeIntervalMs);
}

void Editor::imgCheese_MouseUp(int, int, double, double)
{
    // The counter stays where it is, so the next hold carries on from there.
    ports_.animation.setTimerInterval(AnimationTimer::Anime, 0);
    ports_.animation.showAnimeFrame(0);
}

void Editor::timerAnime_Timer()
{
    AnimeTag = (AnimeTag + 1) % kFrameCounterWrap;
    // Counter 3 shows the middle frame again: the picture swings back and forth.
    ports_.animation.showAnimeFrame(AnimeTag == 3 ? 1 : AnimeTag);
}

void Editor::imgApple_Click()
{
    ports_.animation.setTimerInterval(AnimationTimer::Fall, kFallIntervalMs);
}

void Editor::imgApple_DblClick()
{
    // The click that comes before every double click has started the timer already.
    ports_.animation.setFallTop(kFallStartTop);
}

void Editor::timerFall_Timer()
{
    const int top = ports_.animation.fallTop();
    if (top >= kFallBottom)
        ports_.animation.setTimerInterval(AnimationTimer::Fall, 0);
    else
        ports_.animation.setFallTop(top + kFallStep);
}

} // namespace tw
