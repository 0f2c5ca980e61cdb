// A sound server that takes the connection and then never answers cannot hold the editor's
// start-up: within the output's bound the sound-device message is shown and the window
// comes up, silent.

#include "core/editor/editor.h"
#include "core/message_catalogue.h"
#include "gui/main_window.h"
#include "gui/shell/main_window_fixture.h"
#include "sound/fluidsynth_midi_out.h"
#include "support/frozen_server.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>

namespace tw::gui {
namespace {

using Clock = std::chrono::steady_clock;

TEST(FrozenSoundServer, TheWindowAppearsWithTheDeviceMessageWithinTheBound)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString socket = folder.filePath(QStringLiteral("pulse.sock"));
    test::freezeServerAt(socket);
    const test::ScopedPulseServer server("unix:" + QFile::encodeName(socket));

    auto options = FluidSynthMidiOut::defaultOptions();
    // Only the sound server's driver: ALSA may reach a real device on a desktop.
    options.drivers = {QStringLiteral("pulseaudio")};
    MainWindow::Services services = fakeServices();
    services.midi = std::make_unique<FluidSynthMidiOut>(options);
    auto* messages = static_cast<test::ScriptedMessageBox*>(services.messages.get());
    MainWindow window(std::move(services));

    const auto start = Clock::now();
    window.load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto took = Clock::now() - start;

    // The bound, and what loading the soundfont and starting the window take besides.
    EXPECT_LT(took, options.serverLimit + std::chrono::milliseconds(1500));
    EXPECT_EQ(messages->shown(), (std::vector<Message>{{msg::kSoundDeviceAtStart, MessageIcon::Error}}));
    EXPECT_FALSE(window.editor().MidiReady());
    EXPECT_TRUE(window.isVisible());
}

} // namespace
} // namespace tw::gui
