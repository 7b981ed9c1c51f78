#pragma once

#include "skin/accessibility/accessible_range_control.h"

class TbsSkinGauge;

// A skinned gauge as a progress bar: its value and range, read-only; its
// value text is the percentage done.
class AccessibleSkinGauge : public AccessibleRangeControl {
public:
    explicit AccessibleSkinGauge(TbsSkinGauge* gauge);

    QString text(QAccessible::Text t) const override;

protected:
    int Value() const override;
    // A progress bar is only read.
    void SetValue(int) override { }
    int Minimum() const override;
    int Maximum() const override;
    int Step() const override { return 0; }

private:
    TbsSkinGauge* Gauge() const;
};
