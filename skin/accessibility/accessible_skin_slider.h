#pragma once

#include "skin/accessibility/accessible_range_control.h"

class TbsSkinSlider;

// A skinned slider: its value, range and step, settable; named by its label.
class AccessibleSkinSlider : public AccessibleRangeControl {
public:
    explicit AccessibleSkinSlider(TbsSkinSlider* slider);

    QString text(QAccessible::Text t) const override;

protected:
    int Value() const override;
    void SetValue(int value) override;
    int Minimum() const override;
    int Maximum() const override;
    int Step() const override;

private:
    TbsSkinSlider* Slider() const;
};
