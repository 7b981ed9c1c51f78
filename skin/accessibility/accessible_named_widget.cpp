#include "skin/accessibility/accessible_named_widget.h"

#include <QWidget>

AccessibleNamedWidget::AccessibleNamedWidget(QWidget* widget, QAccessible::Role role, NameOf nameOf)
    : QAccessibleWidget(widget, role)
    , m_nameOf(std::move(nameOf))
{
}

QString AccessibleNamedWidget::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return m_nameOf(*widget());
    return QAccessibleWidget::text(t);
}
