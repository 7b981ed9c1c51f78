#pragma once

#include <QAccessibleWidget>

class TbsSkinButton;

// A skinned button as a push button named by its caption. Its press action
// runs the button's own click, so the command behaves as for a mouse click;
// a grouped button is a checkable one that stays down.
class AccessibleSkinButton : public QAccessibleWidget {
public:
    explicit AccessibleSkinButton(TbsSkinButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TbsSkinButton* Button() const;
};
