#include "tools/skin/render_menu_command.h"

#include "skin/data/skin_data.h"
#include "app/window/main_window_border_icons.h"
#include "skin/controls/edit_context_menu.h"
#include "skin/frame/system_menu.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/popup_face.h"
#include "tools/skin/skin_file_reader.h"
#include "tools/skin/skin_tool_command.h"

#include <QApplication>
#include <QWidget>
#include <QPainter>

namespace {

// A preview is never scrolled: any sample fits a screen this high.
constexpr int kPreviewScreenHeight = 4096;

struct RenderMenuRequest {
    QString file;
    QString output;
    QString menu { QStringLiteral("edit") };
    int active { -1 };
};

RenderMenuRequest ParseRequest(const QStringList& arguments)
{
    if (arguments.size() < 2)
        throw SkinToolUsageError();
    RenderMenuRequest request { arguments[0], arguments[1] };
    for (int i = 2; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size())
            throw SkinToolUsageError();
        if (arguments[i] == QStringLiteral("--menu")) {
            request.menu = arguments[i + 1];
            if (request.menu != QStringLiteral("edit") && request.menu != QStringLiteral("system"))
                throw SkinToolError(QStringLiteral("unknown menu '%1' (edit or system)").arg(request.menu).toStdString());
        } else if (arguments[i] == QStringLiteral("--active")) {
            bool ok = false;
            request.active = arguments[i + 1].toInt(&ok);
            if (!ok)
                throw SkinToolError(QStringLiteral("N must be a row number, not '%1'").arg(arguments[i + 1]).toStdString());
        } else {
            throw SkinToolUsageError();
        }
    }
    return request;
}

// The memo's context menu as it opens over a selection with text on the
// clipboard: every row enabled.
std::unique_ptr<TbsMenuItem> EditMenu(const TbsSkinData& skin)
{
    EditMenuCommands commands;
    commands.canUndo = commands.canCut = commands.canCopy = commands.canPaste = commands.canDelete
        = commands.canSelectAll = true;
    return CreateEditContextMenu(commands, &skin);
}

// The rows the frame gives the main window's system menu, for a window in its
// normal state.
std::unique_ptr<TbsMenuItem> SystemMenu(TbsSkinData& skin)
{
    QWidget form;
    auto* controller = new TbsSkinForm(&form);
    controller->SetBorderIcons(MainWindowBorderIcons());
    controller->SetSkinData(&skin);
    // The controller's own system menu, which sees the window's state.
    return controller->findChild<TbsSystemMenu*>()->BuildDefaultMenu();
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
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw SkinToolError("render-menu needs a widget application");

    const std::unique_ptr<TbsSkinData> skin = LoadSkinData(OpenSkin(request.file));

    const std::unique_ptr<TbsMenuItem> menu = request.menu == QStringLiteral("system") ? SystemMenu(*skin) : EditMenu(*skin);
    const int active = request.active < 0 ? FirstEnabledRow(*menu) : request.active;
    if (active >= menu->Count())
        throw SkinToolError(
            QStringLiteral("the menu has rows 0 to %1, not %2").arg(menu->Count() - 1).arg(active).toStdString());

    PopupLookOptions options;
    options.defaultFont = DefaultMenuItemFont();
    PopupFace face(LookUpPopupLook(skin.get(), options), *menu, 0, 0, kPreviewScreenHeight);
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
