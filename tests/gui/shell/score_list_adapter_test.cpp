// The score list adapter over the real list widget must behave as the fake
// that the editor's tests use: the same steps leave the same caret and the
// same selected items.

#include "gui/score_list_adapter.h"
#include "gui/score_list_widget.h"
#include "support/fake_score_list.h"

#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw::gui {
namespace {

enum class Op {
    Insert, Remove, Clear, SetCaret, Down, Up,          // what the editor does
    Click, ShiftClick, CtrlClick, ArrowDown, ArrowUp, Type  // what the user does
};

struct Step {
    Op op;
    int index = 0;
};

struct Scenario {
    const char* name;
    int items;  //!< items inserted before the steps
    std::vector<Step> steps;
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

//! What both lists must agree on after every step.
struct ListState {
    int count;
    int caret;
    std::vector<int> selected;
    friend bool operator==(const ListState&, const ListState&) = default;
};

void PrintTo(const ListState& s, std::ostream* os)
{
    *os << "count " << s.count << ", caret " << s.caret << ", selected {";
    for (int i : s.selected)
        *os << ' ' << i;
    *os << " }";
}

ListState stateOf(const ScoreListPort& list)
{
    ListState state{list.count(), list.caretIndex(), {}};
    for (int i = 0; i < list.count(); ++i)
        if (list.isSelected(i))
            state.selected.push_back(i);
    return state;
}

QString itemText(int i) { return QStringLiteral(" %1  row\r\n").arg(i, 3, 10, QLatin1Char('0')); }

class ScoreListAdapterTest : public ::testing::TestWithParam<Scenario> {
protected:
    void SetUp() override
    {
        widget.resize(240, 400);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    }

    void click(int index, Qt::KeyboardModifiers modifiers)
    {
        QListWidgetItem* item = widget.item(index);
        widget.scrollToItem(item);
        QTest::mouseClick(widget.viewport(), Qt::LeftButton, modifiers,
                          widget.visualItemRect(item).center());
    }

    void apply(const Step& step)
    {
        switch (step.op) {
        case Op::Insert:
            fake.insertItem(step.index, itemText(step.index));
            adapter.insertItem(step.index, itemText(step.index));
            break;
        case Op::Remove:
            fake.removeItem(step.index);
            adapter.removeItem(step.index);
            break;
        case Op::Clear:
            fake.clear();
            adapter.clear();
            break;
        case Op::SetCaret:
            fake.setCaretIndex(step.index);
            adapter.setCaretIndex(step.index);
            break;
        case Op::Down:
            fake.moveCaretDown();
            adapter.moveCaretDown();
            break;
        case Op::Up:
            fake.moveCaretUp();
            adapter.moveCaretUp();
            break;
        case Op::Click:
            fake.click(step.index);
            click(step.index, Qt::NoModifier);
            break;
        case Op::ShiftClick:
            fake.shiftClickTo(step.index);
            click(step.index, Qt::ShiftModifier);
            break;
        case Op::CtrlClick:
            fake.ctrlClick(step.index);
            click(step.index, Qt::ControlModifier);
            break;
        case Op::ArrowDown:
            fake.arrowDown();
            QTest::keyClick(&widget, Qt::Key_Down);
            break;
        case Op::ArrowUp:
            fake.arrowUp();
            QTest::keyClick(&widget, Qt::Key_Up);
            break;
        case Op::Type:
            // Typed characters, the blank among them, do nothing at all.
            QTest::keyClicks(&widget, QStringLiteral("0 1a"));
            break;
        }
    }

    test::FakeScoreList fake;
    ScoreListWidget widget;
    ScoreListAdapter adapter{widget};
};

TEST_P(ScoreListAdapterTest, AgreesWithTheFakeAfterEveryStep)
{
    const Scenario& scenario = GetParam();
    for (int i = 0; i < scenario.items; ++i)
        apply({Op::Insert, i});
    ASSERT_EQ(stateOf(adapter), stateOf(fake)) << "after filling";
    for (std::size_t n = 0; n < scenario.steps.size(); ++n) {
        apply(scenario.steps[n]);
        ASSERT_EQ(stateOf(adapter), stateOf(fake)) << "after step " << n;
    }
    for (int i = 0; i < fake.count(); ++i)
        EXPECT_EQ(adapter.itemText(i), fake.itemText(i));
}

const Scenario Scenarios[]{
    {"CaretMovesSelectOnlyTheCaretItem", 5,
     {{Op::Click, 1}, {Op::ShiftClick, 3}, {Op::Down}, {Op::Up}, {Op::Up}}},
    // Right after a control-click the editor moves the caret while the key is
    // still held; the move must not toggle or extend the selection.
    {"CaretMovesRightAfterAControlClick", 5,
     {{Op::Click, 0}, {Op::CtrlClick, 2}, {Op::Down}, {Op::CtrlClick, 1}, {Op::Up}}},
    {"SelectRowOnTheLastItemLeavesTheOneAboveSelected", 3,
     {{Op::SetCaret, 2}, {Op::Down}, {Op::Up}, {Op::Down}}},
    {"NoMovePastTheFirstItem", 3, {{Op::Click, 0}, {Op::Up}, {Op::SetCaret, 0}, {Op::Up}}},
    {"WithoutACaretTheFirstMoveLandsOnTheFirstItem", 3, {{Op::Up}, {Op::Clear}, {Op::Insert, 0}, {Op::Down}}},
    {"SettingTheCaretKeepsTheSelection", 5, {{Op::Click, 0}, {Op::SetCaret, 3}, {Op::Down}}},
    {"SelectionAndCaretFollowInsertsAndRemovals", 5,
     {{Op::Click, 2}, {Op::Insert, 0}, {Op::Remove, 0}, {Op::Insert, 4}, {Op::Remove, 2}, {Op::Click, 0},
      {Op::Remove, 0}, {Op::Clear}}},
    {"UserSelectionsAndArrowKeys", 6,
     {{Op::Click, 4}, {Op::ShiftClick, 1}, {Op::CtrlClick, 5}, {Op::CtrlClick, 2}, {Op::ArrowDown},
      {Op::ShiftClick, 5}, {Op::ArrowUp}, {Op::ArrowUp}}},
    {"TypedCharactersDoNothing", 12, {{Op::Click, 3}, {Op::Type}, {Op::ShiftClick, 5}, {Op::Type}}},
};

INSTANTIATE_TEST_SUITE_P(Steps, ScoreListAdapterTest, ::testing::ValuesIn(Scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw::gui
