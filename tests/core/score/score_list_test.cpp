// The list operations: row texts, selecting a row, the selected range.

#include "support/editor_fixture.h"

namespace tw::test {
namespace {

QString row(int number, const QString& fields)
{
    return QStringLiteral(" %1  ").arg(number, 3, 10, QLatin1Char('0')) + fields + QStringLiteral("\r\n");
}

const QString kEightBlanks = QStringLiteral("        ");
const QString kRestMark = QStringLiteral("   ");

TEST_F(EditorFixture, RebuildShowsEveryRowAndTheBlankEndLine)
{
    loadRows({50, 0, 994});

    EXPECT_EQ(list.texts(),
              (QStringList{row(1, QStringLiteral("↓ ファ　    16分音符")),
                           row(2, u' ' + kEightBlanks + u' '),
                           row(3, kRestMark + u' ' + kEightBlanks + u' ' + QStringLiteral("  全休符")),
                           QString()}));
}

TEST_F(EditorFixture, PutRowTextReplacesARowOrAppendsAfterTheLastItem)
{
    loadRows({50, 123});

    EXPECT_EQ(editor.PutRowText(1, QStringLiteral("↑"), QStringLiteral("ド　　"), QStringLiteral("     全音符")), 1);
    EXPECT_EQ(editor.PutRowText(3, {}, {}, {}), 3);
    EXPECT_EQ(editor.PutRowText(4, kRestMark, {}, QStringLiteral(" 8分休符")), 4);

    EXPECT_EQ(list.texts(),
              (QStringList{row(1, QStringLiteral("↑ ド　　      全音符")),
                           row(2, QStringLiteral("　 ド　　     4分音符")),
                           row(3, u' ' + kEightBlanks + u' '),
                           row(4, kRestMark + u' ' + kEightBlanks + u' ' + QStringLiteral(" 8分休符"))}));
}

TEST_F(EditorFixture, SelectRowInTheMiddleSelectsThatRowAlone)
{
    loadRows({50, 123, 994, 70});
    list.shiftClickTo(0);

    editor.SelectRow(3);

    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{2});
    EXPECT_EQ(list.caretIndex(), 2);
    EXPECT_TRUE(list.hasFocus());
}

TEST_F(EditorFixture, SelectRowOnTheLastItemLeavesTheItemAboveSelected)
{
    loadRows({50, 123});

    editor.SelectRow(3);
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{1});

    // Hence its callers move down once more.
    list.moveCaretDown();
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{2});
}

struct RangeCase {
    const char* name;
    std::vector<int> selectedRows;
    SelectedRange expected;
};

// Five rows and the end line (row 6).
const RangeCase kRanges[] = {
    {"Nothing", {}, {0, 0}},
    {"OneRow", {2}, {2, 2}},
    {"Block", {3, 4, 5}, {3, 5}},
    {"BlockOntoTheEndLine", {3, 4, 5, 6}, {3, 3}},
    {"EndLineAlone", {6}, {6, 6}},
    {"FirstOfTwoBlocks", {1, 2, 4, 5}, {1, 2}},
};

class RangeTest : public EditorFixture, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeTest, GetSelectedRangeGivesTheFirstBlock)
{
    loadRows({50, 123, 994, 70, 0});
    list.ctrlClick(5);  // deselects the end line
    for (int r : GetParam().selectedRows)
        list.ctrlClick(r - 1);

    EXPECT_EQ(editor.GetSelectedRange(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(, RangeTest, ::testing::ValuesIn(kRanges),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw::test
