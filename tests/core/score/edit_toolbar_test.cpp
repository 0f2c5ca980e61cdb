// The five edit images follow the toolbar's press and release protocol, their
// menu entries run the commands, and without a current row or a selection the
// commands do nothing.

#include "edit_fixture.h"

namespace tw::test {
namespace {

using Log = std::vector<std::pair<ToolImage, ShownPicture>>;

struct Tool {
    const char* name;
    Edit edit;
    ToolImage image;
    PictureStore store;
    //! Brings the score where the command changes something visible.
    void (*prepare)(EditTest&);
    friend void PrintTo(const Tool& tool, std::ostream* os) { *os << tool.name; }
};

const Tool kTools[] = {
    {"Insert", Edit::Insert, ToolImage::Insert, PictureStore::Insert, [](EditTest& t) { t.click(2); }},
    {"Delete", Edit::Delete, ToolImage::Del, PictureStore::Del, [](EditTest& t) { t.select(2, 4); }},
    {"Copy", Edit::Copy, ToolImage::Copy, PictureStore::Copy, [](EditTest& t) { t.select(2, 4); }},
    {"Paste", Edit::Paste, ToolImage::Paste, PictureStore::Paste,
     [](EditTest& t) { t.select(2, 4); t.run(Edit::Copy); t.click(7); }},
    {"Undo", Edit::Undo, ToolImage::Undo, PictureStore::Undo,
     [](EditTest& t) { t.click(2); t.run(Edit::Insert); }},
};

enum class Gesture { RightButton, ReleasedOutside, MiddleButton, MenuEntry };

struct GestureCase {
    const char* name;
    Gesture gesture;
    bool runs;
    friend void PrintTo(const GestureCase& c, std::ostream* os) { *os << c.name; }
};

const GestureCase kGestures[] = {
    {"RightButtonDoesNothing", Gesture::RightButton, false},
    {"ReleaseOutsideOnlyRestoresThePicture", Gesture::ReleasedOutside, false},
    {"MiddleButtonRuns", Gesture::MiddleButton, true},
    {"MenuEntryRuns", Gesture::MenuEntry, true},
};

class EditToolbarTest : public EditTest,
                        public ::testing::WithParamInterface<std::tuple<Tool, GestureCase>> {};

TEST_P(EditToolbarTest, RunsTheCommandOnlyWhenItShould)
{
    const auto& [tool, gesture] = GetParam();
    loadRows(kSixRows);
    tool.prepare(*this);
    const EditState before = state();
    controls.clearPictureLog();

    switch (gesture.gesture) {
    case Gesture::RightButton:
        press(tool.edit, kRightButton, 300, 200);
        release(tool.edit, kRightButton, 300, 200);
        break;
    case Gesture::ReleasedOutside:
        press(tool.edit, kLeftButton, 300, 200);
        release(tool.edit, kLeftButton, 300, 451);
        break;
    case Gesture::MiddleButton:
        press(tool.edit, kMiddleButton, 300, 200);
        release(tool.edit, kMiddleButton, 600, 450);
        break;
    case Gesture::MenuEntry:
        chooseMenuEntry(tool.edit);
        break;
    }

    // The first pictures shown; a command that runs shows its own states after them.
    const Log& log = controls.pictureLog();
    const auto first = [&log](std::size_t n) { return Log(log.begin(), log.begin() + std::min(log.size(), n)); };
    const std::pair pressed{tool.image, ShownPicture{tool.store, Look::Pressed}};
    const std::pair normal{tool.image, ShownPicture{tool.store, Look::Normal}};
    switch (gesture.gesture) {
    case Gesture::RightButton: EXPECT_EQ(log, Log{}); break;
    case Gesture::ReleasedOutside: EXPECT_EQ(log, (Log{pressed, normal})); break;
    case Gesture::MiddleButton: EXPECT_EQ(first(2), (Log{pressed, normal})); break;
    case Gesture::MenuEntry: EXPECT_EQ(first(1), Log{normal}); break;
    }
    if (gesture.runs)
        EXPECT_NE(state(), before);
    else
        EXPECT_EQ(state(), before);
}

INSTANTIATE_TEST_SUITE_P(, EditToolbarTest,
                         ::testing::Combine(::testing::ValuesIn(kTools), ::testing::ValuesIn(kGestures)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
                         });

// Without a selected block or a current row, an edit has nothing to act on.
// Entry 0 of the score holds the snapshot's row count and must never become a row.
class NoRowTest : public EditTest, public ::testing::WithParamInterface<Edit> {};

TEST_P(NoRowTest, TheCommandDoesNothingAndSaysNothing)
{
    loadRows(kSixRows);
    select(2, 3);
    run(Edit::Copy);
    click(2);
    run(Edit::Insert);  // entry 0 now holds 7
    // Nothing selected, and no current row.
    list.ctrlClick(1);
    document().CurrentRow = 0;
    const EditState before = state();
    const auto score = editor.ScoreData();
    const auto buffer = editor.CopyBuffer();
    const auto snapshot = editor.UndoData();

    run(GetParam());

    EXPECT_EQ(state(), before);
    EXPECT_EQ(editor.ScoreData(), score);
    EXPECT_EQ(editor.CopyBuffer(), buffer);
    EXPECT_EQ(editor.CopyCount(), 2);
    EXPECT_EQ(editor.UndoData(), snapshot);
}

std::string editName(const ::testing::TestParamInfo<Edit>& info)
{
    static const char* const kNames[] = {"Insert", "Delete", "Copy", "Paste", "Undo"};
    return kNames[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(, NoRowTest, ::testing::Values(Edit::Insert, Edit::Delete, Edit::Copy, Edit::Paste),
                         editName);

} // namespace
} // namespace tw::test
