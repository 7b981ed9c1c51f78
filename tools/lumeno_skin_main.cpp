#include "tools/skin/skin_tool.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    // A frame is drawn by the window's own controller, and the system menu
    // is built by it, which needs widgets. Both draw off screen, so no
    // display is needed unless one is asked for.
    std::unique_ptr<QCoreApplication> application;
    const QByteArray command = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (command == "render-menu" || command == "render-frame") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunSkinTool(QCoreApplication::arguments().mid(1), out, err);
}
