// Reaching the buttons without the mouse: Tab stops once in each group, the
// arrows walk inside it, Space presses what has the focus, disabled buttons
// are passed by; a computer key in the list holds its button as the mouse does.

#include "gui/art/artwork.h"
#include "gui/shell/main_window_fixture.h"

#include <QComboBox>
#include <QLineEdit>

namespace tw::gui {
namespace {

class FocusOrderTest : public MainWindowTest {
protected:
    QString focused() const { return QApplication::focusWidget()->objectName(); }

    //! The object names Tab visits from the list round to it again.
    QStringList tabCycle()
    {
        window.widgets().lstScore->setFocus();
        QStringList visited{focused()};
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == window.widgets().lstScore)
                return visited;
            visited << focused();
        }
        return visited;
    }
};

TEST_F(FocusOrderTest, TabStopsOnceInEachGroupWhereItWasLeftAndPassesTheDisabled)
{
    // Start-up leaves Copy, Paste, Insert and Delete off, and no row to play.
    EXPECT_EQ(tabCycle(), (QStringList{"lstScore", "txtTitle", "cmbTempo", "optPlayStart_0", "imgKey_5",
                                       "imgLen_0", "imgRest_0", "imgNew"}));

    control(QStringLiteral("imgKey_5"))->setFocus();
    for (const auto key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(focused(), QStringLiteral("imgKey_8")) << "the arrows walk the keys by pitch, black ones too";
    control(QStringLiteral("imgNew"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(focused(), QStringLiteral("imgEnd")) << "Send is off with nothing to send";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(focused(), QStringLiteral("imgEnd")) << "nothing below End is on";

    // Off, the groups' stops hand on; the keyboard comes back where it was left.
    control(QStringLiteral("imgNew"))->setEnabled(false);
    const QStringList cycle = tabCycle();
    EXPECT_TRUE(cycle.contains(QStringLiteral("imgKey_8"))) << cycle.join(u' ').toStdString();
    EXPECT_FALSE(cycle.contains(QStringLiteral("imgNew")));
}

TEST_F(FocusOrderTest, SpaceOrEnterOnAFocusedButtonIsALeftClick)
{
    control(QStringLiteral("imgKey_12"))->setFocus();
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(control(QStringLiteral("imgKey_12"))->pixmap().toImage(), art::keyPicture(12, true).toImage());
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Space);
    control(QStringLiteral("imgLen_3"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window.editor().ScoreData()[1].code, noteCode(12, 3));
    EXPECT_EQ(window.editor().EndRow(), 2);
}

TEST_F(FocusOrderTest, AComputerKeyHoldsItsButtonAloneUntilItIsReleased)
{
    ScoreListWidget* list = window.widgets().lstScore;
    list->setFocus();
    midiOut->takeMessages();

    QTest::keyPress(list, Qt::Key_Z);
    EXPECT_TRUE(control(QStringLiteral("imgKey_5"))->isDown());
    EXPECT_EQ(control(QStringLiteral("imgKey_5"))->pixmap().toImage(), art::keyPicture(5, true).toImage());
    EXPECT_EQ(midiOut->takeMessages().size(), 1u) << "the key's note on";
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"), true);
    QApplication::sendEvent(list, &repeat);
    QTest::keyPress(list, Qt::Key_X);  // a second key while one is held, as a second pointer would be
    EXPECT_TRUE(midiOut->takeMessages().empty()) << "a repeat or a second key sounds nothing";
    EXPECT_EQ(window.editor().CurKey(), kNoKey) << "the key is chosen on release";

    QTest::keyRelease(list, Qt::Key_X);
    QTest::keyRelease(list, Qt::Key_Z);
    EXPECT_FALSE(control(QStringLiteral("imgKey_5"))->isDown());
    EXPECT_EQ(window.editor().CurKey(), 5);
    EXPECT_EQ(window.editor().ScoreData()[1].code, kPendingRow);

    // A key the list had before keeps its meaning: Delete removes the pending row.
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(window.editor().EndRow(), 1);
}

} // namespace
} // namespace tw::gui
