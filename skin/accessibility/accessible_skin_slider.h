#pragma once

#include <QAccessibleWidget>

class TbsSkinSlider;

// A skinned slider: its value, range and step, settable through the value
// interface; named by its label.
class AccessibleSkinSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSkinSlider(TbsSkinSlider* slider);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TbsSkinSlider* Slider() const;
};
