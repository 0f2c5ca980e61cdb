// Renders the windows of the editor to PNG files for tools/screenshot:
// the splash, and the main window after a short melody has been entered with
// the mouse. Each shot is one function, listed in main at the bottom.
//
//   tunewright-screenshot OUTPUT_FOLDER

#include "core/editor/editor.h"
#include "gui/main_window.h"
#include "gui/picture_button.h"
#include "gui/shell/screenshot_window.h"
#include "gui/splash_window.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace {

using tw::gui::MainWindow;
using tw::gui::PictureButton;
using tw::shot::save;

void click(QWidget& window, const QString& name)
{
    auto* button = window.findChild<PictureButton*>(name);
    if (!button)
        qFatal("no control %s", qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

//! "かえるのうた": keys of the middle octave with their length buttons; a
//! negative key is a rest of that length.
void enterMelody(QWidget& window)
{
    struct Note {
        int key;
        int length;
    };
    constexpr Note melody[]{
        {12, 3}, {14, 3}, {16, 3}, {17, 3}, {16, 3}, {14, 3}, {12, 5}, {-1, 2},
        {16, 3}, {17, 3}, {19, 3}, {21, 3}, {19, 3}, {17, 3}, {16, 5}, {-1, 2},
        {12, 3}, {-1, 2}, {12, 3}, {-1, 2}, {12, 3}, {-1, 2}, {12, 3},
    };
    for (const Note& note : melody) {
        if (note.key < 0) {
            click(window, QStringLiteral("imgRest_%1").arg(note.length));
            continue;
        }
        click(window, QStringLiteral("imgKey_%1").arg(note.key));
        click(window, QStringLiteral("imgLen_%1").arg(note.length));
    }
}

bool shootSplash(MainWindow& window, const QDir& folder)
{
    tw::gui::SplashWindow splash(window);
    splash.show();
    if (!QTest::qWaitForWindowExposed(&splash))
        return false;
    return save(splash, folder, QStringLiteral("splash.png"));
}

bool shootMain(MainWindow& window, const QDir& folder)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    // Japanese is typed through an input method, which commits whole words.
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("かえるのうた"));
    window.widgets().txtTitle->selectAll();
    QApplication::sendEvent(window.widgets().txtTitle, &typed);
    enterMelody(window);
    QTest::qWait(100);
    return save(window, folder, QStringLiteral("main.png"));
}

} // namespace

int main(int argc, char* argv[])
{
    return tw::shot::shootAll(argc, argv, {shootSplash, shootMain});
}
