#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class TbsSkinPageControl;
class TbsSkinTabSheet;

// The tab of one page of a skinned page control: a page tab named by the
// page's caption, selected while its page is active, with a press action
// that switches to its page as a click on the tab does. It has no widget of
// its own; the page control lays its tabs out and owns these interfaces.
class AccessiblePageTab : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessiblePageTab(TbsSkinPageControl* control, TbsSkinTabSheet* page);

    TbsSkinTabSheet* Page() const { return m_page; }

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
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    // The tab's place among the visible tabs, -1 while it is hidden.
    int VisibleIndex() const;

    QPointer<TbsSkinPageControl> m_control;
    QPointer<TbsSkinTabSheet> m_page;
};
