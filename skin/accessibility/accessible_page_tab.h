#pragma once

#include "skin/accessibility/accessible_leaf.h"
#include "skin/accessibility/accessible_named_widget.h"

#include <QPointer>

class TbsSkinPageControl;
class TbsSkinTabSheet;

// The tab of one page of a skinned page control: a page tab named by the
// page's caption, selected while its page is active, with a press action
// that switches to its page as a click on the tab does. Its one child is the
// page with the page's contents, as a page tab holds its page in a tab
// list. It has no widget of its own; the page control lays its tabs out and
// owns these interfaces.
class AccessiblePageTab : public AccessibleLeaf {
public:
    AccessiblePageTab(TbsSkinPageControl* control, TbsSkinTabSheet* page);

    TbsSkinTabSheet* Page() const { return m_page; }

    bool isValid() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override;

    void doAction(const QString& actionName) override;

    // The tab's place among the visible tabs, -1 while it is hidden.
    int VisibleIndex() const;

private:
    QPointer<TbsSkinPageControl> m_control;
    QPointer<TbsSkinTabSheet> m_page;
};

// A page of a skinned page control: a pane with the page's contents, named by
// its caption, held by its tab while the tab is shown.
class AccessibleTabPage : public AccessibleNamedWidget {
public:
    explicit AccessibleTabPage(TbsSkinTabSheet* page);

    QAccessibleInterface* parent() const override;
};
