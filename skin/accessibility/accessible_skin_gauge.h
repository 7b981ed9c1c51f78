#pragma once

#include <QAccessibleWidget>

class TbsSkinGauge;

// A skinned gauge as a progress bar: its value and range, read-only; its
// value text is the percentage done.
class AccessibleSkinGauge : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSkinGauge(TbsSkinGauge* gauge);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override { }
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 0; }

private:
    TbsSkinGauge* Gauge() const;
};
