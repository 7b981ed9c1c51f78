#include "skin/accessibility/accessible_popup_menu.h"

#include "skin/accessibility/accessible_menu_row.h"
#include "skin/accessibility/accessible_names.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_popup_window.h"

AccessiblePopupMenu::AccessiblePopupMenu(TbsSkinPopupWindow* window)
    : QAccessibleWidget(window, QAccessible::PopupMenu)
{
}

AccessiblePopupMenu::~AccessiblePopupMenu()
{
    for (const auto& [index, id] : m_rows)
        QAccessible::deleteAccessibleInterface(id);
}

TbsSkinPopupWindow* AccessiblePopupMenu::Window() const
{
    return static_cast<TbsSkinPopupWindow*>(widget());
}

QString AccessiblePopupMenu::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return AccessibleCaption(Window()->ParentItem().Caption());
    return QAccessibleWidget::text(t);
}

int AccessiblePopupMenu::childCount() const
{
    return static_cast<int>(Window()->Items().size());
}

QAccessibleInterface* AccessiblePopupMenu::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto known = m_rows.find(index); known != m_rows.end())
        return QAccessible::accessibleInterface(known->second);
    auto* row = new AccessibleMenuRow(Window(), index);
    m_rows.emplace(index, QAccessible::registerAccessibleInterface(row));
    return row;
}

int AccessiblePopupMenu::indexOfChild(const QAccessibleInterface* child) const
{
    for (const auto& [index, id] : m_rows) {
        if (QAccessible::accessibleInterface(id) == child)
            return index;
    }
    return -1;
}

QAccessibleInterface* AccessiblePopupMenu::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* row = child(i);
        if (!row->state().invisible && row->rect().contains(x, y))
            return row;
    }
    return nullptr;
}

QAccessibleInterface* AccessiblePopupMenu::focusChild() const
{
    const int active = Window()->ActiveItem();
    return active >= 0 ? child(active) : nullptr;
}
