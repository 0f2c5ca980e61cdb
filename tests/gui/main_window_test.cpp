// The main window's wiring: mouse and keyboard events reach the editor's
// handlers, and the close control runs the closing procedure. The document
// logic itself is proven by the editor's own tests.

#include "score/row_text.h"
#include "shell/editor.h"
#include "shell/gui/main_window.h"
#include "shell/gui/picture_button.h"
#include "shell/gui/score_list_widget.h"
#include "support/fake_dialogs.h"
#include "support/fake_help.h"
#include "support/fake_transfer.h"
#include "support/printers.h"
#include "support/recording_midi.h"
#include "support/scripted_message_box.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace tw::gui {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.load();
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    MainWindow::Services services()
    {
        auto scripted = std::make_unique<test::ScriptedMessageBox>();
        messages = scripted.get();
        MainWindow::Services s;
        s.midi = std::make_unique<test::RecordingMidi>();
        s.messages = std::move(scripted);
        s.dialogs = std::make_unique<test::FakeDialogs>();
        s.transfer = std::make_unique<test::FakeTransfer>();
        s.help = std::make_unique<test::FakeHelp>();
        return s;
    }

    template <typename Widget = PictureButton>
    Widget* control(const QString& name) const
    {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    void clickWith(Qt::MouseButton button, const QString& name)
    {
        PictureButton* target = control(name);
        QTest::mousePress(target, button);
        QTest::mouseRelease(target, button);
    }

    QStringList listTexts() const
    {
        QStringList texts;
        auto* list = window.widgets().lstScore;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    test::ScriptedMessageBox* messages = nullptr;
    MainWindow window{services()};
};

TEST_F(MainWindowTest, PressingAndReleasingAKeyAndALengthWritesARow)
{
    clickWith(Qt::RightButton, QStringLiteral("imgKey_12"));
    EXPECT_EQ(listTexts(), QStringList{QString()}) << "the right button does nothing";

    clickWith(Qt::LeftButton, QStringLiteral("imgKey_12"));
    EXPECT_EQ(listTexts(), QStringList{composeRowText(1, {text(OctaveMarks[1]), text(PitchNames[0]), {}})})
        << "the key alone leaves the row pending";

    clickWith(Qt::LeftButton, QStringLiteral("imgLen_3"));
    EXPECT_EQ(listTexts(), (QStringList{composeRowText(1, fieldsForCode(123)), QString()}));
    EXPECT_EQ(window.widgets().lstScore->selectedItems(),
              QList<QListWidgetItem*>{window.widgets().lstScore->item(1)});
}

struct ShortcutCase {
    const char* action;
    QKeyCombination keys;
};

TEST_F(MainWindowTest, MenuShortcutsReachTheirEntriesWhileTheListHasFocus)
{
    const ShortcutCase cases[]{
        {"mnuNew", Qt::CTRL | Qt::Key_N},   {"mnuOpen", Qt::CTRL | Qt::Key_O},
        {"mnuSave", Qt::CTRL | Qt::Key_S},  {"mnuCopy", Qt::CTRL | Qt::Key_C},
        {"mnuPaste", Qt::CTRL | Qt::Key_V}, {"mnuInsert", Qt::CTRL | Qt::Key_I},
        {"mnuDel", QKeyCombination(Qt::Key_Delete)}, {"mnuUndo", Qt::CTRL | Qt::Key_Z},
    };
    ScoreListWidget* list = window.widgets().lstScore;
    for (const ShortcutCase& c : cases) {
        auto* action = window.findChild<QAction*>(QLatin1String(c.action));
        ASSERT_NE(action, nullptr) << c.action;
        // Whatever the last command left disabled, the shortcut is tried enabled.
        action->setEnabled(true);
        list->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), list);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keyClick(list, c.keys.key(), c.keys.keyboardModifiers());
        EXPECT_EQ(triggered.count(), 1) << c.action;
    }
}

TEST_F(MainWindowTest, TheNewShortcutRunsTheNewCommand)
{
    clickWith(Qt::LeftButton, QStringLiteral("imgKey_12"));
    clickWith(Qt::LeftButton, QStringLiteral("imgLen_3"));
    messages->answerNext(MessageAnswer::Cancel);

    QTest::keyClick(window.widgets().lstScore, Qt::Key_N, Qt::ControlModifier);

    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text, QStringLiteral("編集中のデータが初期化されます。よろしいですか？"));
    EXPECT_EQ(window.widgets().lstScore->count(), 2) << "Cancel keeps the row";
}

TEST_F(MainWindowTest, TheCloseControlRunsTheClosingProcedure)
{
    window.editor().Idle = false;
    EXPECT_FALSE(window.close()) << "refused while playing or sending";
    EXPECT_TRUE(messages->shown().empty());
    window.editor().Idle = true;

    clickWith(Qt::LeftButton, QStringLiteral("imgKey_12"));
    clickWith(Qt::LeftButton, QStringLiteral("imgLen_3"));
    messages->answerNext(MessageAnswer::Cancel);
    EXPECT_FALSE(window.close()) << "Cancel keeps the window";
    EXPECT_EQ(messages->texts(),
              QStringList{QStringLiteral("編集中のデータは保存されていません。\r\n終了してもよろしいですか？")});

    EXPECT_TRUE(window.close()) << "OK ends";
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace tw::gui
