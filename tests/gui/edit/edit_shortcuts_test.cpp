// The row edits in the real window, offscreen: their shortcuts reach the
// commands while the score list has the focus, and a block selected with the
// mouse in the real list is the block the commands act on. What the commands
// do is proven through the fakes; here only the wiring counts.

#include "core/editor/editor.h"
#include "gui/main_window.h"
#include "gui/shell/main_window_fixture.h"
#include "gui/score_list_widget.h"
#include "support/printers.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace tw::gui {
namespace {

//! One application for the whole run, never destroyed: at exit the input
//! devices that the key and mouse clicks created would go before it.
QApplication& application()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "edit_gui_test";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

class EditShortcutsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(loadAndActivate(window));
        // Three notes; the end line, row 4, is current.
        for (const auto& [key, length] : {std::pair{12, 3}, {14, 5}, {16, 7}}) {
            editor().imgKey_MouseUp(key, kLeftButton);
            editor().imgLen_MouseUp(length, kLeftButton);
        }
    }

    Editor& editor() { return window.editor(); }
    ScoreListWidget& list() const { return *window.widgets().lstScore; }

    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QListWidgetItem* item = list().item(row - 1);
        list().scrollToItem(item);
        QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers, list().visualItemRect(item).center());
    }

    void press(QKeyCombination keys)
    {
        ASSERT_EQ(QApplication::focusWidget(), &list());
        QTest::keyClick(&list(), keys.key(), keys.keyboardModifiers());
    }

    std::vector<RowCode> rows()
    {
        return codesOf(std::span(editor().ScoreData()).subspan(1, std::size_t(editor().EndRow() - 1)));
    }

    QApplication& app = application();
    MainWindow window{fakeServices()};
};

TEST_F(EditShortcutsTest, AShiftClickBlockIsTheSelectedRange)
{
    clickRow(1);
    clickRow(3, Qt::ShiftModifier);
    EXPECT_EQ(editor().GetSelectedRange(), (SelectedRange{1, 3}));
    EXPECT_EQ(editor().CurrentRow(), 1);

    // Selected from the end line up, the block counts as its first row alone.
    clickRow(4);
    clickRow(2, Qt::ShiftModifier);
    EXPECT_EQ(editor().GetSelectedRange(), (SelectedRange{2, 2}));
}

TEST_F(EditShortcutsTest, TheShortcutsRunTheEditCommands)
{
    clickRow(1);
    press(Qt::CTRL | Qt::Key_I);
    EXPECT_EQ(rows(), (std::vector<RowCode>{0, 123, 145, 167})) << "Ctrl+I inserts";

    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(rows(), (std::vector<RowCode>{123, 145, 167})) << "Ctrl+Z undoes";

    clickRow(1);
    clickRow(2, Qt::ShiftModifier);
    press(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(editor().CopyCount(), 2) << "Ctrl+C copies";

    clickRow(4);
    press(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(rows(), (std::vector<RowCode>{123, 145, 167, 123, 145})) << "Ctrl+V pastes";

    clickRow(2);
    press(QKeyCombination(Qt::Key_Delete));
    EXPECT_EQ(rows(), (std::vector<RowCode>{123, 167, 123, 145})) << "Del deletes";
}

} // namespace
} // namespace tw::gui
