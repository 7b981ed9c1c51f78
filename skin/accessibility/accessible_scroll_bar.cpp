#include "skin/accessibility/accessible_scroll_bar.h"

#include "skin/controls/scroll_bar.h"

AccessibleScrollBar::AccessibleScrollBar(TbsSkinScrollBar* bar)
    : QAccessibleWidget(bar, QAccessible::ScrollBar)
{
}

TbsSkinScrollBar* AccessibleScrollBar::Bar() const
{
    return static_cast<TbsSkinScrollBar*>(widget());
}

void* AccessibleScrollBar::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleScrollBar::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QString::number(Bar()->Position());
    return QAccessibleWidget::text(t);
}

QVariant AccessibleScrollBar::currentValue() const
{
    return Bar()->Position();
}

void AccessibleScrollBar::setCurrentValue(const QVariant& value)
{
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (isNumber && Bar()->isEnabled())
        Bar()->SetPosition(number);
}

QVariant AccessibleScrollBar::maximumValue() const
{
    return Bar()->Max();
}

QVariant AccessibleScrollBar::minimumValue() const
{
    return Bar()->Min();
}

QVariant AccessibleScrollBar::minimumStepSize() const
{
    return Bar()->SmallChange();
}
