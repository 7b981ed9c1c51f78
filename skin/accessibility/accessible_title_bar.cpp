#include "skin/accessibility/accessible_title_bar.h"

#include "skin/accessibility/accessible_caption_button.h"
#include "skin/frame/frame_button_objects.h"
#include "skin/frame/skin_form.h"

#include <QWidget>

#include <algorithm>
#include <vector>

AccessibleTitleBar::AccessibleTitleBar(TbsSkinForm* skinForm)
    : m_skinForm(skinForm)
{
    // The window's state and skin decide what the buttons read as.
    for (const auto signal : { &TbsSkinForm::OnMaximize, &TbsSkinForm::OnMinimize, &TbsSkinForm::OnRestore,
             &TbsSkinForm::OnChangeRollUpState, &TbsSkinForm::OnChangeSkinData })
        m_watches.push_back(QObject::connect(skinForm, signal, skinForm, [this] { ReportButtonNames(); }));
}

AccessibleTitleBar::~AccessibleTitleBar()
{
    for (const QMetaObject::Connection& watch : m_watches)
        QObject::disconnect(watch);
    for (const auto& [name, id] : m_buttons)
        QAccessible::deleteAccessibleInterface(id);
}

void AccessibleTitleBar::ReportButtonNames() const
{
    for (const auto& [name, id] : m_buttons) {
        QAccessibleEvent renamed(QAccessible::accessibleInterface(id), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

bool AccessibleTitleBar::isValid() const
{
    return m_skinForm && m_skinForm->Form();
}

QAccessibleInterface* AccessibleTitleBar::parent() const
{
    return m_skinForm ? QAccessible::queryAccessibleInterface(m_skinForm->Form()) : nullptr;
}

QStringList AccessibleTitleBar::ButtonNames() const
{
    if (!m_skinForm)
        return {};
    std::vector<const TbsSkinStdButtonObject*> shown;
    for (const auto& object : m_skinForm->Objects()) {
        const auto* button = dynamic_cast<const TbsSkinStdButtonObject*>(object.get());
        if (button && button->Visible && !button->ObjectRect.isEmpty())
            shown.push_back(button);
    }
    // Read in the order they are seen, left to right, whatever the skin's
    // order of definition.
    std::stable_sort(shown.begin(), shown.end(),
        [](const auto* a, const auto* b) { return a->ObjectRect.left() < b->ObjectRect.left(); });
    QStringList names;
    for (const TbsSkinStdButtonObject* button : shown) {
        if (!names.contains(button->IDName))
            names << button->IDName;
    }
    return names;
}

AccessibleCaptionButton* AccessibleTitleBar::ButtonOf(const QString& idName) const
{
    if (const auto known = m_buttons.find(idName); known != m_buttons.end())
        return static_cast<AccessibleCaptionButton*>(QAccessible::accessibleInterface(known->second));
    auto* button = new AccessibleCaptionButton(m_skinForm.data(), idName);
    m_buttons.emplace(idName, QAccessible::registerAccessibleInterface(button));
    return button;
}

int AccessibleTitleBar::childCount() const
{
    return static_cast<int>(ButtonNames().size());
}

QAccessibleInterface* AccessibleTitleBar::child(int index) const
{
    const QStringList names = ButtonNames();
    if (index < 0 || index >= names.size())
        return nullptr;
    return ButtonOf(names.at(index));
}

int AccessibleTitleBar::indexOfChild(const QAccessibleInterface* child) const
{
    const QStringList names = ButtonNames();
    for (int i = 0; i < names.size(); ++i) {
        const auto known = m_buttons.find(names.at(i));
        if (known != m_buttons.end() && QAccessible::accessibleInterface(known->second) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* AccessibleTitleBar::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* button = child(i);
        if (button && button->rect().contains(x, y))
            return button;
    }
    return nullptr;
}

QString AccessibleTitleBar::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && isValid())
        return m_skinForm->Form()->windowTitle();
    return {};
}

QRect AccessibleTitleBar::rect() const
{
    if (!isValid())
        return {};
    const QWidget* form = m_skinForm->Form();
    QRect bar;
    for (const auto& object : m_skinForm->Objects()) {
        if (object->Visible && (object->IsCaption() || dynamic_cast<const TbsSkinStdButtonObject*>(object.get())))
            bar |= object->ObjectRect;
    }
    if (bar.isEmpty())
        bar = QRect(0, 0, form->width(), m_skinForm->FrameMargins().top());
    return QRect(form->mapToGlobal(bar.topLeft()), bar.size());
}

QAccessible::State AccessibleTitleBar::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !m_skinForm->Form()->isVisible();
    state.active = m_skinForm->IsActive();
    return state;
}
