// The frame objects of the controller: creating them from the skin, their
// visibility, hover tracking, the morph and animation timers and commands.
#include "skin/frame/skin_form.h"

#include "skin/data/data_skin_object.h"
#include "skin/data/menu_item_definitions.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_animate_object.h"
#include "skin/frame/frame_button_objects.h"
#include "skin/frame/frame_caption_object.h"
#include "skin/frame/frame_object.h"
#include "skin/frame/frame_look.h"
#include "skin/frame/frame_rect.h"
#include "skin/frame/skin_form_host.h"
#include "skin/menus/skin_menu.h"

#include <QCursor>
#include <QMetaObject>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>

namespace {

std::unique_ptr<TbsActiveSkinObject> MakeObject(TbsFrameObjectHost& host, const TbsDataSkinObject& definition)
{
    // Menu items and the main menu bar's parts make no frame object.
    if (dynamic_cast<const TbsDataSkinMainMenuBarButton*>(&definition))
        return nullptr;
    if (const auto* button = dynamic_cast<const TbsDataSkinStdButton*>(&definition))
        return std::make_unique<TbsSkinStdButtonObject>(host, button);
    if (const auto* button = dynamic_cast<const TbsDataSkinButton*>(&definition))
        return std::make_unique<TbsSkinButtonObject>(host, button);
    if (const auto* caption = dynamic_cast<const TbsDataSkinCaption*>(&definition))
        return std::make_unique<TbsSkinCaptionObject>(host, caption);
    if (const auto* animation = dynamic_cast<const TbsDataSkinAnimate*>(&definition))
        return std::make_unique<TbsSkinAnimateObject>(host, animation);
    if (dynamic_cast<const TbsDataUserObject*>(&definition))
        return std::make_unique<TbsUserObject>(host, &definition);
    return nullptr;
}

struct StandardHint {
    TbsStdCommand command;
    const char* resourceName;
    const char* text;
};

constexpr StandardHint kStandardHints[] = {
    { cmClose, "CLOSEBUTTON_HINT", "Close" },
    { cmMaximize, "MAXBUTTON_HINT", "Maximize" },
    { cmMinimize, "MINBUTTON_HINT", "Minimize" },
    { cmSysMenu, "MENUBUTTON_HINT", "System menu" },
    { cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up" },
    { cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray" },
};

TbsStdCommand CommandOf(const TbsActiveSkinObject& object, bool& hasCommand)
{
    hasCommand = true;
    if (const auto* button = dynamic_cast<const TbsSkinStdButtonObject*>(&object))
        return button->Command;
    if (const auto* animation = dynamic_cast<const TbsSkinAnimateObject*>(&object)) {
        hasCommand = animation->ButtonStyle;
        return animation->Command;
    }
    hasCommand = false;
    return cmDefault;
}

} // namespace

void TbsSkinForm::CreateObjects()
{
    m_objects.clear();
    for (const auto& definition : m_skinData->ObjectDefinitions()) {
        if (auto object = MakeObject(*m_host, *definition))
            m_objects.push_back(std::move(object));
    }
    AttachObjectPopupMenus();
}

void TbsSkinForm::CreateDefaultButtons()
{
    m_objects.clear();
    const std::pair<const char*, TbsStdCommand> buttons[] = { { "closebutton", cmClose }, { "maxbutton", cmMaximize },
        { "minbutton", cmMinimize }, { "rollupbutton", cmRollUp }, { "sysmenubutton", cmSysMenu },
        { "traybutton", cmMinimizeToTray } };
    for (const auto& [name, command] : buttons)
        m_objects.push_back(std::make_unique<TbsSkinStdButtonObject>(*m_host, QString::fromLatin1(name), command));
}

void TbsSkinForm::LayoutObjects()
{
    std::vector<TbsFrameObjectSlot> objectSlots;
    objectSlots.reserve(m_objects.size());
    for (const auto& object : m_objects)
        objectSlots.push_back(object->Slot());
    const TbsFrameLayout layout = Look().Layout(FrameState(), objectSlots);
    for (std::size_t i = 0; i < m_objects.size(); ++i)
        m_objects[i]->ObjectRect = layout.objects[i];
    // The default frame has no skin geometry: none is kept from a skin
    // drawn before it.
    m_geometry = layout.geometry;
    m_captionRects = layout.captions;
}

void TbsSkinForm::UpdateObjectVisibility()
{
    for (const auto& object : m_objects) {
        bool hasCommand = false;
        const TbsStdCommand command = CommandOf(*object, hasCommand);
        const bool isButton = dynamic_cast<TbsSkinStdButtonObject*>(object.get())
            || dynamic_cast<TbsSkinAnimateObject*>(object.get());
        if (m_hideCaptionButtons && isButton) {
            object->Enabled = false;
            object->Visible = !object->SkinRectInAPicture;
            continue;
        }
        if (!hasCommand)
            continue;
        const bool inFrame = !object->SkinRectInAPicture;
        const auto show = [&](bool enabled) {
            object->Enabled = enabled;
            object->Visible = enabled || inFrame;
        };
        switch (command) {
        case cmClose:
            break;
        case cmMaximize:
            show(m_borderIcons & biMaximize);
            break;
        case cmMinimize:
            show(m_borderIcons & biMinimize);
            break;
        case cmSysMenu:
            show((m_borderIcons & biSystemMenu) && !m_disableSystemMenu);
            break;
        case cmDefault: {
            bool visible = false;
            if (OnActivateCustomObject)
                OnActivateCustomObject(object->IDName, visible);
            object->Visible = visible;
            break;
        }
        case cmRollUp:
            show(m_borderIcons & biRollUp);
            break;
        case cmMinimizeToTray:
            show(m_borderIcons & biMinimizeToTray);
            break;
        }
    }
    if (!m_useDefaultObjectHint || !m_skinData)
        return;
    const TbsResourceStrData* strings = m_skinData->ResourceStrData();
    for (const auto& object : m_objects) {
        bool hasCommand = false;
        const TbsStdCommand command = CommandOf(*object, hasCommand);
        if (!dynamic_cast<TbsSkinStdButtonObject*>(object.get()) && !hasCommand)
            continue;
        for (const StandardHint& hint : kStandardHints) {
            if (hint.command == command)
                object->Hint = strings ? strings->GetResStr(QString::fromLatin1(hint.resourceName))
                                       : QString::fromLatin1(hint.text);
        }
    }
}

void TbsSkinForm::TrackHover(const QPoint& point, bool canBeHot)
{
    if (m_objects.empty() || !IsActive())
        return;
    m_oldHotObject = m_hotObject;
    int found = -1;
    for (int i = 0; i < int(m_objects.size()); ++i) {
        const TbsActiveSkinObject& object = *m_objects[i];
        if (object.Enabled && object.Visible && RectHolds(object.ObjectRect, point)) {
            found = i;
            break;
        }
    }
    m_hotObject = canBeHot ? found : -1;
    if (m_captureObject >= 0 && m_hotObject != m_captureObject)
        m_hotObject = -1;
    if (m_hotObject == m_oldHotObject)
        return;
    if (m_oldHotObject >= 0 && m_oldHotObject < int(m_objects.size())) {
        TbsActiveSkinObject& old = *m_objects[m_oldHotObject];
        if (old.Enabled && old.Visible) {
            old.MouseLeave();
            ShowObjectHintFor(m_oldHotObject, false);
        }
    }
    if (m_hotObject >= 0) {
        TbsActiveSkinObject& hot = *m_objects[m_hotObject];
        hot.MouseEnter();
        ShowObjectHintFor(m_hotObject, true);
    }
}

void TbsSkinForm::ShowObjectHintFor(int index, bool show)
{
    if (!m_showObjectHint || !m_skinHint || index < 0 || index >= int(m_objects.size()))
        return;
    const TbsActiveSkinObject& object = *m_objects[index];
    if (object.Hint.isEmpty())
        return;
    if (!show) {
        m_skinHint->HideHint();
        return;
    }
    const QRect& rect = object.ObjectRect;
    m_skinHint->ActivateHint(m_form->mapToGlobal(rect.bottomLeft() + QPoint(0, 2)), object.Hint);
}

void TbsSkinForm::HoverTimerStep()
{
    if (!IsActive() || m_inSizeMove) {
        m_hoverTimer.stop();
        return;
    }
    // Only a cursor that moved since the frame last saw it says something new:
    // the frame's own mouse events already tracked every other position.
    const QPoint cursor = QCursor::pos();
    if (cursor == m_lastHoverCursor) {
        if (m_hotObject < 0)
            m_hoverTimer.stop();
        return;
    }
    m_lastHoverCursor = cursor;
    const QPoint point = m_form->mapFromGlobal(cursor);
    if (!RectHolds(SkinFrame() ? m_geometry.nClient : ClientRectInside(m_form->size(), FrameMargins()), point))
        TrackHover(point);
    else if (m_hotObject >= 0)
        TrackHover(QPoint(-1, -1));
    if (m_hotObject < 0)
        m_hoverTimer.stop();
}

void TbsSkinForm::StartMorphTimer()
{
    if (!m_morphTimer.isActive())
        m_morphTimer.start(25, this);
}

void TbsSkinForm::StartAnimationTimer()
{
    if (!m_animationTimer.isActive())
        m_animationTimer.start(25, this);
}

void TbsSkinForm::MorphTimerStep()
{
    bool moved = false;
    for (const auto& object : m_objects)
        moved = object->StepMorph() || moved;
    if (!moved)
        m_morphTimer.stop();
}

void TbsSkinForm::AnimationTimerStep()
{
    bool stepped = false;
    for (const auto& object : m_objects) {
        if (auto* animation = dynamic_cast<TbsSkinAnimateObject*>(object.get()))
            stepped = animation->StepAnimation() || stepped;
        else if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get()))
            stepped = caption->StepAnimation() || stepped;
    }
    if (!stepped)
        m_animationTimer.stop();
}

void TbsSkinForm::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_hoverTimer.timerId())
        HoverTimerStep();
    else if (event->timerId() == m_morphTimer.timerId())
        MorphTimerStep();
    else if (event->timerId() == m_animationTimer.timerId())
        AnimationTimerStep();
}

void TbsSkinForm::StopTimers()
{
    m_hoverTimer.stop();
    m_morphTimer.stop();
    m_animationTimer.stop();
}

void TbsSkinForm::UpdateCaptionActive(bool animate)
{
    const bool active = IsActive();
    for (const auto& object : m_objects) {
        auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get());
        if (!caption || caption->Active == active)
            continue;
        caption->SetCaptionActive(active, animate);
        if (animate)
            m_form->update();
        break;
    }
    if (active)
        emit OnActivate();
    else
        emit OnDeActivate();
}

void TbsSkinForm::ResetObjectStates()
{
    for (const auto& object : m_objects)
        object->ResetState();
}

void TbsSkinForm::RedrawObject(const TbsActiveSkinObject& object)
{
    if (m_formBorderStyle == TFormBorderStyle::bsNone)
        return;
    m_form->update(object.ObjectRect);
}

bool TbsSkinForm::MorphingPossible(bool morphing) const
{
    return morphing && m_skinned && m_skinData->EnableSkinEffects();
}

const QImage* TbsSkinForm::ActivePicture(int index) const
{
    if (!m_skinData || index < 0 || index >= m_skinData->ActivePictures().size())
        return nullptr;
    const QImage& picture = m_skinData->ActivePictures()[index];
    return picture.isNull() ? nullptr : &picture;
}

void TbsSkinForm::RunCommand(int command)
{
    switch (command) {
    case cmClose:
        // Closing may end the form; the mouse message that asked for it
        // finishes first.
        QMetaObject::invokeMethod(m_form, &QWidget::close, Qt::QueuedConnection);
        break;
    case cmMaximize:
        SetSkinWindowState(SkinWindowState() == TbsWindowState::wsMaximized ? TbsWindowState::wsNormal
                                                                             : TbsWindowState::wsMaximized);
        break;
    case cmMinimize:
        if (AlwaysMinimizeToTray())
            MinimizeToTray();
        else
            SetSkinWindowState(SkinWindowState() == TbsWindowState::wsMinimized ? TbsWindowState::wsNormal
                                                                                 : TbsWindowState::wsMinimized);
        break;
    case cmRollUp:
        SetRolledUp(!RolledUp());
        break;
    case cmMinimizeToTray:
        MinimizeToTray();
        break;
    default:
        break;
    }
}

void TbsSkinForm::ShowSystemMenuAt(const QRect& screenAnchor)
{
    if (!m_systemMenuHook) {
        MenuClosed();
        return;
    }
    // The menu open before closes with its own notifications first, so the
    // new one is not taken for it.
    TbsSkinMenu* engine = TbsSkinMenu::Of(m_form);
    if (engine->Visible())
        engine->CloseMenus();
    MenuOpening();
    m_systemMenuHook(*this, screenAnchor);
}

void TbsSkinForm::ShowSystemMenuUnderObjects()
{
    bool shown = false;
    for (const auto& object : m_objects) {
        bool hasCommand = false;
        if (CommandOf(*object, hasCommand) != cmSysMenu || !hasCommand || !object->Enabled || !object->Visible)
            continue;
        const QRect& rect = object->ObjectRect;
        ShowSystemMenuAt(QRect(m_form->mapToGlobal(rect.topLeft()), rect.size()));
        shown = true;
    }
    // Without a button of its own the menu still opens from the keyboard, as
    // the caption's right click opens it: below the caption's left end.
    if (!shown && !m_disableSystemMenu) {
        const QMargins frame = FrameMargins();
        ShowSystemMenuAt(QRect(m_form->mapToGlobal(QPoint(frame.left(), 0)), QSize(1, std::max(frame.top(), 1))));
    }
}

void TbsSkinForm::MenuClosed()
{
    // The window hears of every menu engine closing, the controls' menus too.
    const bool wasOpen = m_skinMenuOpen;
    m_skinMenuOpen = false;
    for (const auto& object : m_objects) {
        if (auto* button = dynamic_cast<TbsSkinButtonObject*>(object.get()); button && button->MenuShown) {
            button->MenuShown = false;
            if (button->Down())
                button->SetDown(false);
            break;
        }
        if (auto* animation = dynamic_cast<TbsSkinAnimateObject*>(object.get()); animation && animation->MenuShown) {
            animation->MenuShown = false;
            RedrawObject(*animation);
            break;
        }
    }
    if (wasOpen)
        emit OnSkinMenuClose();
}
