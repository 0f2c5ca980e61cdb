#pragma once
// What the screenshot programs for tools/screenshot share: the main window of
// a run nobody attends, loaded, and a table of shots taken of it in turn into
// the folder given on the command line.
//
//   PROGRAM OUTPUT_FOLDER

#include "gui/art/artwork.h"
#include "gui/main_window.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <optional>

namespace tw::shot {

//! A MIDI output that opens and stays silent: the window looks as it does on
//! a machine with a sound device, and the shot makes no noise.
class MuteMidiOut final : public MidiOutPort {
public:
    bool open() override { return true; }
    void shortMessage(std::uint32_t) override {}
    void close() override {}
};

//! No one is there to answer: every box is printed and answered with OK.
class PrintedMessages final : public MessageBoxPort {
public:
    MessageAnswer show(const Message& message) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(message.text));
        return MessageAnswer::Ok;
    }
};

inline gui::MainWindow::Services unattendedServices()
{
    gui::MainWindow::Services services;
    services.midi = std::make_unique<MuteMidiOut>();
    services.messages = std::make_unique<PrintedMessages>();
    return services;
}

//! The one argument, OUTPUT_FOLDER; the usage is printed when it is missing.
inline std::optional<QDir> outputFolder(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return std::nullopt;
    }
    return QDir(QString::fromLocal8Bit(argv[1]));
}

//! Writes the widget's picture as `name` into the folder and prints its path.
inline bool save(QWidget& widget, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

//! One picture or more, written into the folder; false when one could not be.
using Shot = bool (*)(gui::MainWindow&, const QDir&);

//! The whole program: 0 when every shot was written, 1 when one was not, 2
//! when the command line is wrong.
inline int shootAll(int argc, char* argv[], std::initializer_list<Shot> shots)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(art::appIcon());
    const std::optional<QDir> folder = outputFolder(argc, argv);
    if (!folder)
        return 2;

    gui::MainWindow window(unattendedServices());
    window.load();
    for (const Shot shot : shots)
        if (!shot(window, *folder))
            return 1;
    return 0;
}

} // namespace tw::shot
