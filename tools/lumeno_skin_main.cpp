#include "tools/preview/preview_command.h"
#include "tools/skin/skin_tool.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

// Without one, the window system's start would end the program.
bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    // A frame is drawn by the window's own controller, and the system menu
    // is built by it, which needs widgets. Both draw off screen, so no
    // display is needed unless one is asked for. The preview opens windows
    // and needs the display.
    std::unique_ptr<QCoreApplication> application;
    const QByteArray command = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (command == "preview") {
        if (!HasDisplay()) {
            std::fputs("lumeno-skin preview: no display to show the windows on\n", stderr);
            return kSkinToolFailure;
        }
        application = std::make_unique<QApplication>(argc, argv);
    } else if (command == "render-menu" || command == "render-frame") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunSkinTool(QCoreApplication::arguments().mid(1), out, err, { PreviewCommand() });
}
