#include "skin/frame/skin_form.h"

#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/form_client_area.h"
#include "skin/frame/form_requests.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_look.h"
#include "skin/frame/frame_move_size_loop.h"
#include "skin/frame/frame_object.h"
#include "skin/frame/skin_form_host.h"
#include "skin/frame/skin_message_broadcast.h"
#include "skin/frame/system_menu.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_menu.h"
#include "skin/menus/popup_look.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

namespace {

bool g_forceOwnMoveSizeLoop = false;

QFont DefaultCaptionFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    return font;
}

} // namespace

TbsSkinForm::TbsSkinForm(QWidget* form)
    : QObject(form)
    , m_form(form)
    , m_defCaptionFont(DefaultCaptionFont())
    , m_defInActiveCaptionFont(DefaultCaptionFont())
{
    Q_ASSERT(form);
    InstallSkinMessageBroadcast();
    Attach();
}

TbsSkinForm::~TbsSkinForm()
{
    StopTimers();
    if (m_form) {
        m_form->removeEventFilter(this);
        if (auto* engine = m_form->findChild<TbsSkinMenu*>(QString(), Qt::FindDirectChildrenOnly))
            engine->SetFrameLink({});
    }
}

void TbsSkinForm::Attach()
{
    m_host = std::make_unique<TbsSkinFormHost>(*this);
    m_windowStateHost = std::make_unique<WindowStateHost>(*this);
    m_windowState = std::make_unique<TbsWindowStateController>(*m_form, *m_windowStateHost);
    m_tray = std::make_unique<TbsWindowTray>(*m_form, *m_windowState, *m_windowStateHost);
    m_moveSizeLoop = std::make_unique<TbsFrameMoveSizeLoop>(*m_form,
        TbsFrameMoveSizeLoop::Rules {
            [this] { return QSize(GetMinWidth(), GetMinHeight()); },
            [this] { return QSize(GetMaxWidth(), GetMaxHeight()); },
            [this](QRect& proposed, const QPoint& cursor) { WMMoving(proposed, cursor); },
            [this](const QRect& proposed) { WMSizing(proposed); },
        });
    m_clientArea = new TbsFormClientArea(m_form, [this](QPainter& painter, const QSize& clientSize, const QRect& exposed) {
        PaintClientBackground(painter, clientSize, exposed);
    });
    if (m_form->isWindow())
        m_form->setWindowFlag(Qt::FramelessWindowHint, true);
    m_form->setMouseTracking(true);
    m_form->installEventFilter(this);
    InstallKeyFilter();
    m_systemMenu = new TbsSystemMenu(*m_host, this);
    m_systemMenuHook = [systemMenu = m_systemMenu](TbsSkinForm&, const QRect& screenAnchor) {
        systemMenu->Show(screenAnchor);
    };
    AttachMenuEngine();
    CreateTrayPopupMenu();
    m_appliedMargins = FrameMargins();
    LayoutClientArea();
    ApplySkin();
}

QWidget* TbsSkinForm::ClientArea() const
{
    return m_clientArea;
}

void TbsSkinForm::SetFormClientSize(const QSize& size)
{
    const QMargins margins = FrameMargins();
    m_form->resize(size.width() + margins.left() + margins.right(), size.height() + margins.top() + margins.bottom());
}

TbsSkinData* TbsSkinForm::SkinData() const
{
    return m_skinData;
}

void TbsSkinForm::SetSkinData(TbsSkinData* skinData)
{
    for (const QMetaObject::Connection& connection : std::as_const(m_skinDataConnections))
        disconnect(connection);
    m_skinDataConnections.clear();
    m_skinData = skinData;
    if (m_skinData) {
        m_skinDataConnections = {
            connect(m_skinData, &TbsSkinData::SkinAboutToChange, this, &TbsSkinForm::SkinAboutToChange),
            connect(m_skinData, &TbsSkinData::SkinChanged, this, &TbsSkinForm::SkinChanged),
            connect(m_skinData, &TbsSkinData::SkinChangeFinished, this, &TbsSkinForm::SkinChangeFinished),
            connect(m_skinData, &TbsSkinData::SkinnableFormChanged, this, &TbsSkinForm::SkinnableFormChanged),
            connect(m_skinData, &TbsSkinData::ResourceStringsChanged, this, &TbsSkinForm::ResourceStringsChanged),
            connect(m_skinData, &TbsSkinData::SkinCleared, this, &TbsSkinForm::ApplySkin),
        };
    }
    if (m_trayPopupMenu)
        m_trayPopupMenu->SetSkinData(skinData);
    if (m_skinData && m_skinnableFrame != m_skinData->SkinnableForm()) {
        SetSkinnableFrame(m_skinData->SkinnableForm());
        return;
    }
    ApplySkin();
}

void TbsSkinForm::SetForceOwnMoveSizeLoop(bool value)
{
    g_forceOwnMoveSizeLoop = value;
}

bool TbsSkinForm::ForceOwnMoveSizeLoop()
{
    return g_forceOwnMoveSizeLoop;
}

bool TbsSkinForm::IsActive() const
{
    if (m_forcedActive)
        return *m_forcedActive;
    return m_form->isActiveWindow();
}

bool TbsSkinForm::CanResize() const
{
    return m_alwaysResize || m_formBorderStyle == TFormBorderStyle::bsSizeable
        || m_formBorderStyle == TFormBorderStyle::bsSizeToolWin;
}

void TbsSkinForm::SetFormBorderStyle(TFormBorderStyle style)
{
    m_formBorderStyle = style;
    ApplySkin();
}

bool TbsSkinForm::SkinFrame() const
{
    return Look().IsSkinFrame();
}

QMargins TbsSkinForm::FrameMargins() const
{
    if (!m_skinnableFrame)
        return {};
    TbsFrameState state;
    state.borderStyle = m_formBorderStyle;
    return Look().Margins(state);
}

void TbsSkinForm::LayoutClientArea()
{
    const QMargins margins = FrameMargins();
    m_appliedMargins = margins;
    const QRect client = ClientRectInside(m_form->size(), margins);
    m_clientArea->setGeometry(client);
    m_clientArea->setVisible(!RolledUp() && client.height() > 0);
}

// ApplySkin: objects, sizes, region and paint from the current skin.
void TbsSkinForm::ApplySkin()
{
    m_hotObject = m_oldHotObject = m_captureObject = -1;
    m_skinned = m_skinData && !m_skinData->Empty();
    if (m_skinnableFrame && m_skinned)
        CreateObjects();
    else if (m_skinnableFrame)
        CreateDefaultButtons();
    else
        m_objects.clear();
    UpdateObjectVisibility();

    // The client keeps its size when the frame around it changes; a maximized
    // window keeps filling its work area.
    const QMargins oldMargins = m_appliedMargins;
    const QMargins newMargins = FrameMargins();
    if (SkinWindowState() == TbsWindowState::wsNormal && !RolledUp() && oldMargins != newMargins) {
        const QSize client = m_form->size().shrunkBy(oldMargins);
        m_appliedMargins = newMargins;
        m_form->resize(client.grownBy(newMargins));
    }
    ApplySizeLimits();
    m_windowState->RefillWorkArea();
    LayoutClientArea();
    CalcResizeGeometry();
    UpdateFrame(true);
    m_form->update();
    m_clientArea->update();
    UpdateCaptionActive(true);
    emit OnChangeSkinData();
    if (!RolledUp() && (m_clientWidth > 0 || m_clientHeight > 0)) {
        const QSize client = m_clientArea->size();
        SetFormClientSize(QSize(m_clientWidth > 0 ? m_clientWidth : client.width(),
            m_clientHeight > 0 ? m_clientHeight : client.height()));
    }
}

void TbsSkinForm::SetSkinnableFrame(bool value)
{
    if (value == m_skinnableFrame)
        return;
    const bool wasMaximized = SkinWindowState() == TbsWindowState::wsMaximized || m_form->isMaximized();
    const bool wasVisible = m_form->isVisible();
    if (wasMaximized) {
        if (m_skinnableFrame)
            m_windowState->Restore();
        else
            m_form->showNormal();
    }
    const QSize client = m_form->size().shrunkBy(FrameMargins());
    if (wasVisible)
        m_form->hide();
    m_skinnableFrame = value;
    if (m_form->isWindow())
        m_form->setWindowFlag(Qt::FramelessWindowHint, value);
    if (!value)
        m_form->clearMask();
    m_appliedMargins = FrameMargins();
    m_form->resize(client.grownBy(m_appliedMargins));
    ApplySkin();
    for (TbsSkinControl* control : m_form->findChildren<TbsSkinControl*>())
        control->ChangeSkinData();
    if (wasMaximized) {
        if (value)
            SetSkinWindowState(TbsWindowState::wsMaximized);
        else
            m_form->setWindowState(m_form->windowState() | Qt::WindowMaximized);
    }
    if (wasVisible)
        m_form->show();
}

bool TbsSkinForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_form)
        return false;
    const QEvent::Type type = event->type();
    switch (type) {
    case QEvent::Resize:
        WMSize();
        return false;
    case QEvent::Move:
        WMMove();
        return false;
    case QEvent::Show:
        WMShowWindow(true);
        return false;
    case QEvent::Hide:
        WMShowWindow(false);
        return false;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        WMActivate(type == QEvent::WindowActivate);
        return false;
    case QEvent::WindowTitleChange:
        WMSetText();
        return false;
    case QEvent::WindowStateChange:
        WMWindowStateChange(static_cast<QWindowStateChangeEvent&>(*event));
        return false;
    case QEvent::Paint:
        if (!m_skinnableFrame)
            return false;
        {
            QPainter painter(m_form);
            WMNCPaint(painter, static_cast<QPaintEvent*>(event)->region());
        }
        return true;
    case QEvent::Leave:
        if (m_skinnableFrame && m_hotObject >= 0 && m_captureObject < 0)
            TrackHover(QPoint(-1, -1));
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        if (!m_skinnableFrame)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint point = mouse->position().toPoint();
        // Screen positions come from the event: while the window moves, its
        // own idea of where it is may run ahead of the pointer's.
        const QPoint globalPoint = mouse->globalPosition().toPoint();
        if (type == QEvent::MouseMove)
            WMNCMouseMove(point, globalPoint, mouse->buttons());
        else if (type == QEvent::MouseButtonPress)
            WMNCButtonDown(point, globalPoint, mouse->button());
        else if (type == QEvent::MouseButtonRelease)
            WMNCButtonUp(point, mouse->button());
        else
            WMNCButtonDblClk(point, mouse->button());
        return true;
    }
    default:
        break;
    }
    if (type == WM_SKINMENU_CLOSED)
        MenuClosed();
    else if (type == WM_SKINFORM_QUERY)
        WMSkinFormQuery(static_cast<TbsFormRequestEvent&>(*event));
    else if (type == WM_SKINFORM_PAINTFRAME)
        WMSkinFormPaintFrame(static_cast<TbsFormRequestEvent&>(*event));
    else if (type == WM_SKINFORM_PAINTFRAME_KEYED)
        WMSkinFormPaintFrameKeyed(static_cast<TbsFormRequestEvent&>(*event));
    // The form sees every other message too.
    return false;
}

void TbsSkinForm::WMSize()
{
    m_magneticEdges.Clear();
    LayoutClientArea();
    CalcResizeGeometry();
    if (m_skinnableFrame && m_form->width() >= GetMinWidth() && m_form->height() >= GetMinHeight())
        UpdateFrame(true);
    else
        UpdateRegion(false);
    if (!m_logoBitMap.isNull())
        m_clientArea->update();
}

void TbsSkinForm::WMMove()
{
    ShowObjectHintFor(m_hotObject, false);
}

void TbsSkinForm::WMActivate(bool active)
{
    // The hot object is forgotten below; its hint goes with it.
    ShowObjectHintFor(m_hotObject, false);
    if (!m_skinnableFrame)
        return;
    m_ncActive = active;
    ResetObjectStates();
    // An inactive window tracks no hover, so a hot object kept now would
    // take a later press anywhere on the frame and, once active again, the
    // mouse coming back over it would not be news.
    m_hotObject = m_oldHotObject = -1;
    m_form->update();
    UpdateCaptionActive(true);
}

void TbsSkinForm::WMSetText()
{
    if (m_skinnableFrame && m_formBorderStyle != TFormBorderStyle::bsNone)
        m_form->update(0, 0, m_form->width(), FrameMargins().top());
}

void TbsSkinForm::WMShowWindow(bool shown)
{
    if (shown)
        m_windowState->Shown();
}

void TbsSkinForm::WMWindowStateChange(const QWindowStateChangeEvent& event)
{
    // The window system minimized or restored the form (its task bar entry,
    // a key of the window manager): the frame follows.
    if (m_form->windowState() & Qt::WindowMinimized)
        return;
    m_form->update();
    // SC_RESTORE: a form the window system brought back is restored. A
    // restore of the frame's own minimized state reports itself.
    if ((event.oldState() & Qt::WindowMinimized) && SkinWindowState() == TbsWindowState::wsNormal)
        emit OnRestore();
}

void TbsSkinForm::SkinAboutToChange()
{
    m_changingSkin = true;
    m_skinned = false;
    StopTimers();
    m_hotObject = m_oldHotObject = m_captureObject = -1;
    m_objects.clear();
    m_scaledPictures.Clear();
    emit OnBeforeChangeSkinData();
}

void TbsSkinForm::SkinChanged()
{
    m_changingSkin = false;
    ApplySkin();
}

void TbsSkinForm::SkinChangeFinished()
{
    emit OnAfterChangeSkinData();
}

void TbsSkinForm::ResourceStringsChanged()
{
    UpdateObjectVisibility();
    UpdateTrayMenuCaptions();
}

void TbsSkinForm::SkinnableFormChanged()
{
    SetSkinnableFrame(m_skinData->SkinnableForm());
}
