// Tunewright: the start of the desktop editor.
//
// The order is the splash window's: refuse a second instance before any main
// window exists, load the main window hidden (which opens the MIDI output and
// may report that it cannot), then show the splash with the version; its
// timer shows the main window two seconds later.

#include "core/message_catalogue.h"
#include "gui/application_identity.h"
#include "gui/art/artwork.h"
#include "gui/main_window.h"
#include "gui/message_boxes.h"
#include "gui/single_instance.h"
#include "gui/splash_window.h"
#include "sound/fluidsynth_midi_out.h"

#include <QApplication>
#include <QTimer>

namespace {
//! Well after the splash has been painted, well before it goes.
constexpr int kPrepareBackgroundMs = 300;
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tw::gui::setUpApplication(app);

    tw::gui::SingleInstance instance;
    if (!instance.acquire()) {
        tw::gui::MessageBoxes().show({tw::msg::kAlreadyRunning});
        return 0;
    }

    tw::gui::MainWindow::Services services;
    services.midi = std::make_unique<tw::FluidSynthMidiOut>();
    tw::gui::MainWindow window(std::move(services));
    window.load();

    tw::gui::SplashWindow splash(window);
    splash.show();
    // The background picture is the costliest to draw; it is drawn while the
    // splash is on screen, so the main window appears at once when it is due.
    QTimer::singleShot(kPrepareBackgroundMs, [] { tw::art::background(); });
    return QApplication::exec();
}
