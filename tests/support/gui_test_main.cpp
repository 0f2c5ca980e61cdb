// The GUI tests need one QApplication for the whole run. They draw offscreen
// unless a platform is chosen, also when CTest only lists them.

#include "gui/japanese_qt.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tw::gui::useJapaneseQt(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
