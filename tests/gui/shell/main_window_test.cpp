// The main window's wiring: mouse and keyboard events reach the editor's
// handlers, and the close control runs the closing procedure. The document
// logic itself is proven by the editor's own tests.

#include "codecs/score/row_text.h"
#include "gui/score_list_widget.h"
#include "gui/shell/main_window_fixture.h"
#include "support/editor_probe.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <gtest/gtest.h>

namespace tw::gui {
namespace {

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

TEST_F(MainWindowTest, TheTitleBoxsContextMenuSpeaksJapanese)
{
    const std::unique_ptr<QMenu> menu(window.widgets().txtTitle->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();

    ASSERT_GE(texts.size(), 7);
    for (const char* english : {"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All"})
        EXPECT_FALSE(texts.contains(QLatin1String(english))) << english << " in " << texts.join(u'|').toStdString();
}

TEST_F(MainWindowTest, TheControlWithTheKeyboardFocusIsRingedPlainly)
{
    QWidget* client = window.widgets().client;
    auto* mark = client->findChild<QWidget*>(QStringLiteral("focusMark"));
    ASSERT_NE(mark, nullptr);
    QComboBox* tempo = window.widgets().cmbTempo;
    // Just left of the tempo box, in the middle of its height: wood, or the ring.
    const QPoint beside = tempo->geometry().topLeft() + QPoint(-2, tempo->height() / 2);
    const auto shade = [&] { return QColor(client->grab().toImage().pixel(beside)); };

    window.widgets().txtTitle->setFocus();
    QCoreApplication::processEvents();
    const QColor unfocused = shade();
    tempo->setFocus();
    QCoreApplication::processEvents();
    const QColor focused = shade();

    EXPECT_TRUE(mark->isVisible());
    EXPECT_TRUE(mark->geometry().contains(tempo->geometry()));
    const int distance = std::abs(focused.red() - unfocused.red()) + std::abs(focused.green() - unfocused.green())
                         + std::abs(focused.blue() - unfocused.blue());
    EXPECT_GT(distance, 150) << "the ring must stand out from the wood";
    window.widgets().lstScore->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(mark->geometry().contains(window.widgets().lstScore->geometry()));
}

struct TitleCase {
    const char* name;
    QString typed;
    int messages;
    QString kept;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

class TitleBoxTest : public MainWindowTest, public ::testing::WithParamInterface<TitleCase> {};

// The box holds at most 65 characters: every case of the width limit behaves
// as written, while a pasted megabyte can raise at most 33 messages.
TEST_P(TitleBoxTest, UserInputRunsTheWidthLimitOncePerRemovedCharacter)
{
    const TitleCase& c = GetParam();
    QLineEdit* title = window.widgets().txtTitle;
    title->clear();
    QInputMethodEvent typed;
    typed.setCommitString(c.typed);
    QApplication::sendEvent(title, &typed);

    EXPECT_EQ(int(messages->shown().size()), c.messages);
    EXPECT_EQ(title->text(), c.kept);
}

const QString kFullWidth37 = QString(37, QChar(u'あ'));
const QString kAscii65 = QString(65, QLatin1Char('a'));

INSTANTIATE_TEST_SUITE_P(Titles, TitleBoxTest, ::testing::Values(
    TitleCase{"FitsAsTyped", QStringLiteral("かえるのうた"), 0, QStringLiteral("かえるのうた")},
    TitleCase{"ThirtySevenFullWidth", kFullWidth37, 5, kFullWidth37.left(32)},
    TitleCase{"SixtyFiveAscii", kAscii65, 1, kAscii65.left(64)},
    TitleCase{"AMegabyte", QString(1 << 20, QChar(u'あ')), 33, kFullWidth37.left(32)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, OnlyTheUsersTitleAndTempoMarkTheDocumentModified)
{
    // Start-up put "無題" and "120" into the controls without raising the handlers.
    EXPECT_EQ(window.widgets().txtTitle->text(), QStringLiteral("無題"));
    EXPECT_EQ(window.widgets().cmbTempo->currentText(), QStringLiteral("120"));
    EXPECT_FALSE(control(QStringLiteral("imgSave"))->isEnabled());
    EXPECT_TRUE(window.editor().Saved());

    QTest::keyClick(window.widgets().cmbTempo, Qt::Key_Down);
    EXPECT_EQ(window.widgets().cmbTempo->currentText(), QStringLiteral("150"));
    EXPECT_TRUE(control(QStringLiteral("imgSave"))->isEnabled());
    EXPECT_FALSE(window.editor().Saved());
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

TEST_F(MainWindowTest, TheToneTickGoesWhereTheEditorPutsIt)
{
    const QStringList tones{QStringLiteral("mnuToneBeep"), QStringLiteral("mnuTone_1"), QStringLiteral("mnuTone_2"),
                            QStringLiteral("mnuTone_3"), QStringLiteral("mnuTone_4"), QStringLiteral("mnuTone_5")};
    auto ticked = [&] {
        QStringList out;
        for (const QString& name : tones)
            if (window.findChild<QAction*>(name)->isChecked())
                out << name;
        return out;
    };
    // Choosing the ticked entry again leaves it ticked; the menu does not toggle it.
    for (const QString& chosen : {tones[2], tones[2], tones[0], tones[0], tones[5]}) {
        window.findChild<QAction*>(chosen)->trigger();
        EXPECT_EQ(ticked(), QStringList{chosen});
    }
}

TEST_F(MainWindowTest, AClickWhileAMelodyPlaysReachesTheStopButton)
{
    // Three quarter notes of half a second; the click on the stop button comes
    // early in the first, leaving a loaded machine plenty of time to deliver it.
    for (int i = 0; i < 3; ++i) {
        clickWith(Qt::LeftButton, QStringLiteral("imgKey_12"));
        clickWith(Qt::LeftButton, QStringLiteral("imgLen_3"));
    }
    test::RecordingMidi* midi = midiOut;
    midi->messages.clear();
    bool idleWhilePlaying = true;
    QTimer::singleShot(40, &window, [&] {
        idleWhilePlaying = window.editor().Idle();
        clickWith(Qt::LeftButton, QStringLiteral("imgPlay"));
    });

    clickWith(Qt::LeftButton, QStringLiteral("imgPlay"));  // returns when playing ends

    EXPECT_FALSE(idleWhilePlaying);
    EXPECT_TRUE(window.editor().Idle());
    const auto noteOns = std::count_if(midi->messages.begin(), midi->messages.end(),
                                       [](std::uint32_t m) { return (m & 0xF0) == 0x90 && (m >> 16 & 0xFF) > 0; });
    EXPECT_EQ(noteOns, 1) << "the melody stops after the row that was playing";
}

TEST_F(MainWindowTest, TheCloseControlRunsTheClosingProcedure)
{
    {
        const Activity::Busy playing(EditorProbe::activity(window.editor()));
        EXPECT_FALSE(window.close()) << "refused while playing or sending";
        EXPECT_TRUE(messages->shown().empty());
    }

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
