#include "skin/accessibility/accessible_skin_gauge.h"

#include "skin/controls/skin_gauge.h"

#include <cmath>

AccessibleSkinGauge::AccessibleSkinGauge(TbsSkinGauge* gauge)
    : AccessibleRangeControl(gauge, QAccessible::ProgressBar)
{
}

TbsSkinGauge* AccessibleSkinGauge::Gauge() const { return static_cast<TbsSkinGauge*>(widget()); }

QString AccessibleSkinGauge::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QStringLiteral("%1%").arg(static_cast<int>(std::floor(Gauge()->Fraction() * 100)));
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return Gauge()->ProgressText();
    return AccessibleRangeControl::text(t);
}

int AccessibleSkinGauge::Value() const { return Gauge()->Value(); }

int AccessibleSkinGauge::Minimum() const { return Gauge()->MinValue(); }

int AccessibleSkinGauge::Maximum() const { return Gauge()->MaxValue(); }
