// Insert puts an empty row at the current row; Delete removes the selected block.

#include "edit_fixture.h"

#include "codecs/score/row_text.h"

namespace tw::test {
namespace {

const Message kInsertLimit{QStringLiteral("500行を超えるので、挿入することが出来ません。"),
                           MessageIcon::Error, MessageButtons::Ok};

// ---- Insert -------------------------------------------------------------------

class InsertTest : public EditTableTest {};

TEST_P(InsertTest, EndsInTheExpectedState) { runCase(); }

const EditCase kInsertCases[] = {
    {"AtRowOneOfThree", {A, B, C},
     [](EditTest& t) { t.click(1); t.run(Edit::Insert); },
     expectState({0, A, B, C}, 1, {1}, false, "Insert Delete Copy Tempo Open Save Exit New Undo")},
    {"OnTheEndLine", {A, B, C},
     [](EditTest& t) { t.click(4); t.run(Edit::Insert); },
     expectState({A, B, C, 0}, 4, {4}, false, "Insert Tempo Open Save Exit New Undo")},
    {"With499RowsGives500", melody(499),
     [](EditTest& t) { t.click(500); t.run(Edit::Insert); },
     expectState(melody(499) + std::vector<RowCode>{0}, 500, {500}, false,
                 "Insert Tempo Open Save Exit New Undo")},
    // Right after start-up nothing is selected, but row 1 is current.
    {"IntoAnEmptyScore", {},
     [](EditTest& t) { t.run(Edit::Insert); },
     expectState({0}, 1, {1}, false, "Insert Tempo Open Save Exit New Undo")},
};

INSTANTIATE_TEST_SUITE_P(, InsertTest, ::testing::ValuesIn(kInsertCases), caseName);

TEST_F(EditTest, InsertWith500RowsIsRefusedAndTakesNoSnapshot)
{
    loadRows(melody(499));
    click(500);
    run(Edit::Insert);
    EditState expected = state();
    const auto snapshot = editor.UndoData();

    run(Edit::Insert);

    expected.messages.push_back(kInsertLimit);
    EXPECT_EQ(state(), expected);
    EXPECT_EQ(editor.UndoData(), snapshot);

    // The snapshot is still the one of the first Insert.
    run(Edit::Undo);
    EXPECT_EQ(rows(), melody(499));
}

// ---- Delete -------------------------------------------------------------------

class DeleteTest : public EditTableTest {};

TEST_P(DeleteTest, EndsInTheExpectedState) { runCase(); }

const EditCase kDeleteCases[] = {
    {"RowsTwoToFourOfSix", kSixRows,
     [](EditTest& t) { t.select(2, 4); t.run(Edit::Delete); },
     expectState({A, E, F}, 2, {2}, false, kAfterEdit)},
    {"ABlockEndingAtTheLastRow", kSixRows,
     [](EditTest& t) { t.select(5, 6); t.run(Edit::Delete); },
     expectState({A, B, C, D}, 5, {5}, false, kAfterEdit)},
    // The lone end line cannot be selected by moving the caret, so nothing is.
    {"EveryRow", kSixRows,
     [](EditTest& t) { t.select(1, 6); t.run(Edit::Delete); },
     expectState({}, 1, {}, false, "Insert Tempo Send Open Save Exit New Undo")},
    // Selected from the end line up to row 5: the block counts as row 5 alone.
    {"ABlockRunningOntoTheEndLine", kSixRows,
     [](EditTest& t) { t.select(7, 5); t.run(Edit::Delete); },
     expectState({A, B, C, D, F}, 5, {5}, false, kAfterEdit)},
    // The first Delete leaves the end line selected; a block starting there is no row.
    {"AgainWithTheEndLineSelected", kSixRows,
     [](EditTest& t) { t.select(5, 6); t.run(Edit::Delete); t.run(Edit::Delete); },
     expectState({A, B, C, D}, 5, {5}, false, kAfterEdit)},
};

INSTANTIATE_TEST_SUITE_P(, DeleteTest, ::testing::ValuesIn(kDeleteCases), caseName);

// A pending row: row 5 (empty) gets a key and no length.
class DeletePendingTest : public EditTest {
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        loadRows(kSixRows);
        click(5);
        key(17);
    }
};

TEST_F(DeletePendingTest, TheSelectedPendingRowGoesAndItsEntryEnds)
{
    run(Edit::Delete);

    EXPECT_EQ(state(), expectState({A, B, C, D, F}, 5, {5}, false, kAfterEdit));
    EXPECT_EQ(controls.pressedKeys(), std::vector<int>{});
    EXPECT_EQ(editor.CurKey(), kNoKey);
}

TEST_F(DeletePendingTest, ARowTheArrowKeysMovedToGoesAndThePendingCodeStays)
{
    arrowDown();

    run(Edit::Delete);

    EditState expected = expectState({A, B, C, D, kPendingRow}, 6, {6}, false, kAfterEdit);
    // Shown as it was while pending: the key, no length.
    expected.texts[4] = composeRowText(5, {text(OctaveMarks[1]), text(PitchNames[5]), {}});
    EXPECT_EQ(state(), expected);
    EXPECT_EQ(controls.pressedKeys(), std::vector<int>{});
}

// A pending row on the end line holds its code past the last row.
class DeletePendingEndLineTest : public EditTest {
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        loadRows(kSixRows);
        click(7);
        key(17);
    }
};

TEST_F(DeletePendingEndLineTest, SelectedItDoesNothingAndTheEntryGoesOn)
{
    const EditState before = state();
    ASSERT_EQ(before.codesPastEnd, std::vector<int>{7});

    run(Edit::Delete);

    EXPECT_EQ(state(), before);
    EXPECT_EQ(controls.pressedKeys(), std::vector<int>{17});
}

TEST_F(DeletePendingEndLineTest, ARowAboveItGoesAndTheEndedEntryLeavesNoCodeBehind)
{
    arrowUp();

    run(Edit::Delete);

    // The new end line is clear, so a later Insert there adds an empty row.
    EXPECT_EQ(state(), expectState({A, B, C, D, E}, 6, {6}, false, kAfterEdit));
    run(Edit::Insert);
    EXPECT_EQ(rows(), (std::vector<RowCode>{A, B, C, D, E, 0}));
}

} // namespace
} // namespace tw::test
