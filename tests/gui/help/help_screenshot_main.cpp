// Renders the about box and the main window in the middle of both decorative
// animations to PNG files, for tools/screenshot.
//
//   tunewright-help-screenshot OUTPUT_FOLDER

#include "gui/main_window.h"
#include "gui/picture_button.h"
#include "gui/shell/screenshot_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>

namespace {

using tw::gui::MainWindow;
using tw::shot::save;

template <typename T>
T& child(QWidget& window, const char* name)
{
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return *found;
}

//! The hot spot held for a little over two frames, and the picture a third of
//! the way down its fall.
bool shootAnimations(MainWindow& window, const QDir& folder)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    auto& cheese = child<tw::gui::PictureButton>(window, "imgCheese");
    QTest::mousePress(&cheese, Qt::LeftButton);
    QTest::qWait(450);
    QTest::mouseClick(&child<tw::gui::PictureButton>(window, "imgApple"), Qt::LeftButton);
    QTest::qWait(175);
    const bool saved = save(window, folder, QStringLiteral("main-animation.png"));
    QTest::mouseRelease(&cheese, Qt::LeftButton);
    return saved;
}

bool shootAbout(MainWindow& window, const QDir& folder)
{
    child<QAction>(window, "mnuVer").trigger();
    auto* about = window.findChild<QDialog*>(QStringLiteral("frmAbout"));
    if (!about || !QTest::qWaitForWindowExposed(about))
        return false;
    return save(*about, folder, QStringLiteral("about.png"));
}

} // namespace

int main(int argc, char* argv[])
{
    return tw::shot::shootAll(argc, argv, {shootAnimations, shootAbout});
}
