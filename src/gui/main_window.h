#pragma once
// The main window `main`. (The window keeps that name as its object name; a
// C++ class cannot be called main, hence MainWindow.)
//
// It lays down the controls, builds the adapters of the editor's ports over
// them, and forwards every event to the editor's handlers. It decides nothing
// itself: the document, the commands and their states live in the editor.

#include "core/ports.h"
#include "gui/window_widgets.h"

#include <QMainWindow>
#include <memory>

namespace tw {
class Editor;
}

namespace tw::gui {

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    //! The outside services of the editor. A service left empty gets the
    //! desktop's own; the MIDI output then is one that never opens.
    struct Services {
        std::unique_ptr<MidiOutPort> midi;
        std::unique_ptr<MessageBoxPort> messages;
        std::unique_ptr<FileDialogPort> dialogs;
        std::unique_ptr<TransferPort> transfer;
        std::unique_ptr<HelpPort> help;
    };

    explicit MainWindow(Services services = {});
    ~MainWindow() override;

    //! `main` Form_Load: opens the MIDI output and starts an empty document.
    //! The window stays hidden; a failure to open is reported in a message box.
    void load();

    Editor& editor() { return *editor_; }
    const WindowWidgets& widgets() const { return widgets_; }

protected:
    //! The close control runs the editor's closing procedure, which may refuse.
    void closeEvent(QCloseEvent* event) override;

private:
    //! Every window closes and no further handler runs; nothing is asked again.
    void endApplication();

    struct Adapters;

    WindowWidgets widgets_;
    Services services_;
    std::unique_ptr<Adapters> adapters_;
    std::unique_ptr<Editor> editor_;
    bool ending_ = false;
};

} // namespace tw::gui
