#include "skin/accessibility/accessible_page_tab.h"

#include "skin/accessibility/accessible_page_control.h"
#include "skin/controls/page_control.h"
#include "skin/controls/tab_sheet.h"

AccessiblePageTab::AccessiblePageTab(TbsSkinPageControl* control, TbsSkinTabSheet* page)
    : m_control(control)
    , m_page(page)
{
}

bool AccessiblePageTab::isValid() const
{
    return m_control && m_page && m_page->PageControl() == m_control;
}

QAccessibleInterface* AccessiblePageTab::parent() const
{
    return QAccessible::queryAccessibleInterface(m_control.data());
}

int AccessiblePageTab::childCount() const
{
    return isValid() ? 1 : 0;
}

QAccessibleInterface* AccessiblePageTab::child(int index) const
{
    return index == 0 && isValid() ? QAccessible::queryAccessibleInterface(m_page.data()) : nullptr;
}

int AccessiblePageTab::indexOfChild(const QAccessibleInterface* child) const
{
    return child && isValid() && child->object() == m_page ? 0 : -1;
}

int AccessiblePageTab::VisibleIndex() const
{
    if (!isValid())
        return -1;
    for (int i = 0; i < m_control->VisibleTabCount(); ++i) {
        if (m_control->PageOfVisibleTab(i) == m_page)
            return i;
    }
    return -1;
}

QString AccessiblePageTab::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && m_page)
        return m_page->Caption();
    return {};
}

QRect AccessiblePageTab::rect() const
{
    const int index = VisibleIndex();
    if (index < 0)
        return {};
    const QRect tab = m_control->TabRect(index);
    return QRect(m_control->mapToGlobal(tab.topLeft()), tab.size());
}

QAccessible::State AccessiblePageTab::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.selected = m_control->ActivePage() == m_page;
    state.focusable = m_control->focusPolicy() != Qt::NoFocus;
    state.focused = state.selected && m_control->hasFocus();
    state.invisible = VisibleIndex() < 0 || !m_control->isVisible();
    state.disabled = !m_control->isEnabled();
    return state;
}

void AccessiblePageTab::doAction(const QString& actionName)
{
    if (actionName == pressAction() && VisibleIndex() >= 0 && m_control->isEnabled())
        m_control->SelectByUser(m_page);
}

AccessibleTabPage::AccessibleTabPage(TbsSkinTabSheet* page)
    : AccessibleNamedWidget(page, QAccessible::Pane, [](const QWidget& widget) {
        return static_cast<const TbsSkinTabSheet&>(widget).Caption();
    })
{
}

QAccessibleInterface* AccessibleTabPage::parent() const
{
    auto* page = static_cast<TbsSkinTabSheet*>(widget());
    TbsSkinPageControl* control = page->PageControl();
    auto* list = control ? dynamic_cast<AccessiblePageControl*>(QAccessible::queryAccessibleInterface(control)) : nullptr;
    if (list) {
        if (AccessiblePageTab* tab = list->TabOf(page); tab && tab->VisibleIndex() >= 0)
            return tab;
    }
    return AccessibleNamedWidget::parent();
}
