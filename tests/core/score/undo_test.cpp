// Undo takes back the last Insert, Delete or Paste: the rows and their count only.

#include "edit_fixture.h"

namespace tw::test {
namespace {

// Undo's own states: Insert on, Delete and Copy as they were, Paste and Undo off.
constexpr const char* kAfterUndo = "Insert Delete Copy Play Tempo Send Open Save Exit New";

class UndoTest : public EditTableTest {};

TEST_P(UndoTest, EndsInTheExpectedState) { runCase(); }

const EditCase kUndoCases[] = {
    {"AfterInsertAtRowTwoOfFive", {A, B, C, D, F},
     [](EditTest& t) { t.click(2); t.run(Edit::Insert); t.run(Edit::Undo); },
     expectState({A, B, C, D, F}, 2, {2}, false, kAfterUndo)},
    {"AfterDeleteOfEveryRow", kSixRows,
     [](EditTest& t) { t.select(1, 6); t.run(Edit::Delete); t.run(Edit::Undo); },
     expectState(kSixRows, 1, {1}, false, "Insert Play Tempo Send Open Save Exit New")},
    {"AfterPasteAtTheEndLine", kSixRows,
     [](EditTest& t) {
         t.select(2, 4);
         t.run(Edit::Copy);
         t.click(7);
         t.run(Edit::Paste);
         t.run(Edit::Undo);
     },
     expectState(kSixRows, 7, {7}, false, kAfterUndo)},
    // The pending code stood on the end line when Delete took its snapshot; the
    // entry ended with the Delete, so the code does not come back.
    {"AfterDeleteAboveAPendingEndLine", kSixRows,
     [](EditTest& t) {
         t.click(7);
         t.key(17);
         t.arrowUp();
         t.run(Edit::Delete);
         t.run(Edit::Undo);
     },
     expectState(kSixRows, 6, {6}, false, kAfterUndo)},
};

INSTANTIATE_TEST_SUITE_P(, UndoTest, ::testing::ValuesIn(kUndoCases), caseName);

TEST_F(EditTest, ASecondUndoIsImpossible)
{
    loadRows(kSixRows);
    select(2, 3);
    run(Edit::Delete);
    run(Edit::Undo);
    const EditState afterUndo = state();
    EXPECT_EQ(afterUndo.commands, kAfterUndo);
    EXPECT_EQ(editor.UndoData(), std::nullopt);

    // Even reached some other way, it finds nothing to take back. (The release
    // handler still shows the normal picture, which a disabled image never gets.)
    editor.mnuUndo_Click();
    EditState afterSecondUndo = state();
    afterSecondUndo.commands = afterUndo.commands;
    EXPECT_EQ(afterSecondUndo, afterUndo);
}

TEST_F(EditTest, UndoKeepsATitleChangedAfterTheEdit)
{
    loadRows(kSixRows);
    select(2, 4);
    run(Edit::Delete);
    typeTitle(QStringLiteral("春の歌"));

    run(Edit::Undo);

    EXPECT_EQ(rows(), kSixRows);
    EXPECT_EQ(controls.titleText(), QStringLiteral("春の歌"));
    EXPECT_FALSE(editor.Saved());
}

TEST_F(EditTest, UndoLeavesTheCopyBufferAndTheTempo)
{
    loadRows(kSixRows);
    select(5, 6);
    run(Edit::Copy);
    click(1);
    run(Edit::Paste);
    chooseTempo(4);

    run(Edit::Undo);

    EXPECT_EQ(rows(), kSixRows);
    EXPECT_EQ(editor.CopyCount(), 2);
    EXPECT_EQ(editor.CopyBuffer()[1].code, F);
    EXPECT_EQ(controls.tempoIndex(), 4);
}

TEST_F(EditTest, CopyAfterDeleteTurnsUndoOffThoughTheSnapshotIsKept)
{
    loadRows(kSixRows);
    select(2, 3);
    run(Edit::Delete);
    select(1, 2);

    run(Edit::Copy);

    EXPECT_EQ(state().commands, "Delete Copy Paste Play Tempo Send Open Save Exit New");
    ASSERT_TRUE(editor.UndoData().has_value());
    EXPECT_EQ(editor.UndoData()->row, 2);
}

TEST_F(EditTest, TheSnapshotKeepsTheRowsTheirCountAndTheRowToReturnTo)
{
    loadRows(kSixRows);
    click(3);

    run(Edit::Insert);

    ASSERT_TRUE(editor.UndoData().has_value());
    EXPECT_EQ(editor.UndoData()->endRow, 7);
    EXPECT_EQ(editor.UndoData()->rows[3].code, C);
    EXPECT_EQ(editor.UndoData()->row, 3);
    EXPECT_EQ(editor.ScoreData()[0].code, kEmptyRow) << "entry 0 is no row and holds nothing";
}

} // namespace
} // namespace tw::test
