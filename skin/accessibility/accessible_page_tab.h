#pragma once

#include "skin/accessibility/accessible_leaf.h"

#include <QPointer>

class TbsSkinPageControl;
class TbsSkinTabSheet;

// The tab of one page of a skinned page control: a page tab named by the
// page's caption, selected while its page is active, with a press action
// that switches to its page as a click on the tab does. It has no widget of
// its own; the page control lays its tabs out and owns these interfaces.
class AccessiblePageTab : public AccessibleLeaf {
public:
    AccessiblePageTab(TbsSkinPageControl* control, TbsSkinTabSheet* page);

    TbsSkinTabSheet* Page() const { return m_page; }

    bool isValid() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override;

    void doAction(const QString& actionName) override;

private:
    // The tab's place among the visible tabs, -1 while it is hidden.
    int VisibleIndex() const;

    QPointer<TbsSkinPageControl> m_control;
    QPointer<TbsSkinTabSheet> m_page;
};
