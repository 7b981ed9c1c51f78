#pragma once

#include "skin/accessibility/accessible_leaf.h"

#include <QPointer>

class TbsSkinForm;
class TbsSkinStdButtonObject;

// One caption button of a skinned frame (minimize, maximize, close, the
// system menu, ...) as a push button named as its row of the system menu is.
// Frame buttons are painted, not widgets, and the frame makes them anew at
// every skin change, so the interface finds its button by the object's name
// at each call. Its press action runs the button's own click.
class AccessibleCaptionButton : public AccessibleLeaf {
public:
    AccessibleCaptionButton(TbsSkinForm* skinForm, const QString& idName);

    const QString& IDName() const { return m_idName; }
    // The button now, null while the frame has none of this name.
    TbsSkinStdButtonObject* Button() const;

    bool isValid() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    QAccessible::State state() const override;

    void doAction(const QString& actionName) override;

private:
    QPointer<TbsSkinForm> m_skinForm;
    QString m_idName;
};
