#pragma once

#include <QAccessibleInterface>
#include <QMetaObject>
#include <QPointer>
#include <map>
#include <vector>

class AccessibleCaptionButton;
class TbsSkinForm;

// The title bar of a skinned frame: named by the window's caption, with the
// frame's visible caption buttons as its children, left to right. It owns the
// buttons' interfaces, registered with QAccessible, and tells assistive
// technology when they read differently (maximize becomes restore).
class AccessibleTitleBar : public QAccessibleInterface {
public:
    explicit AccessibleTitleBar(TbsSkinForm* skinForm);
    ~AccessibleTitleBar() override;

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::TitleBar; }
    QAccessible::State state() const override;

private:
    // The names of the caption buttons shown now.
    QStringList ButtonNames() const;
    AccessibleCaptionButton* ButtonOf(const QString& idName) const;
    void ReportButtonNames() const;

    QPointer<TbsSkinForm> m_skinForm;
    mutable std::map<QString, QAccessible::Id> m_buttons;
    std::vector<QMetaObject::Connection> m_watches;
};
