#include "tools/skin/render_frame_command.h"

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "tools/skin/skin_file_reader.h"
#include "tools/skin/skin_tool_command.h"

#include <QApplication>
#include <QWidget>

namespace {

// Large enough for any screen, small enough that a typo cannot ask for
// gigabytes.
constexpr int kMaxRenderSide = 16384;

struct FrameRequest {
    QString file;
    int width { 0 };
    int height { 0 };
    QString output;
    bool inactive { false };
    std::optional<QString> caption;
};

int ParseSide(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > kMaxRenderSide)
        throw SkinToolError(
            QStringLiteral("WIDTH and HEIGHT must be whole numbers from 1 to %1, not '%2'").arg(kMaxRenderSide).arg(text).toStdString());
    return value;
}

FrameRequest ParseRequest(const QStringList& arguments)
{
    if (arguments.size() < 4)
        throw SkinToolUsageError();
    FrameRequest request;
    request.file = arguments[0];
    request.width = ParseSide(arguments[1]);
    request.height = ParseSide(arguments[2]);
    request.output = arguments[3];
    for (int i = 4; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--inactive"))
            request.inactive = true;
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

    const OpenedSkin opened = OpenSkinFile(request.file);
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(CompressSkinPackage(opened.package));
    TbsSkinData skin;
    skin.LoadCompressedStoredSkin(stored);

    // The window is framed by the very controller the program uses.
    QWidget form;
    auto* controller = new TbsSkinForm(&form);
    controller->SetSkinData(&skin);
    form.setWindowTitle(request.caption.value_or(skin.SkinName()));
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
