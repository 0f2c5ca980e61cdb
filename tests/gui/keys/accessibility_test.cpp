// What a screen reader finds in the main window: every control with a name,
// the role it acts in and whether it can be used now; the picture buttons
// with their tooltip as the description; the score list's rows as they read.

#include "gui/shell/main_window_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace tw::gui {
namespace {

QAccessibleInterface& accessible(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        ADD_FAILURE() << widget->objectName().toStdString() << " has no accessible interface";
    return *face;
}

class AccessibilityTest : public MainWindowTest {
protected:
    //! Every control of the window: what is enabled or disabled depends on the moment.
    void expectEveryControlReadable()
    {
        const WindowWidgets& w = window.widgets();
        std::vector<std::pair<QWidget*, QAccessible::Role>> controls{
            {w.lstScore, QAccessible::List}, {w.txtTitle, QAccessible::EditableText},
            {w.cmbTempo, QAccessible::ComboBox}, {w.optPlayStart[0], QAccessible::RadioButton},
            {w.optPlayStart[1], QAccessible::RadioButton}};
        for (PictureButton* button : window.widgets().client->findChildren<PictureButton*>())
            controls.emplace_back(button, QAccessible::Button);
        ASSERT_EQ(controls.size(), 5u + 11 + 25 + 8 + 5 + 2);

        for (const auto& [control, role] : controls) {
            SCOPED_TRACE(control->objectName().toStdString());
            QAccessibleInterface& face = accessible(control);
            EXPECT_FALSE(face.text(QAccessible::Name).isEmpty());
            EXPECT_EQ(face.role(), role);
            EXPECT_EQ(face.state().disabled, !control->isEnabled());
            if (role == QAccessible::Button && !control->toolTip().isEmpty())
                EXPECT_EQ(face.text(QAccessible::Description), control->toolTip());
        }
    }
};

TEST_F(AccessibilityTest, EveryControlHasANameARoleAndItsEnabledState)
{
    expectEveryControlReadable();
    EXPECT_EQ(accessible(control(QStringLiteral("imgLen_3"))).text(QAccessible::Name), QStringLiteral("4分音符"));
    EXPECT_EQ(accessible(control(QStringLiteral("imgKey_18"))).text(QAccessible::Name), QStringLiteral("ファ＃"));
    EXPECT_EQ(accessible(control(QStringLiteral("imgNew"))).text(QAccessible::Name), QStringLiteral("新規作成"));
    EXPECT_EQ(accessible(window.widgets().txtTitle).text(QAccessible::Name), QStringLiteral("曲名"));
    // On Linux Qt reads a combo box's value as its name, as the desktop's readers expect;
    // the name given stays with the widget for the other platforms.
    EXPECT_EQ(window.widgets().cmbTempo->accessibleName(), QStringLiteral("テンポ"));

    // With a row written, other commands are on and others off.
    clickWith(Qt::LeftButton, QStringLiteral("imgKey_12"));
    clickWith(Qt::LeftButton, QStringLiteral("imgLen_3"));
    expectEveryControlReadable();
}

TEST_F(AccessibilityTest, TheScreenReadersPressIsALeftClickAndTheListReadsItsRows)
{
    // The press action is what a screen reader does with a button.
    for (const char* name : {"imgKey_12", "imgLen_3", "imgRest_2"}) {
        QAccessibleActionInterface* action = accessible(control(QLatin1String(name))).actionInterface();
        ASSERT_NE(action, nullptr) << name;
        action->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(150);  // the press lasts as long as Qt shows it down
    }
    EXPECT_EQ(window.editor().EndRow(), 3);

    QAccessibleInterface& list = accessible(window.widgets().lstScore);
    ASSERT_EQ(list.childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QString row = window.widgets().lstScore->item(i)->text();
        row.chop(row.endsWith(QLatin1String("\r\n")) ? 2 : 0);
        EXPECT_EQ(list.child(i)->text(QAccessible::Name), row) << i;
    }
    EXPECT_FALSE(list.child(0)->text(QAccessible::Name).isEmpty());
}

} // namespace
} // namespace tw::gui
