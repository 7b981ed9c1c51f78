#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class TbsSkinForm;
class TbsSkinStdButtonObject;

// One caption button of a skinned frame (minimize, maximize, close, the
// system menu, ...) as a push button named as its row of the system menu is.
// Frame buttons are painted, not widgets, and the frame makes them anew at
// every skin change, so the interface finds its button by the object's name
// at each call. Its press action runs the button's own click.
class AccessibleCaptionButton : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleCaptionButton(TbsSkinForm* skinForm, const QString& idName);

    const QString& IDName() const { return m_idName; }
    // The button now, null while the frame has none of this name.
    TbsSkinStdButtonObject* Button() const;

    void* interface_cast(QAccessible::InterfaceType type) override;
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TbsSkinForm> m_skinForm;
    QString m_idName;
};
