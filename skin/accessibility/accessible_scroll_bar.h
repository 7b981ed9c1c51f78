#pragma once

#include "skin/accessibility/accessible_range_control.h"

class TbsSkinScrollBar;

// A skinned scroll bar: its position and range; setting the value moves the
// bar as dragging its thumb does.
class AccessibleScrollBar : public AccessibleRangeControl {
public:
    explicit AccessibleScrollBar(TbsSkinScrollBar* bar);

protected:
    int Value() const override;
    void SetValue(int value) override;
    int Minimum() const override;
    int Maximum() const override;
    int Step() const override;

private:
    TbsSkinScrollBar* Bar() const;
};
