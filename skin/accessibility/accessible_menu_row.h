#pragma once

#include "skin/accessibility/accessible_leaf.h"

#include <QPointer>

class TbsMenuItem;
class TbsSkinPopupWindow;

// One row of an open skinned menu window: a menu item named by its caption,
// with its short cut, enabled and checked states, highlighted as focused;
// a separator row is a separator. Its press action runs the row as a click
// does (a submenu opens). The window lays its rows out and owns these.
class AccessibleMenuRow : public AccessibleLeaf {
public:
    AccessibleMenuRow(TbsSkinPopupWindow* window, int index);

    bool isValid() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
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
