#pragma once

#include <QAccessibleWidget>

class TbsSkinForm;

// A window whose frame a skin form controller paints: a window named by its
// title whose first child is the title bar the frame draws, followed by its
// widgets.
class AccessibleSkinForm : public QAccessibleWidget {
public:
    explicit AccessibleSkinForm(QWidget* form);
    ~AccessibleSkinForm() override;

    // The controller serving form, null for any other widget.
    static TbsSkinForm* SkinFormOf(const QWidget& form);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QAccessibleInterface* TitleBar() const;

    mutable QAccessible::Id m_titleBar { 0 };
};
