#pragma once

#include <QAccessibleWidget>
#include <functional>

// A skinned widget that needs no more than a role and a name: a label, a
// panel, a page, the frame of an edit or memo. The name is read from the
// widget each time it is asked for, unless a program set one on it.
class AccessibleNamedWidget : public QAccessibleWidget {
public:
    using NameOf = std::function<QString(const QWidget&)>;

    AccessibleNamedWidget(QWidget* widget, QAccessible::Role role, NameOf nameOf);

    QString text(QAccessible::Text t) const override;

private:
    NameOf m_nameOf;
};
