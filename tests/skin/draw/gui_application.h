#pragma once

#include <QGuiApplication>

// Fonts and painters on text need an application object; the drawing tests
// otherwise run without one. Created once, on the offscreen platform unless
// the environment names another.
inline void EnsureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "skin_draw_tests";
    static char* argv[] = { name, nullptr };
    static QGuiApplication application(argc, argv);
}
