#include "skin/controls/edit_context_menu.h"

#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

void AddItem(TbsMenuItem& menu, const TbsSkinData* skinData, const QString& textName, bool enabled,
    const std::function<void()>& action)
{
    TbsMenuItem* item = menu.Add(SkinResStr(skinData, textName), action);
    item->SetName(textName);
    item->SetEnabled(enabled && action);
}

} // namespace

std::unique_ptr<TbsMenuItem> CreateEditContextMenu(const EditMenuCommands& commands, const TbsSkinData* skinData)
{
    auto menu = std::make_unique<TbsMenuItem>();
    AddItem(*menu, skinData, QStringLiteral("EDIT_UNDO"), commands.canUndo, commands.undo);
    menu->AddSeparator();
    AddItem(*menu, skinData, QStringLiteral("EDIT_CUT"), commands.canCut, commands.cut);
    AddItem(*menu, skinData, QStringLiteral("EDIT_COPY"), commands.canCopy, commands.copy);
    AddItem(*menu, skinData, QStringLiteral("EDIT_PASTE"), commands.canPaste, commands.paste);
    AddItem(*menu, skinData, QStringLiteral("EDIT_DELETE"), commands.canDelete, commands.deleteSelection);
    menu->AddSeparator();
    AddItem(*menu, skinData, QStringLiteral("EDIT_SELECTALL"), commands.canSelectAll, commands.selectAll);
    return menu;
}

bool IsContextMenuShortcut(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    return key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier;
}

EditContextMenu::EditContextMenu(QWidget& control)
    : QObject(&control)
    , m_control(control)
{
}

EditContextMenu::~EditContextMenu()
{
    // An open menu must not outlive its items.
    if (m_engine)
        m_engine->CloseIfShowing(m_menu.get());
}

void EditContextMenu::Show(const EditMenuCommands& commands, TbsSkinData* skinData, const QPoint& globalPos)
{
    std::unique_ptr<TbsMenuItem> menu = CreateEditContextMenu(commands, skinData);
    m_engine = TbsSkinMenu::Of(&m_control);
    // The menu shown before closes with its notifications, so the window's
    // frame hears of it; the old items go only after.
    if (m_engine->Visible())
        m_engine->CloseMenus();
    m_engine->FrameMenuOpening();
    m_engine->PopupAt(this, skinData, false, menu.get(), SkinRect { globalPos.x(), globalPos.y(), globalPos.x(), globalPos.y() });
    m_menu = std::move(menu);
    if (!m_engine->Visible())
        m_engine->CloseMenus();
}

bool EditContextMenu::event(QEvent* event)
{
    if (event->type() == WM_SKINMENU_COMMAND) {
        m_menu.reset();
        return true;
    }
    return QObject::event(event);
}
