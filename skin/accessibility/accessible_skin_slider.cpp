#include "skin/accessibility/accessible_skin_slider.h"

#include "skin/accessibility/accessible_names.h"
#include "skin/controls/skin_slider.h"

AccessibleSkinSlider::AccessibleSkinSlider(TbsSkinSlider* slider)
    : AccessibleRangeControl(slider, QAccessible::Slider)
{
}

TbsSkinSlider* AccessibleSkinSlider::Slider() const { return static_cast<TbsSkinSlider*>(widget()); }

QString AccessibleSkinSlider::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return LabelledNameOf(*widget());
    return AccessibleRangeControl::text(t);
}

int AccessibleSkinSlider::Value() const { return Slider()->Value(); }

void AccessibleSkinSlider::SetValue(int value) { Slider()->SetValue(value); }

int AccessibleSkinSlider::Minimum() const { return Slider()->MinValue(); }

int AccessibleSkinSlider::Maximum() const { return Slider()->MaxValue(); }

int AccessibleSkinSlider::Step() const { return Slider()->Increment(); }
