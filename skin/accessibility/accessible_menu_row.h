#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class TbsMenuItem;
class TbsSkinPopupWindow;

// One row of an open skinned menu window: a menu item named by its caption,
// with its short cut, enabled and checked states, highlighted as focused;
// a separator row is a separator. Its press action runs the row as a click
// does (a submenu opens). The window lays its rows out and owns these.
class AccessibleMenuRow : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleMenuRow(TbsSkinPopupWindow* window, int index);

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
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    const TbsMenuItem* Item() const;

    QPointer<TbsSkinPopupWindow> m_window;
    int m_index;
};
