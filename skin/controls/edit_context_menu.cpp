#include "skin/controls/edit_context_menu.h"

#include <QMenu>

namespace {

void AddItem(QMenu& menu, const QString& text, bool enabled, const std::function<void()>& action)
{
    QAction* item = menu.addAction(text);
    item->setEnabled(enabled && action);
    if (action)
        QObject::connect(item, &QAction::triggered, item, action);
}

} // namespace

std::unique_ptr<QMenu> CreateEditContextMenu(const EditMenuCommands& commands)
{
    auto menu = std::make_unique<QMenu>();
    AddItem(*menu, QStringLiteral("Undo"), commands.canUndo, commands.undo);
    menu->addSeparator();
    AddItem(*menu, QStringLiteral("Cut"), commands.canCut, commands.cut);
    AddItem(*menu, QStringLiteral("Copy"), commands.canCopy, commands.copy);
    AddItem(*menu, QStringLiteral("Paste"), commands.canPaste, commands.paste);
    AddItem(*menu, QStringLiteral("Delete"), commands.canDelete, commands.deleteSelection);
    menu->addSeparator();
    AddItem(*menu, QStringLiteral("Select All"), commands.canSelectAll, commands.selectAll);
    return menu;
}
