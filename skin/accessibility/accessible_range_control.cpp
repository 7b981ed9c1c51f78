#include "skin/accessibility/accessible_range_control.h"

#include <QWidget>

AccessibleRangeControl::AccessibleRangeControl(QWidget* control, QAccessible::Role role)
    : QAccessibleWidget(control, role)
{
}

void* AccessibleRangeControl::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleRangeControl::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QString::number(Value());
    return QAccessibleWidget::text(t);
}

QVariant AccessibleRangeControl::currentValue() const { return Value(); }

void AccessibleRangeControl::setCurrentValue(const QVariant& value)
{
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (isNumber && widget()->isEnabled())
        SetValue(number);
}

QVariant AccessibleRangeControl::maximumValue() const { return Maximum(); }

QVariant AccessibleRangeControl::minimumValue() const { return Minimum(); }

QVariant AccessibleRangeControl::minimumStepSize() const { return Step(); }
