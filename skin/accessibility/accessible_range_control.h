#pragma once

#include <QAccessibleWidget>

// A skinned control that holds a value in a range (slider, scroll bar,
// gauge): its value, range and step through the value interface. Setting the
// value goes through the control's own setter, as the user's input does, and
// only while the control is enabled.
class AccessibleRangeControl : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    AccessibleRangeControl(QWidget* control, QAccessible::Role role);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

protected:
    virtual int Value() const = 0;
    virtual void SetValue(int value) = 0;
    virtual int Minimum() const = 0;
    virtual int Maximum() const = 0;
    virtual int Step() const = 0;
};
