#pragma once

#include <QAccessibleWidget>
#include <map>

class AccessiblePageTab;
class TbsSkinPageControl;
class TbsSkinTabSheet;

// A skinned page control as a page tab list: its first children are the tabs
// of its visible pages, in the order they are shown, each holding its page;
// its other child widgets (the tab scroller, a page whose tab is hidden)
// follow.
class AccessiblePageControl : public QAccessibleWidget {
public:
    explicit AccessiblePageControl(TbsSkinPageControl* control);
    ~AccessiblePageControl() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    // The selected tab while the control has the focus.
    QAccessibleInterface* focusChild() const override;

    // The interface of page's tab, made at the first request.
    AccessiblePageTab* TabOf(TbsSkinTabSheet* page) const;

private:
    TbsSkinPageControl* Control() const;
    // The child widgets that are not shown as a tab's page.
    QWidgetList OtherChildren() const;

    // The tab interfaces handed out so far, registered with QAccessible.
    mutable std::map<const TbsSkinTabSheet*, QAccessible::Id> m_tabs;
};
