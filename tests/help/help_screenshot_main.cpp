// Renders the about box and the main window in the middle of both decorative
// animations to PNG files, for tools/screenshot.
//
//   tunewright-help-screenshot OUTPUT_FOLDER

#include "shell/gui/artwork.h"
#include "shell/gui/main_window.h"
#include "shell/gui/picture_button.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>

#include <cstdio>

namespace {

using tw::gui::MainWindow;

//! Opens and stays silent, so the window looks as it does with a sound device.
class MuteMidiOut final : public tw::MidiOutPort {
public:
    bool open() override { return true; }
    void shortMessage(std::uint32_t) override {}
    void close() override {}
};

//! No one is there to answer: every box is printed and answered with OK.
class PrintedMessages final : public tw::MessageBoxPort {
public:
    tw::MessageAnswer show(const tw::Message& message) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(message.text));
        return tw::MessageAnswer::Ok;
    }
};

bool save(QWidget& widget, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

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
    QApplication app(argc, argv);
    QApplication::setWindowIcon(tw::art::appIcon());
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    MainWindow::Services services;
    services.midi = std::make_unique<MuteMidiOut>();
    services.messages = std::make_unique<PrintedMessages>();
    MainWindow window(std::move(services));
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    return shootAnimations(window, folder) && shootAbout(window, folder) ? 0 : 1;
}
