#pragma once

#include <QAccessibleWidget>
#include <map>

class TbsSkinPopupWindow;

// One open window of a skinned menu as a popup menu, named by the item whose
// children it shows; its children are its rows, in order. It owns the rows'
// interfaces, registered with QAccessible.
class AccessiblePopupMenu : public QAccessibleWidget {
public:
    explicit AccessiblePopupMenu(TbsSkinPopupWindow* window);
    ~AccessiblePopupMenu() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    // The highlighted row.
    QAccessibleInterface* focusChild() const override;

private:
    TbsSkinPopupWindow* Window() const;

    mutable std::map<int, QAccessible::Id> m_rows;
};
