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

// The first row that a menu highlights when it opens; -1 for none.
int FirstEnabledRow(const PopupFace& face)
{
    for (std::size_t i = 0; i < face.Items().size(); ++i) {
        const TbsMenuItem& item = *face.Items()[i].menuItem;
        if (item.Enabled() && !item.IsSeparator())
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

std::unique_ptr<TbsMenuItem> SampleEditMenu(const TbsSkinData& skin, bool canPaste)
{
    const auto nothing = [] {};
    EditMenuCommands commands;
    commands.canUndo = commands.canCut = commands.canCopy = commands.canDelete = commands.canSelectAll = true;
    commands.canPaste = canPaste;
    commands.undo = commands.cut = commands.copy = commands.paste = commands.deleteSelection = commands.selectAll
        = nothing;
    return CreateEditContextMenu(commands, &skin);
}

void RunRenderMenuCommand(const QStringList& arguments, QTextStream& out)
{
    RenderMenuRequest const request = ParseRequest(arguments);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw SkinToolError("render-menu needs a widget application");

    const std::unique_ptr<TbsSkinData> skin = LoadSkinData(OpenSkin(request.file));

    const std::unique_ptr<TbsMenuItem> menu
        = request.menu == QStringLiteral("system") ? SystemMenu(*skin) : SampleEditMenu(*skin, true);

    PopupLookOptions options;
    options.defaultFont = DefaultMenuItemFont();
    PopupFace face(LookUpPopupLook(skin.get(), options), *menu, 0, 0, kPreviewScreenHeight);
    // The rows are the ones the menu shows.
    const int rows = static_cast<int>(face.Items().size());
    const int active = request.active < 0 ? FirstEnabledRow(face) : request.active;
    if (active >= rows)
        throw SkinToolError(
            QStringLiteral("the menu has rows 0 to %1, not %2").arg(rows - 1).arg(active).toStdString());
    if (active >= 0) {
        face.Items()[static_cast<std::size_t>(active)].active = true;
        face.Items()[static_cast<std::size_t>(active)].morph = 1;
    }
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
