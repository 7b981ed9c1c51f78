#include "skin/accessibility/accessible_skin_slider.h"

#include "skin/accessibility/accessible_names.h"
#include "skin/controls/skin_slider.h"

AccessibleSkinSlider::AccessibleSkinSlider(TbsSkinSlider* slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
{
}

TbsSkinSlider* AccessibleSkinSlider::Slider() const
{
    return static_cast<TbsSkinSlider*>(widget());
}

void* AccessibleSkinSlider::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleSkinSlider::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return LabelledNameOf(*widget());
    case QAccessible::Value:
        return QString::number(Slider()->Value());
    default:
        return QAccessibleWidget::text(t);
    }
}

QVariant AccessibleSkinSlider::currentValue() const
{
    return Slider()->Value();
}

void AccessibleSkinSlider::setCurrentValue(const QVariant& value)
{
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (isNumber && Slider()->isEnabled())
        Slider()->SetValue(number);
}

QVariant AccessibleSkinSlider::maximumValue() const
{
    return Slider()->MaxValue();
}

QVariant AccessibleSkinSlider::minimumValue() const
{
    return Slider()->MinValue();
}

QVariant AccessibleSkinSlider::minimumStepSize() const
{
    return Slider()->Increment();
}
