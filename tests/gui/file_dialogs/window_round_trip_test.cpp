// A melody entered in the real window, saved through the real save dialog and opened again
// through the real open dialog, comes back as it was. Offscreen; only the message boxes and
// the sound are scripted.

#include "dialog_driver.h"
#include "gui/shell/main_window_fixture.h"
#include "support/printers.h"
#include "support/recording_midi.h"
#include "support/scripted_message_box.h"

#include "core/editor/editor.h"
#include "gui/main_window.h"
#include "gui/picture_button.h"
#include "gui/score_list_widget.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tw::test {
namespace {

class WindowRoundTrip : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(gui::loadAndActivate(window)); }
    void TearDown() override { QDir::setCurrent(previous_); }

    //! The desktop's own file dialogs; a scripted message box and MIDI output.
    gui::MainWindow::Services services()
    {
        application();
        auto scripted = std::make_unique<ScriptedMessageBox>();
        messages = scripted.get();
        gui::MainWindow::Services s;
        s.midi = std::make_unique<RecordingMidi>();
        s.messages = std::move(scripted);
        return s;
    }

    void click(const QString& name)
    {
        auto* button = window.findChild<gui::PictureButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
    }

    void trigger(MenuEntry entry, const QString& typedPath)
    {
        DialogDriver driver(choose(typedPath));
        window.widgets().menuEntry(entry)->trigger();
        ASSERT_TRUE(driver.shown().folder.size() > 0) << "no dialog came up";
    }

    struct Shown {
        QStringList rows;
        QString title;
        QString tempo;
        friend bool operator==(const Shown&, const Shown&) = default;
        friend void PrintTo(const Shown& s, std::ostream* os)
        {
            ::PrintTo(s.rows, os);
            *os << ' ';
            ::PrintTo(s.title, os);
            *os << ' ' << s.tempo.toStdString();
        }
    };
    Shown shown() const
    {
        QStringList rows;
        for (int i = 0; i < window.widgets().lstScore->count(); ++i)
            rows << window.widgets().lstScore->item(i)->text();
        return {rows, window.widgets().txtTitle->text(), window.widgets().cmbTempo->currentText()};
    }

    ScriptedMessageBox* messages = nullptr;
    gui::MainWindow window{services()};
    QTemporaryDir folder;

private:
    QString previous_ = QDir::currentPath();
};

TEST_F(WindowRoundTrip, AMelodySavedAndOpenedAgainComesBackAsItWas)
{
    click(QStringLiteral("imgKey_12"));
    click(QStringLiteral("imgLen_4"));
    click(QStringLiteral("imgRest_2"));
    click(QStringLiteral("imgKey_29"));
    click(QStringLiteral("imgLen_7"));
    QLineEdit* title = window.widgets().txtTitle;
    title->clear();
    QInputMethodEvent typed;  // typed through the input method, as Japanese is
    typed.setCommitString(QStringLiteral("テスト曲"));
    QApplication::sendEvent(title, &typed);
    QTest::keyClick(window.widgets().cmbTempo, Qt::Key_Up);
    const Shown entered = shown();
    ASSERT_EQ(entered.rows.size(), 4);
    ASSERT_EQ(entered.title, "テスト曲");
    ASSERT_EQ(entered.tempo, "90");

    trigger(MenuEntry::Save, folder.filePath("song"));
    ASSERT_TRUE(QFile::exists(folder.filePath("song.tun")));
    window.widgets().menuEntry(MenuEntry::New)->trigger();
    ASSERT_EQ(window.widgets().lstScore->count(), 1);
    trigger(MenuEntry::Open, QStringLiteral("song.tun"));  // the open dialog starts where the save went

    EXPECT_EQ(shown(), entered);
    EXPECT_EQ(messages->texts(), QStringList{"ファイルを開きました。"});
    EXPECT_EQ(window.editor().FilePath(), folder.filePath("song.tun"));
}

TEST_F(WindowRoundTrip, AMelodyExportedAsMidiAndImportedAgainComesBackAsItWasButNew)
{
    click(QStringLiteral("imgKey_17"));
    click(QStringLiteral("imgLen_3"));
    click(QStringLiteral("imgRest_1"));
    click(QStringLiteral("imgKey_24"));
    click(QStringLiteral("imgLen_6"));
    QTest::keyClick(window.widgets().cmbTempo, Qt::Key_Down);
    const Shown entered = shown();
    ASSERT_EQ(entered.rows.size(), 4);
    ASSERT_EQ(entered.tempo, "150");

    trigger(MenuEntry::ExportMidi, folder.filePath("song"));
    ASSERT_TRUE(QFile::exists(folder.filePath("song.mid")));
    window.widgets().menuEntry(MenuEntry::New)->trigger();  // asks, and OK discards the melody
    messages->takeShown();
    trigger(MenuEntry::Import, QStringLiteral("song.mid"));

    EXPECT_EQ(shown().rows, entered.rows);
    EXPECT_EQ(shown().tempo, entered.tempo);
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown().front().text.startsWith(QStringLiteral("インポートしました。")));
    EXPECT_EQ(window.editor().FilePath(), kUntitled);
    EXPECT_FALSE(window.editor().Saved());
}

} // namespace
} // namespace tw::test
