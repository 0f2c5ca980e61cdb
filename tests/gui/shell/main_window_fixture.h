#pragma once
// The main window started as the program starts it, with the editor's fakes
// for the services that would open dialogs, play sound or wait for an answer.
// The window is shown and active, so shortcuts and focus work as on a desktop.

#include "core/editor/editor.h"
#include "gui/main_window.h"
#include "gui/picture_button.h"
#include "gui/score_list_widget.h"
#include "support/fake_dialogs.h"
#include "support/fake_help.h"
#include "support/fake_transfer.h"
#include "support/printers.h"
#include "support/recording_midi.h"
#include "support/scripted_message_box.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace tw::gui {

//! The window's services on the editor's fakes: nothing opens a dialog, plays a
//! sound or waits for an answer.
inline MainWindow::Services fakeServices()
{
    MainWindow::Services s;
    s.midi = std::make_unique<test::RecordingMidi>();
    s.messages = std::make_unique<test::ScriptedMessageBox>();
    s.dialogs = std::make_unique<test::FakeDialogs>();
    s.transfer = std::make_unique<test::FakeTransfer>();
    s.help = std::make_unique<test::FakeHelp>();
    return s;
}

//! Starts the window as the program does, shows it and makes it the active
//! window. Call it under ASSERT_NO_FATAL_FAILURE.
inline void loadAndActivate(MainWindow& window)
{
    window.load();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(loadAndActivate(window)); }

    //! The fake services, keeping the message box and the MIDI output to look at.
    MainWindow::Services services()
    {
        MainWindow::Services s = fakeServices();
        messages = static_cast<test::ScriptedMessageBox*>(s.messages.get());
        midiOut = static_cast<test::RecordingMidi*>(s.midi.get());
        dialogs = static_cast<test::FakeDialogs*>(s.dialogs.get());
        return s;
    }

    template <typename Widget = PictureButton>
    Widget* control(const QString& name) const
    {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    void clickWith(Qt::MouseButton button, const QString& name)
    {
        PictureButton* target = control(name);
        QTest::mousePress(target, button);
        QTest::mouseRelease(target, button);
    }

    QStringList listTexts() const
    {
        QStringList texts;
        auto* list = window.widgets().lstScore;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    test::ScriptedMessageBox* messages = nullptr;
    test::RecordingMidi* midiOut = nullptr;
    test::FakeDialogs* dialogs = nullptr;
    MainWindow window{services()};
};

} // namespace tw::gui
