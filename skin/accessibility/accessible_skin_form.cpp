#include "skin/accessibility/accessible_skin_form.h"

#include "skin/accessibility/accessible_title_bar.h"
#include "skin/frame/skin_form.h"

#include <QDialog>
#include <QWidget>

AccessibleSkinForm::AccessibleSkinForm(QWidget* form)
    // A skinned dialog (a message box) is heard as a dialog, as it would be
    // in the platform's frame.
    : QAccessibleWidget(form, qobject_cast<QDialog*>(form) ? QAccessible::Dialog : QAccessible::Window)
{
}

AccessibleSkinForm::~AccessibleSkinForm()
{
    if (m_titleBar)
        QAccessible::deleteAccessibleInterface(m_titleBar);
}

TbsSkinForm* AccessibleSkinForm::SkinFormOf(const QWidget& form)
{
    return form.findChild<TbsSkinForm*>(QString(), Qt::FindDirectChildrenOnly);
}

QAccessibleInterface* AccessibleSkinForm::TitleBar() const
{
    if (!m_titleBar) {
        TbsSkinForm* skinForm = SkinFormOf(*widget());
        if (!skinForm)
            return nullptr;
        m_titleBar = QAccessible::registerAccessibleInterface(new AccessibleTitleBar(skinForm));
    }
    return QAccessible::accessibleInterface(m_titleBar);
}

int AccessibleSkinForm::childCount() const
{
    return (TitleBar() ? 1 : 0) + QAccessibleWidget::childCount();
}

QAccessibleInterface* AccessibleSkinForm::child(int index) const
{
    QAccessibleInterface* titleBar = TitleBar();
    if (!titleBar)
        return QAccessibleWidget::child(index);
    if (index == 0)
        return titleBar;
    return QAccessibleWidget::child(index - 1);
}

int AccessibleSkinForm::indexOfChild(const QAccessibleInterface* child) const
{
    QAccessibleInterface* titleBar = TitleBar();
    if (!titleBar)
        return QAccessibleWidget::indexOfChild(child);
    if (child == titleBar)
        return 0;
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : widgetIndex + 1;
}
