// The toolbar's press and release protocol, shown on New and Exit, whose
// commands belong to the same window.

#include "support/editor_fixture.h"

namespace tw::test {
namespace {

using Log = std::vector<std::pair<ToolImage, ShownPicture>>;

const ShownPicture kNewPressed{PictureStore::New, Look::Pressed};
const ShownPicture kNewNormal{PictureStore::New, Look::Normal};

class ToolbarTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        controls.setToolImageSize({600, 450});
        loadRows({123, 994});  // saved, so New clears without asking
    }
    bool newRan() const { return editor.EndRow() == 1; }
};

struct Release {
    const char* name;
    double x;
    double y;
    bool inside;
};

// The image is 600 x 450 twips; its edges count as inside.
const Release kReleases[] = {
    {"TopLeftCorner", 0, 0, true},
    {"BottomRightCorner", 600, 450, true},
    {"Middle", 300, 200, true},
    {"LeftOfIt", -1, 200, false},
    {"RightOfIt", 600.5, 200, false},
    {"AboveIt", 300, -0.5, false},
    {"BelowIt", 300, 451, false},
};

class ReleaseTest : public ToolbarTest, public ::testing::WithParamInterface<Release> {};

TEST_P(ReleaseTest, TheCommandRunsOnlyWhenReleasedOverTheImage)
{
    editor.imgNew_MouseDown(kLeftButton, 0, 300, 200);
    EXPECT_EQ(controls.toolPicture(ToolImage::New), kNewPressed);
    EXPECT_FALSE(newRan());

    editor.imgNew_MouseUp(kLeftButton, 0, GetParam().x, GetParam().y);

    EXPECT_EQ(controls.pictureLog().front(), std::pair(ToolImage::New, kNewPressed));
    EXPECT_EQ(controls.pictureLog()[1], std::pair(ToolImage::New, kNewNormal));
    EXPECT_EQ(newRan(), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(, ReleaseTest, ::testing::ValuesIn(kReleases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ToolbarTest, TheRightButtonDoesNothing)
{
    editor.imgNew_MouseDown(kRightButton, 0, 300, 200);
    editor.imgNew_MouseUp(kRightButton, 0, 300, 200);
    editor.imgEnd_MouseDown(kRightButton, 0, 300, 200);
    editor.imgEnd_MouseUp(kRightButton, 0, 300, 200);

    EXPECT_EQ(controls.pictureLog(), Log{});
    EXPECT_FALSE(newRan());
    EXPECT_EQ(controls.endApplicationCount(), 0);
}

TEST_F(ToolbarTest, TheMiddleButtonActsAsTheLeftOneAndShiftIsIgnored)
{
    editor.imgNew_MouseDown(kMiddleButton, 1, 300, 200);
    editor.imgNew_MouseUp(kMiddleButton, 7, 300, 200);

    ASSERT_GE(controls.pictureLog().size(), 2u);
    EXPECT_EQ(Log(controls.pictureLog().begin(), controls.pictureLog().begin() + 2),
              (Log{{ToolImage::New, kNewPressed}, {ToolImage::New, kNewNormal}}));
    EXPECT_TRUE(newRan());
}

TEST_F(ToolbarTest, ExitRunsTheClosingProcedureAndAStayingAnswerKeepsTheWindow)
{
    document().Saved = false;
    messages.answerNext(MessageAnswer::Cancel);
    editor.imgEnd_MouseDown(kLeftButton, 0, 10, 10);
    editor.imgEnd_MouseUp(kLeftButton, 0, 10, 10);
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(controls.endApplicationCount(), 0);

    editor.imgEnd_MouseUp(kLeftButton, 0, 10, 10);
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(controls.endApplicationCount(), 1);
}

TEST_F(ToolbarTest, AMenuEntryRunsItsCommandWhereverThePointerIs)
{
    // A menu entry releases at (1, 1); the image is never pressed.
    controls.setToolImageSize({1, 1});
    editor.mnuEnd_Click();

    EXPECT_EQ(controls.pictureLog(), (Log{{ToolImage::End, {PictureStore::End, Look::Normal}}}));
    EXPECT_EQ(controls.endApplicationCount(), 1);
}

} // namespace
} // namespace tw::test
