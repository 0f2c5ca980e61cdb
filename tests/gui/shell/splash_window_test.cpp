#include "gui/splash_window.h"
#include "support/printers.h"
#include "tunewright/version.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tw::gui {
namespace {

TEST(SplashWindow, ShowsTheVersionAndAfterTwoSecondsHandsOverToTheMainWindow)
{
    QWidget main;
    SplashWindow splash(main);
    splash.show();

    auto* version = splash.findChild<QLabel*>(QStringLiteral("lblVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Version %1.%2.%3")
                                   .arg(kVersionMajor)
                                   .arg(kVersionMinor)
                                   .arg(kVersionPatch));

    auto* timer = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 2000);
    EXPECT_FALSE(main.isVisible());

    timer->start(0);  // no need to wait the two seconds
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.isVisible(); }));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(timer->isActive());
}

} // namespace
} // namespace tw::gui
