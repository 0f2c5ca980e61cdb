#pragma once
// Pixmaps need a GUI application; these programs run without a display.

#include <QGuiApplication>

inline QGuiApplication& guiApplication()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "artwork";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return application;
}
