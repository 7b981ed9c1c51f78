#pragma once

#include <QAccessibleWidget>

class TbsSkinCheckRadioBox;

// A skinned check box or radio button with its checked (or grayed) state and
// a toggle action that toggles it as the space key does.
class AccessibleCheckRadioBox : public QAccessibleWidget {
public:
    explicit AccessibleCheckRadioBox(TbsSkinCheckRadioBox* box);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TbsSkinCheckRadioBox* Box() const;
};
