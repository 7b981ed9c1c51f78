#pragma once

#include <QAccessibleInterface>

// A part of a control that has no widget of its own and no children (a page
// tab, a caption button, a menu row) and that can be pressed: what such an
// interface leaves to the owner that lays the parts out.
class AccessibleLeaf : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override { }
    // Pressing is the one action; a part that cannot be pressed now says so.
    QStringList actionNames() const override { return { pressAction() }; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};
