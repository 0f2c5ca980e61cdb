// Renders the windows of the editor to PNG files for tools/screenshot:
// the splash, and the main window after a short melody has been entered with
// the mouse. Each shot is one function in the table at the bottom.
//
//   tunewright-screenshot OUTPUT_FOLDER

#include "shell/editor.h"
#include "shell/gui/artwork.h"
#include "shell/gui/main_window.h"
#include "shell/gui/picture_button.h"
#include "shell/gui/splash_window.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

namespace {

using tw::gui::MainWindow;
using tw::gui::PictureButton;

//! A MIDI output that opens and stays silent: the window looks as it does on
//! a machine with a sound device, and the shot makes no noise.
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

using Shot = bool (*)(MainWindow&, const QDir&);
constexpr Shot Shots[]{shootSplash, shootMain};

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

    for (const Shot shot : Shots)
        if (!shot(window, folder))
            return 1;
    return 0;
}
