#pragma once

#include <QAccessibleWidget>

class TbsSkinScrollBar;

// A skinned scroll bar: its position and range through the value interface;
// setting the value moves the bar as dragging its thumb does.
class AccessibleScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleScrollBar(TbsSkinScrollBar* bar);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TbsSkinScrollBar* Bar() const;
};
