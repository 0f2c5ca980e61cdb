// The about box, the Help menu's desktop services and the decorations of the
// real window, without a display.

#include "gui/shell/main_window_fixture.h"
#include "support/fake_ports.h"
#include "support/printers.h"
#include "tunewright/version.h"

#include "core/editor/editor.h"
#include "gui/about_box.h"
#include "gui/art/artwork.h"
#include "gui/art/layout.h"
#include "gui/help_services.h"
#include "gui/main_window.h"
#include "gui/picture_button.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <set>

namespace tw::test {
namespace {

//! One application for the whole run, never destroyed: destroying it among the
//! exit handlers crashes in Qt's clean-up of the input devices that the test's
//! key and mouse clicks registered.
QApplication& application()
{
    static int argc = 1;
    static char name[] = "help_gui_test";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

//! Lets a box that closed itself be deleted, as the event loop would.
void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString labelText(const QWidget& box, const char* name)
{
    const auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

class AboutBoxTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        delete window;
        processDeferredDeletes();
    }

    QApplication& app = application();
    QWidget* window = new QWidget;
    gui::HelpServices services{window};
};

TEST_F(AboutBoxTest, LoadsTitleVersionAndCaption)
{
    services.showAbout();
    const QPointer<gui::AboutBox> box = services.aboutBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Tunewright の ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(labelText(*box, "lblTitle"), QStringLiteral("Tunewright"));
    EXPECT_EQ(labelText(*box, "lblVersion"), QStringLiteral("Version %1.%2.%3")
                                                   .arg(kVersionMajor)
                                                   .arg(kVersionMinor)
                                                   .arg(kVersionPatch));
    EXPECT_EQ(labelText(*box, "lblDescription"),
              QStringLiteral("Chimeboxで演奏することができるメロディデータを作成するアプリケーションです。"));
    EXPECT_TRUE(labelText(*box, "lblDisclaimer").contains(QStringLiteral("保証")));
    EXPECT_FALSE(box->isModal()) << "the main window stays usable";
    EXPECT_TRUE(box->isVisible());
}

TEST_F(AboutBoxTest, ShownTwiceThereIsOneBox)
{
    services.showAbout();
    const QPointer<gui::AboutBox> first = services.aboutBox();
    services.showAbout();
    EXPECT_EQ(services.aboutBox(), first.get());
    EXPECT_EQ(window->findChildren<gui::AboutBox*>().size(), 1);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(AboutBoxTest, OkEnterAndEscUnloadTheBox)
{
    struct Way {
        const char* name;
        std::function<void(gui::AboutBox&)> close;
    };
    const Way ways[] = {
        {"OK button", [](gui::AboutBox& box) {
             QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
         }},
        {"Enter", [](gui::AboutBox& box) { QTest::keyClick(&box, Qt::Key_Return); }},
        {"Enter on the keypad", [](gui::AboutBox& box) { QTest::keyClick(&box, Qt::Key_Enter); }},
        {"Esc", [](gui::AboutBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
        {"close control", [](gui::AboutBox& box) { box.close(); }},
    };
    for (const auto& way : ways) {
        services.showAbout();
        const QPointer<gui::AboutBox> box = services.aboutBox();
        way.close(*box);
        processDeferredDeletes();
        EXPECT_FALSE(box) << way.name << " leaves the box loaded";
        EXPECT_EQ(services.aboutBox(), nullptr) << way.name;
    }
}

TEST_F(AboutBoxTest, AfterOkTheNextShowingLoadsTheBoxAfresh)
{
    services.showAbout();
    QPointer<gui::AboutBox> first = services.aboutBox();
    first->setWindowTitle(QStringLiteral("changed"));
    first->findChild<QLabel*>(QStringLiteral("lblVersion"))->clear();
    first->cmdOK_Click();
    processDeferredDeletes();
    ASSERT_FALSE(first);

    services.showAbout();
    const gui::AboutBox* again = services.aboutBox();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->windowTitle(), QStringLiteral("Tunewright の ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_TRUE(labelText(*again, "lblVersion").startsWith(QStringLiteral("Version ")));
    EXPECT_TRUE(again->isVisible());
}

//! A folder of stand-in programs that becomes the whole search path.
class StandInPath {
public:
    StandInPath() : saved_(qgetenv("PATH")) { qputenv("PATH", dir_.path().toLocal8Bit()); }
    ~StandInPath() { qputenv("PATH", saved_); }

    void add(const QString& name, const QByteArray& script)
    {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script);
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
    }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    QByteArray path() const { return dir_.path().toLocal8Bit(); }

private:
    QTemporaryDir dir_;
    QByteArray saved_;
};

//! An editor whose Help menu runs on the desktop services, the rest on fakes.
class VolumeEntryTest : public ::testing::Test, protected FakePorts<> {
protected:
    QApplication& app = application();
    StandInPath standIns;
    QWidget window;
    gui::HelpServices services{&window};
    Editor editor{ports(services)};
};

const Message kCannotStart{QStringLiteral("起動できません"), MessageIcon::None, MessageButtons::Ok};

TEST_F(VolumeEntryTest, NoMixerOnThePathSaysSoOnce)
{
    editor.mnuVolCtrl_Click();
    EXPECT_EQ(messages.shown(), std::vector{kCannotStart});
}

TEST_F(VolumeEntryTest, AMixerThatCannotBeStartedSaysSoOnce)
{
    standIns.add(QStringLiteral("pavucontrol"), "#!/nonexistent/interpreter\n");
    editor.mnuVolCtrl_Click();
    EXPECT_EQ(messages.shown(), std::vector{kCannotStart});
}

TEST_F(VolumeEntryTest, StartsTheMixerFoundOnThePathWithoutWaitingForIt)
{
    // The stand-in writes its arguments, then waits for the test to let it
    // finish (for five seconds at most). Were the entry to wait for the mixer,
    // the stand-in would have given up and finished before the entry returned.
    standIns.add(QStringLiteral("pavucontrol"), "#!/nonexistent/interpreter\n");
    standIns.add(QStringLiteral("gnome-control-center"),
                 "#!/bin/sh\n"
                 "PATH=/usr/bin:/bin\n"
                 "here=$(dirname \"$0\")\n"
                 "echo \"$@\" > \"$here/arguments.tmp\" && mv \"$here/arguments.tmp\" \"$here/arguments\"\n"
                 "for i in $(seq 100); do [ -e \"$here/release\" ] && break; sleep 0.05; done\n"
                 "touch \"$here/finished\"\n");

    editor.mnuVolCtrl_Click();

    EXPECT_EQ(messages.shown(), std::vector<Message>{});
    EXPECT_FALSE(QFile::exists(standIns.filePath(QStringLiteral("finished"))));
    QFile(standIns.filePath(QStringLiteral("release"))).open(QIODevice::WriteOnly);

    const QDeadlineTimer deadline(10'000);
    while (!QFile::exists(standIns.filePath(QStringLiteral("finished"))) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile arguments(standIns.filePath(QStringLiteral("arguments")));
    ASSERT_TRUE(arguments.open(QIODevice::ReadOnly)) << "the mixer never ran";
    EXPECT_EQ(arguments.readAll().trimmed(), QByteArray("sound"));
}

//! The real window: its two decorations run on timers of the event loop, so
//! they keep moving while the play handler's loop plays a melody.
class DecorationTest : public ::testing::Test {
protected:
    gui::PictureButton& button(const QString& name)
    {
        auto* found = window.findChild<gui::PictureButton*>(name);
        if (!found)
            throw std::runtime_error("no control " + name.toStdString());
        return *found;
    }

    //! The frame imgAnime shows, or -1 when it shows none of the three.
    int animeFrame() const
    {
        const QImage shown = window.widgets().imgAnime->pixmap().toImage();
        for (int frame = 0; frame < 3; ++frame) {
            if (shown == art::animeFrame(frame).toImage())
                return frame;
        }
        return -1;
    }

    QApplication& app = application();
    gui::MainWindow window{gui::fakeServices()};
};

TEST_F(DecorationTest, BothDecorationsMoveWhileAMelodyPlays)
{
    window.load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const int startTop = window.widgets().imgFall->y();
    QTest::mouseClick(&button(QStringLiteral("imgKey_12")), Qt::LeftButton);
    QTest::mouseClick(&button(QStringLiteral("imgLen_7")), Qt::LeftButton);  // a whole note: two seconds

    // What the decorations show, looked at every 20 ms while the melody plays.
    std::set<int> framesWhilePlaying;
    int lowestTopWhilePlaying = startTop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (window.editor().Idle())
            return;
        framesWhilePlaying.insert(animeFrame());
        lowestTopWhilePlaying = std::max(lowestTopWhilePlaying, window.widgets().imgFall->y());
    });
    look.start(20);
    QTimer::singleShot(100, [&] {
        QTest::mousePress(&button(QStringLiteral("imgCheese")), Qt::LeftButton);
        QTest::mouseClick(&button(QStringLiteral("imgApple")), Qt::LeftButton);
    });

    QTest::mouseClick(&button(QStringLiteral("imgPlay")), Qt::LeftButton);  // returns when the melody ends
    look.stop();

    EXPECT_TRUE(framesWhilePlaying.contains(1) && framesWhilePlaying.contains(2))
        << "frames seen while playing: " << testing::PrintToString(framesWhilePlaying);
    EXPECT_GE(lowestTopWhilePlaying, layout::kClientSize.height())
        << "the picture falls out of sight while playing";

    QTest::mouseRelease(&button(QStringLiteral("imgCheese")), Qt::LeftButton);
    EXPECT_EQ(animeFrame(), 0);
}

TEST_F(DecorationTest, ADoubleClickAfterTheFallLetsThePictureFallAgain)
{
    window.load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto& apple = button(QStringLiteral("imgApple"));
    const auto hasFallen = [&] { return window.widgets().imgFall->y() >= layout::kClientSize.height(); };

    QTest::mouseClick(&apple, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(hasFallen, 2000));
    // A person's double click is far slower than one tick of the fall: the
    // click it begins with has stopped the timer again before the second press.
    QTest::mouseClick(&apple, Qt::LeftButton);
    QTest::qWait(120);
    QTest::mouseDClick(&apple, Qt::LeftButton);

    EXPECT_LT(window.widgets().imgFall->y(), layout::kClientSize.height()) << "back at the start height";
    EXPECT_TRUE(QTest::qWaitFor(hasFallen, 2000)) << "and falling again";
}

} // namespace
} // namespace tw::test
