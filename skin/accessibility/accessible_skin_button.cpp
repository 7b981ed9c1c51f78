#include "skin/accessibility/accessible_skin_button.h"

#include "skin/accessibility/accessible_names.h"
#include "skin/controls/skin_button.h"
#include "skin/draw/accelerator_text.h"

AccessibleSkinButton::AccessibleSkinButton(TbsSkinButton* button)
    : QAccessibleWidget(button, QAccessible::PushButton)
{
}

TbsSkinButton* AccessibleSkinButton::Button() const
{
    return static_cast<TbsSkinButton*>(widget());
}

QString AccessibleSkinButton::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return WithoutAccelerator(Button()->Caption());
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleSkinButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const TbsSkinButton* button = Button();
    if (button->GroupIndex() != 0) {
        state.checkable = true;
        state.checked = button->Down();
    } else {
        state.pressed = button->Down();
    }
    return state;
}

QStringList AccessibleSkinButton::actionNames() const
{
    return QStringList { pressAction() } + QAccessibleWidget::actionNames();
}

void AccessibleSkinButton::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    TbsSkinButton* button = Button();
    if (!button->isEnabled())
        return;
    // A grouped button goes down and clicks, as when pressed with the
    // mouse; pressed again it comes up only where AllowAllUp lets it.
    if (button->GroupIndex() != 0) {
        if (!button->Down()) {
            button->SetDown(true);
            button->ButtonClick();
        } else if (button->AllowAllUp()) {
            button->SetDown(false);
            button->ButtonClick();
        }
        return;
    }
    button->ButtonClick();
}
