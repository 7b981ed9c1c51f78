#include "tools/skin/render_frame_command.h"

#include "app/window/main_window_border_icons.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "tools/skin/render_side.h"
#include "tools/skin/skin_file_reader.h"
#include "tools/skin/skin_tool_command.h"

#include <QApplication>
#include <QWidget>

namespace {

struct FrameRequest {
    QString file;
    int width { 0 };
    int height { 0 };
    QString output;
    bool inactive { false };
    bool allObjects { false };
    std::optional<QString> caption;
};

FrameRequest ParseRequest(const QStringList& arguments)
{
    if (arguments.size() < 4)
        throw SkinToolUsageError();
    FrameRequest request;
    request.file = arguments[0];
    request.width = ParseRenderSide(arguments[1]);
    request.height = ParseRenderSide(arguments[2]);
    request.output = arguments[3];
    for (int i = 4; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--inactive"))
            request.inactive = true;
        else if (arguments[i] == QStringLiteral("--all-objects"))
            request.allObjects = true;
        else if (arguments[i] == QStringLiteral("--caption") && i + 1 < arguments.size())
            request.caption = arguments[++i];
        else
            throw SkinToolUsageError();
    }
    return request;
}

} // namespace

void RunRenderFrameCommand(const QStringList& arguments, QTextStream& out)
{
    const FrameRequest request = ParseRequest(arguments);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw SkinToolError("render-frame needs a widget application");

    const std::unique_ptr<TbsSkinData> skin = LoadSkinData(OpenSkin(request.file));

    // The window is framed by the very controller the program uses.
    QWidget form;
    auto* controller = new TbsSkinForm(&form);
    // By default the frame shows what the main window's frame shows; on
    // request every object the skin defines, custom ones included.
    if (request.allObjects) {
        controller->SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp | biMinimizeToTray);
        controller->OnActivateCustomObject = [](const QString&, bool& visible) { visible = true; };
    } else {
        controller->SetBorderIcons(MainWindowBorderIcons());
    }
    controller->SetSkinData(skin.get());
    form.setWindowTitle(request.caption.value_or(skin->SkinName()));
    if (request.width < controller->GetMinWidth() || request.height < controller->GetMinHeight())
        throw SkinToolError(QStringLiteral("%1 x %2 is smaller than the skin's smallest window, %3 x %4")
                                .arg(request.width)
                                .arg(request.height)
                                .arg(controller->GetMinWidth())
                                .arg(controller->GetMinHeight())
                                .toStdString());
    controller->SetMaxWidth(kMaxRenderSide);
    controller->SetMaxHeight(kMaxRenderSide);
    form.setMaximumSize(kMaxRenderSide, kMaxRenderSide);
    form.resize(request.width, request.height);
    const QImage window = controller->RenderWindow(!request.inactive);
    if (window.size() != QSize(request.width, request.height))
        throw SkinToolError(QStringLiteral("the window could not take the size %1 x %2")
                                .arg(request.width)
                                .arg(request.height)
                                .toStdString());
    if (!window.save(request.output, "PNG"))
        throw SkinToolError(QStringLiteral("cannot write '%1'").arg(request.output).toStdString());
    out << window.width() << " x " << window.height() << '\n';
}
