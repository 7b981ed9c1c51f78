#include "skin/accessibility/accessible_menu_row.h"

#include "skin/accessibility/accessible_names.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"

AccessibleMenuRow::AccessibleMenuRow(TbsSkinPopupWindow* window, int index)
    : m_window(window)
    , m_index(index)
{
}

const TbsMenuItem* AccessibleMenuRow::Item() const
{
    if (!m_window || m_index < 0 || m_index >= static_cast<int>(m_window->Items().size()))
        return nullptr;
    return m_window->Items()[static_cast<std::size_t>(m_index)].menuItem;
}

bool AccessibleMenuRow::isValid() const
{
    return Item() != nullptr;
}

QAccessibleInterface* AccessibleMenuRow::parent() const
{
    return QAccessible::queryAccessibleInterface(m_window.data());
}

QAccessible::Role AccessibleMenuRow::role() const
{
    const TbsMenuItem* item = Item();
    return item && item->IsSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QString AccessibleMenuRow::text(QAccessible::Text t) const
{
    const TbsMenuItem* item = Item();
    if (!item || item->IsSeparator())
        return {};
    switch (t) {
    case QAccessible::Name:
        return AccessibleCaption(item->Caption());
    case QAccessible::Accelerator:
        return MenuItemShortCutText(item->ShortCut());
    default:
        return {};
    }
}

QRect AccessibleMenuRow::rect() const
{
    if (!isValid())
        return {};
    return m_window->ItemScreenRect(m_index);
}

QAccessible::State AccessibleMenuRow::state() const
{
    QAccessible::State state;
    const TbsMenuItem* item = Item();
    if (!item) {
        state.invalid = true;
        return state;
    }
    const TbsSkinMenuItem& row = m_window->Items()[static_cast<std::size_t>(m_index)];
    state.disabled = !item->Enabled();
    state.invisible = !row.visible || !m_window->isVisible();
    state.checkable = item->Checked() || item->RadioItem();
    state.checked = item->Checked();
    state.hasPopup = item->Count() > 0;
    const bool selectable = item->Enabled() && !item->IsSeparator();
    state.focusable = selectable;
    state.selectable = selectable;
    state.focused = selectable && m_window->ActiveItem() == m_index;
    state.selected = state.focused;
    return state;
}

QStringList AccessibleMenuRow::actionNames() const
{
    const TbsMenuItem* item = Item();
    if (!item || !item->Enabled() || item->IsSeparator())
        return {};
    return { pressAction() };
}

void AccessibleMenuRow::doAction(const QString& actionName)
{
    if (actionName == pressAction() && actionNames().contains(actionName))
        m_window->Menu().ItemCommand(*m_window, m_index);
}

QStringList AccessibleMenuRow::keyBindingsForAction(const QString& actionName) const
{
    const QString shortCut = text(QAccessible::Accelerator);
    if (actionName != pressAction() || shortCut.isEmpty())
        return {};
    return { shortCut };
}
