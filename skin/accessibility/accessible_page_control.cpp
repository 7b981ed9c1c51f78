#include "skin/accessibility/accessible_page_control.h"

#include "skin/accessibility/accessible_page_tab.h"
#include "skin/controls/page_control.h"
#include "skin/controls/tab_sheet.h"

AccessiblePageControl::AccessiblePageControl(TbsSkinPageControl* control)
    : QAccessibleWidget(control, QAccessible::PageTabList)
{
}

AccessiblePageControl::~AccessiblePageControl()
{
    for (const auto& [page, id] : m_tabs)
        QAccessible::deleteAccessibleInterface(id);
}

TbsSkinPageControl* AccessiblePageControl::Control() const
{
    return static_cast<TbsSkinPageControl*>(widget());
}

QWidgetList AccessiblePageControl::OtherChildren() const
{
    QWidgetList others;
    const TbsSkinPageControl* control = Control();
    for (QObject* object : control->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget->isWindow())
            continue;
        const auto* page = qobject_cast<const TbsSkinTabSheet*>(widget);
        if (page && control->IndexOfPage(page) != -1 && page->TabVisible())
            continue;
        others << widget;
    }
    return others;
}

int AccessiblePageControl::childCount() const
{
    return Control()->VisibleTabCount() + static_cast<int>(OtherChildren().size());
}

AccessiblePageTab* AccessiblePageControl::TabOf(TbsSkinTabSheet* page) const
{
    if (const auto known = m_tabs.find(page); known != m_tabs.end()) {
        auto* tab = static_cast<AccessiblePageTab*>(QAccessible::accessibleInterface(known->second));
        if (tab && tab->isValid() && tab->Page() == page)
            return tab;
        // The page this entry was made for is gone; its address is reused.
        QAccessible::deleteAccessibleInterface(known->second);
        m_tabs.erase(known);
    }
    auto* tab = new AccessiblePageTab(Control(), page);
    m_tabs.emplace(page, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

QAccessibleInterface* AccessiblePageControl::child(int index) const
{
    const int tabs = Control()->VisibleTabCount();
    if (index < 0)
        return nullptr;
    if (index < tabs)
        return TabOf(Control()->PageOfVisibleTab(index));
    const QWidgetList others = OtherChildren();
    return index - tabs < others.size() ? QAccessible::queryAccessibleInterface(others[index - tabs]) : nullptr;
}

int AccessiblePageControl::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    const int tabs = Control()->VisibleTabCount();
    if (child->role() == QAccessible::PageTab && !child->object()) {
        for (int i = 0; i < tabs; ++i) {
            const auto known = m_tabs.find(Control()->PageOfVisibleTab(i));
            if (known != m_tabs.end() && QAccessible::accessibleInterface(known->second) == child)
                return i;
        }
        return -1;
    }
    const int widgetIndex = static_cast<int>(OtherChildren().indexOf(qobject_cast<QWidget*>(child->object())));
    return widgetIndex < 0 ? -1 : tabs + widgetIndex;
}

QAccessibleInterface* AccessiblePageControl::focusChild() const
{
    const TbsSkinPageControl* control = Control();
    if (control->hasFocus()) {
        for (int i = 0; i < control->VisibleTabCount(); ++i) {
            if (control->PageOfVisibleTab(i) == control->ActivePage())
                return child(i);
        }
    }
    return QAccessibleWidget::focusChild();
}
