// Copy keeps the codes of the selected block; Paste inserts them at the current row.

#include "edit_fixture.h"

namespace tw::test {
namespace {

const Message kCopyLimit{QStringLiteral("250行よりも多くコピーすることは出来ません"), MessageIcon::Error,
                         MessageButtons::Ok};
const Message kPasteLimit{QStringLiteral("貼り付け後に500行を超えるので、貼り付けできません。"),
                          MessageIcon::Error, MessageButtons::Ok};

class CopyPasteTest : public EditTableTest {};

TEST_P(CopyPasteTest, EndsInTheExpectedState) { runCase(); }

const EditCase kCopyPasteCases[] = {
    {"RowsTwoToFourAtTheEndLine", kSixRows,
     [](EditTest& t) { t.select(2, 4); t.run(Edit::Copy); t.click(7); t.run(Edit::Paste); },
     expectState(kSixRows + std::vector<RowCode>{B, C, D}, 7, {7}, false, kAfterPaste)},
    {"AtRowOne", kSixRows,
     [](EditTest& t) { t.select(2, 4); t.run(Edit::Copy); t.click(1); t.run(Edit::Paste); },
     expectState(std::vector<RowCode>{B, C, D} + kSixRows, 1, {1}, false, kAfterPaste)},
    {"TwiceInARow", kSixRows,
     [](EditTest& t) {
         t.select(2, 4);
         t.run(Edit::Copy);
         t.click(7);
         t.run(Edit::Paste);
         t.run(Edit::Paste);
     },
     expectState(kSixRows + std::vector<RowCode>{B, C, D, B, C, D}, 7, {7}, false, kAfterPaste)},
    {"EmptyRowsAsEmptyRows", kSixRows,
     [](EditTest& t) { t.select(5, 6); t.run(Edit::Copy); t.click(1); t.run(Edit::Paste); },
     expectState(std::vector<RowCode>{E, F} + kSixRows, 1, {1}, false, kAfterPaste)},
    // Selected from the end line up to row 5: the block counts as row 5 alone.
    {"ABlockRunningOntoTheEndLineCopiesItsFirstRow", kSixRows,
     [](EditTest& t) { t.select(7, 5); t.run(Edit::Copy); t.click(1); t.run(Edit::Paste); },
     expectState(std::vector<RowCode>{E} + kSixRows, 1, {1}, false, kAfterPaste)},
    {"Exactly250RowsReachingExactly500", melody(250),
     [](EditTest& t) { t.select(1, 250); t.run(Edit::Copy); t.click(251); t.run(Edit::Paste); },
     expectState(melody(250) + melody(250), 251, {251}, false, kAfterPaste)},
    {"OneRowMoreThan500IsRefused", melody(499),
     [](EditTest& t) { t.select(1, 2); t.run(Edit::Copy); t.click(500); t.run(Edit::Paste); },
     expectState(melody(499), 500, {500}, true, "Insert Paste Tempo Open Exit New", {kPasteLimit})},
    {"CopyLeavesSavedAndTheSelectionAlone", kSixRows,
     [](EditTest& t) { t.select(2, 4); t.run(Edit::Copy); },
     expectState(kSixRows, 2, {2, 3, 4}, true, "Delete Copy Paste Tempo Open Exit New")},
    {"CopyAfterAnEditTurnsUndoOff", kSixRows,
     [](EditTest& t) { t.click(1); t.run(Edit::Insert); t.select(3, 5); t.run(Edit::Copy); },
     expectState(std::vector<RowCode>{0} + kSixRows, 3, {3, 4, 5}, false,
                 "Delete Copy Paste Tempo Open Save Exit New")},
};

INSTANTIATE_TEST_SUITE_P(, CopyPasteTest, ::testing::ValuesIn(kCopyPasteCases), caseName);

TEST_F(EditTest, CopyOf251RowsIsRefusedAndTheEarlierCopyStillPastes)
{
    const std::vector<RowCode> score = melody(260);
    loadRows(score);
    select(3, 4);
    run(Edit::Copy);
    select(1, 251);
    EditState expected = state();

    run(Edit::Copy);

    expected.messages.push_back(kCopyLimit);
    EXPECT_EQ(state(), expected);
    EXPECT_EQ(editor.CopyCount(), 2);

    click(261);
    run(Edit::Paste);
    EXPECT_EQ(rows(), (score + std::vector<RowCode>{score[2], score[3]}));
}

TEST_F(EditTest, AfterNewPasteIsOffWithTheBufferKeptAndANewCopyPastes)
{
    loadRows(kSixRows);
    select(2, 4);
    run(Edit::Copy);

    editor.mnuNew_Click();

    EXPECT_EQ(commandStates(), kStartUpStates);
    ASSERT_EQ(editor.CopyCount(), 3);
    EXPECT_EQ(editor.CopyBuffer()[0].code, B);
    EXPECT_EQ(editor.CopyBuffer()[2].code, D);

    enterNote(12, 3);
    enterNote(14, 5);
    click(1);
    run(Edit::Copy);
    click(3);
    run(Edit::Paste);
    EXPECT_EQ(state(), expectState({123, 145, 123}, 3, {3}, false, kAfterPaste));
}

} // namespace
} // namespace tw::test
