#include "skin/accessibility/accessible_caption_button.h"

#include "skin/accessibility/accessible_names.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_button_objects.h"
#include "skin/frame/skin_form.h"

#include <QWidget>

namespace {

// The resource string of the system-menu row that does what the button
// does now; the system-menu button reads as its hint.
QString NameResource(const TbsSkinStdButtonObject& button)
{
    const bool inForce = button.CommandStateInForce();
    switch (button.Command) {
    case cmClose:
        return QStringLiteral("MI_CLOSECAPTION");
    case cmMaximize:
        return inForce ? QStringLiteral("MI_RESTORECAPTION") : QStringLiteral("MI_MAXCAPTION");
    case cmMinimize:
        return inForce ? QStringLiteral("MI_RESTORECAPTION") : QStringLiteral("MI_MINCAPTION");
    case cmRollUp:
        return inForce ? QStringLiteral("MI_RESTORECAPTION") : QStringLiteral("MI_ROLLUPCAPTION");
    case cmMinimizeToTray:
        return QStringLiteral("MI_MINTOTRAYCAPTION");
    case cmSysMenu:
        return QStringLiteral("MENUBUTTON_HINT");
    default:
        return {};
    }
}

} // namespace

AccessibleCaptionButton::AccessibleCaptionButton(TbsSkinForm* skinForm, const QString& idName)
    : m_skinForm(skinForm)
    , m_idName(idName)
{
}

TbsSkinStdButtonObject* AccessibleCaptionButton::Button() const
{
    if (!m_skinForm)
        return nullptr;
    for (const auto& object : m_skinForm->Objects()) {
        auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (button && button->IDName == m_idName)
            return button;
    }
    return nullptr;
}

bool AccessibleCaptionButton::isValid() const
{
    return Button() != nullptr;
}

QAccessibleInterface* AccessibleCaptionButton::parent() const
{
    QAccessibleInterface* window = m_skinForm ? QAccessible::queryAccessibleInterface(m_skinForm->Form()) : nullptr;
    return window && window->childCount() > 0 ? window->child(0) : nullptr;
}

QString AccessibleCaptionButton::text(QAccessible::Text t) const
{
    const TbsSkinStdButtonObject* button = Button();
    if (!button)
        return {};
    switch (t) {
    case QAccessible::Name: {
        const QString resource = NameResource(*button);
        if (!resource.isEmpty())
            return AccessibleCaption(SkinResStr(m_skinForm->SkinData(), resource));
        return button->Hint.isEmpty() ? button->IDName : button->Hint;
    }
    case QAccessible::Description:
        return button->Hint;
    default:
        return {};
    }
}

QRect AccessibleCaptionButton::rect() const
{
    const TbsSkinStdButtonObject* button = Button();
    if (!button)
        return {};
    const QRect rect = button->ObjectRect;
    return QRect(m_skinForm->Form()->mapToGlobal(rect.topLeft()), rect.size());
}

QAccessible::State AccessibleCaptionButton::state() const
{
    QAccessible::State state;
    const TbsSkinStdButtonObject* button = Button();
    if (!button) {
        state.invalid = true;
        return state;
    }
    state.disabled = !button->Enabled || !m_skinForm->Form()->isEnabled();
    state.invisible = !button->Visible || !m_skinForm->Form()->isVisible();
    state.pressed = button->Down();
    state.hasPopup = button->Command == cmSysMenu;
    return state;
}

void AccessibleCaptionButton::doAction(const QString& actionName)
{
    TbsSkinStdButtonObject* button = Button();
    if (actionName == pressAction() && button && button->Visible)
        button->Click();
}
