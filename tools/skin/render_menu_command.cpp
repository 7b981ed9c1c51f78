#include "tools/skin/render_menu_command.h"

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_data.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/popup_face.h"
#include "tools/skin/skin_file_reader.h"
#include "tools/skin/skin_tool_command.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

// A preview is never scrolled: any sample fits a screen this high.
constexpr int kPreviewScreenHeight = 4096;

struct RenderMenuRequest {
    QString file;
    QString output;
    int active { -1 };
};

RenderMenuRequest ParseRequest(const QStringList& arguments)
{
    if (arguments.size() != 2 && arguments.size() != 4)
        throw SkinToolUsageError();
    RenderMenuRequest request { arguments[0], arguments[1] };
    if (arguments.size() == 4) {
        if (arguments[2] != QStringLiteral("--active"))
            throw SkinToolUsageError();
        bool ok = false;
        request.active = arguments[3].toInt(&ok);
        if (!ok)
            throw SkinToolError(QStringLiteral("N must be a row number, not '%1'").arg(arguments[3]).toStdString());
    }
    return request;
}

std::unique_ptr<TbsMenuItem> SampleMenu()
{
    auto menu = std::make_unique<TbsMenuItem>();
    menu->Add(QStringLiteral("&Undo"))->SetShortCut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menu->AddSeparator();
    menu->Add(QStringLiteral("Cu&t"))->SetShortCut(QKeySequence(Qt::CTRL | Qt::Key_X));
    menu->Add(QStringLiteral("&Copy"))->SetShortCut(QKeySequence(Qt::CTRL | Qt::Key_C));
    menu->Add(QStringLiteral("&Paste"))->SetEnabled(false);
    menu->AddSeparator();
    menu->Add(QStringLiteral("&Word wrap"))->SetChecked(true);
    TbsMenuItem* recent = menu->Add(QStringLiteral("&Recent articles"));
    recent->Add(QStringLiteral("article.txt"));
    return menu;
}

// The first row that a menu highlights when it opens.
int FirstEnabledRow(const TbsMenuItem& menu)
{
    for (int i = 0; i < menu.Count(); ++i) {
        if (menu.Items(i)->Enabled() && !menu.Items(i)->IsSeparator())
            return i;
    }
    return -1;
}

} // namespace

void RunRenderMenuCommand(const QStringList& arguments, QTextStream& out)
{
    RenderMenuRequest const request = ParseRequest(arguments);
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw SkinToolError("render-menu needs a GUI application for its fonts");

    OpenedSkin const opened = OpenSkinFile(request.file);
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(CompressSkinPackage(opened.package));
    TbsSkinData skin;
    skin.LoadCompressedStoredSkin(stored);

    const std::unique_ptr<TbsMenuItem> menu = SampleMenu();
    const int active = request.active < 0 ? FirstEnabledRow(*menu) : request.active;
    if (active >= menu->Count())
        throw SkinToolError(
            QStringLiteral("the sample menu has rows 0 to %1, not %2").arg(menu->Count() - 1).arg(active).toStdString());

    PopupLookOptions options;
    options.defaultFont = DefaultMenuItemFont();
    PopupFace face(LookUpPopupLook(&skin, options), *menu, 0, 0, kPreviewScreenHeight);
    face.Items()[static_cast<std::size_t>(active)].active = true;
    face.Items()[static_cast<std::size_t>(active)].morph = 1;
    QImage image = face.Render(PopupScrollCode::None);
    // What the window's shape leaves out shows as white.
    if (const std::optional<QRegion> region = face.Region()) {
        QPainter painter(&image);
        for (const QRect& rect : QRegion(image.rect()).subtracted(*region))
            painter.fillRect(rect, Qt::white);
    }
    if (!image.save(request.output, "PNG"))
        throw SkinToolError(QStringLiteral("cannot write '%1'").arg(request.output).toStdString());
    out << image.width() << " x " << image.height() << '\n';
}
