#include "animation_timers.h"

#include "support/editor_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw::test {
namespace {

class AnimationTest : public EditorFixture {
protected:
    void holdCheese(int ms, int button = kLeftButton)
    {
        editor.imgCheese_MouseDown(button, 0, 100, 100);
        timers.advance(ms);
        editor.imgCheese_MouseUp(button, 0, 100, 100);
    }
    //! A single click, or the click and double click a double click raises.
    void clickApple() { editor.imgApple_Click(); }
    void doubleClickApple()
    {
        editor.imgApple_Click();
        editor.imgApple_DblClick();
    }
    std::vector<int> takeFrames() { return std::exchange(animation.framesShown, {}); }

    AnimationTimers timers{editor, animation};
};

TEST_F(AnimationTest, HoldingTheHotSpotSwingsThePictureAndReleaseRestsIt)
{
    editor.imgCheese_MouseDown(kLeftButton, 0, 100, 100);
    timers.advance(1000);
    EXPECT_EQ(takeFrames(), (std::vector<int>{1, 2, 1, 0, 1}));

    editor.imgCheese_MouseUp(kLeftButton, 0, 100, 100);
    EXPECT_EQ(takeFrames(), std::vector<int>{0});
    EXPECT_EQ(animation.interval(AnimationTimer::Anime), 0);
    EXPECT_EQ(editor.AnimeTag(), 1);  // the counter is not reset

    timers.advance(1000);
    EXPECT_EQ(takeFrames(), std::vector<int>{}) << "the stopped timer shows nothing";
}

TEST_F(AnimationTest, TheNextHoldCarriesOnWhereTheLastStopped)
{
    holdCheese(1000);
    takeFrames();
    holdCheese(600);
    EXPECT_EQ(takeFrames(), (std::vector<int>{2, 1, 0, 0}));
    EXPECT_EQ(editor.AnimeTag(), 0);
}

TEST_F(AnimationTest, AnyMouseButtonDrivesTheHotSpot)
{
    for (const int button : {kRightButton, kMiddleButton}) {
        holdCheese(400, button);
        EXPECT_EQ(takeFrames().size(), 3u) << "two frames and the rest frame, button " << button;
    }
}

TEST_F(AnimationTest, AShortPressShowsOnlyTheRestFrame)
{
    holdCheese(199);
    EXPECT_EQ(takeFrames(), std::vector<int>{0});
    EXPECT_EQ(editor.AnimeTag(), 0);
}

TEST_F(AnimationTest, TheClickedPictureFallsOutOfSightInTenTicksAndTheEleventhStopsIt)
{
    clickApple();
    timers.advance(50);
    EXPECT_EQ(animation.fallTop(), 7120);
    timers.advance(400);
    EXPECT_EQ(animation.fallTop(), 7920) << "nine steps: the top edge of the picture at the window's bottom";
    timers.advance(50);
    EXPECT_EQ(animation.fallTop(), 8020);
    EXPECT_EQ(animation.interval(AnimationTimer::Fall), 50) << "still running after ten ticks";
    timers.advance(50);
    EXPECT_EQ(animation.fallTop(), 8020);
    EXPECT_EQ(animation.interval(AnimationTimer::Fall), 0) << "the eleventh tick stops the timer";
}

TEST_F(AnimationTest, AClickAfterTheFallMovesNothing)
{
    clickApple();
    timers.advance(1000);
    clickApple();
    timers.advance(1000);
    EXPECT_EQ(animation.fallTop(), 8020);
    EXPECT_EQ(animation.interval(AnimationTimer::Fall), 0);
}

TEST_F(AnimationTest, ADoubleClickLetsThePictureFallAgainFromTheStart)
{
    clickApple();
    timers.advance(1000);
    doubleClickApple();
    EXPECT_EQ(animation.fallTop(), 7020);
    timers.advance(500);
    EXPECT_EQ(animation.fallTop(), 8020);
    timers.advance(50);
    EXPECT_EQ(animation.interval(AnimationTimer::Fall), 0);
}

TEST_F(AnimationTest, ADoubleClickDuringTheFallStartsItOverFromTheTop)
{
    clickApple();
    timers.advance(250);
    EXPECT_EQ(animation.fallTop(), 7520);
    doubleClickApple();
    timers.advance(250);
    EXPECT_EQ(animation.fallTop(), 7520);
    timers.advance(250);
    EXPECT_EQ(animation.fallTop(), 8020);
}

} // namespace
} // namespace tw::test
