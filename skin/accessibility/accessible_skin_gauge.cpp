#include "skin/accessibility/accessible_skin_gauge.h"

#include "skin/controls/skin_gauge.h"

#include <cmath>

AccessibleSkinGauge::AccessibleSkinGauge(TbsSkinGauge* gauge)
    : QAccessibleWidget(gauge, QAccessible::ProgressBar)
{
}

TbsSkinGauge* AccessibleSkinGauge::Gauge() const
{
    return static_cast<TbsSkinGauge*>(widget());
}

void* AccessibleSkinGauge::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleSkinGauge::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QStringLiteral("%1%").arg(static_cast<int>(std::floor(Gauge()->Fraction() * 100)));
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return Gauge()->ProgressText();
    return QAccessibleWidget::text(t);
}

QVariant AccessibleSkinGauge::currentValue() const
{
    return Gauge()->Value();
}

QVariant AccessibleSkinGauge::maximumValue() const
{
    return Gauge()->MaxValue();
}

QVariant AccessibleSkinGauge::minimumValue() const
{
    return Gauge()->MinValue();
}
