#include "skin/accessibility/accessible_check_radio_box.h"

#include "skin/accessibility/accessible_names.h"
#include "skin/controls/check_radio_box.h"
#include "skin/draw/accelerator_text.h"

AccessibleCheckRadioBox::AccessibleCheckRadioBox(TbsSkinCheckRadioBox* box)
    : QAccessibleWidget(box, QAccessible::CheckBox)
{
}

TbsSkinCheckRadioBox* AccessibleCheckRadioBox::Box() const
{
    return static_cast<TbsSkinCheckRadioBox*>(widget());
}

QAccessible::Role AccessibleCheckRadioBox::role() const
{
    return Box()->Radio() ? QAccessible::RadioButton : QAccessible::CheckBox;
}

QString AccessibleCheckRadioBox::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return WithoutAccelerator(Box()->Caption());
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleCheckRadioBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const TbsSkinCheckRadioBox* box = Box();
    state.checkable = true;
    state.checked = box->Checked();
    state.checkStateMixed = box->State() == cbGrayed;
    return state;
}

QStringList AccessibleCheckRadioBox::actionNames() const
{
    return QStringList { toggleAction() } + QAccessibleWidget::actionNames();
}

void AccessibleCheckRadioBox::doAction(const QString& actionName)
{
    if (actionName != toggleAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (Box()->isEnabled())
        Box()->Toggle();
}
