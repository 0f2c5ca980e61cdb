// SetCommandStates: twelve commands enabled, disabled or left alone.

#include "support/editor_fixture.h"

namespace tw::test {
namespace {

constexpr CommandSettings kAll(Setting s) { return {s, s, s, s, s, s, s, s, s, s, s, s}; }

constexpr const char* kEverything = "Insert Delete Copy Paste Play Tempo Send Open Save Exit New Undo";

TEST_F(EditorFixture, EachValueEnablesDisablesOrKeepsItsOwnCommand)
{
    editor.SetCommandStates(kAll(On));
    EXPECT_EQ(commandStates(), kEverything);

    editor.SetCommandStates(CommandSettings{Off, Keep, Off, Keep, Off, Off, Keep, Off, Keep, Off, Keep, Off});
    EXPECT_EQ(commandStates(), "Delete Paste Send Save New");

    controls.clearPictureLog();
    editor.SetCommandStates(kAll(Keep));
    EXPECT_EQ(commandStates(), "Delete Paste Send Save New");
    EXPECT_TRUE(controls.pictureLog().empty());

    editor.SetCommandStates(Off, On, Off, On, On, On, Off, On, Off, On, Off, On);
    EXPECT_EQ(commandStates(), "Delete Paste Play Tempo Open Exit Undo");
}

TEST_F(SilentEditorFixture, WithoutMidiPlayStaysDisabledWhateverTheCallerAsks)
{
    editor.SetCommandStates(kAll(On));
    EXPECT_EQ(commandStates(), "Insert Delete Copy Paste Tempo Send Open Save Exit New Undo");

    // Even "leave unchanged" disables it.
    controls.setToolEnabled(ToolImage::Play, true);
    controls.showToolPicture(ToolImage::Play, PictureStore::Play, Look::Normal);
    editor.SetCommandStates(kAll(Keep));
    EXPECT_FALSE(controls.isToolEnabled(ToolImage::Play));
    EXPECT_EQ(controls.toolPicture(ToolImage::Play), (ShownPicture{PictureStore::Play, Look::Disabled}));
    EXPECT_EQ(commandStates(), "Insert Delete Copy Paste Tempo Send Open Save Exit New Undo");
}

} // namespace
} // namespace tw::test
