#include "tools/skin/skin_tool.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    // Drawing a menu needs fonts, and so a GUI application; it draws off
    // screen, so no display is needed unless one is asked for.
    std::unique_ptr<QCoreApplication> application;
    if (argc > 1 && QByteArray(argv[1]) == "render-menu") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunSkinTool(QCoreApplication::arguments().mid(1), out, err);
}
