// The frame's mouse: hit testing, the mouse messages of the frame area, and
// moving and sizing the window from its caption and borders.
#include "skin/frame/skin_form.h"

#include "skin/data/skin_data.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_move_size_loop.h"
#include "skin/frame/frame_object.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace {

int MouseButtonIndex(Qt::MouseButton button)
{
    return button == Qt::RightButton ? 1 : (button == Qt::MiddleButton ? 2 : 0);
}

Qt::CursorShape CursorFor(int hitCode)
{
    switch (hitCode) {
    case HTLEFT:
    case HTRIGHT:
        return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM:
        return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

Qt::Edges EdgesFor(int hitCode)
{
    switch (hitCode) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

} // namespace

int TbsSkinForm::HitTest(const QPoint& point)
{
    return Look().HitTest(point, FrameState(), CurrentLayout(), &m_shape);
}

void TbsSkinForm::WMNCHitTestCursor(const QPoint& point)
{
    const int code = HitTest(point);
    const bool sizing = IsSizingHitCode(code);
    if (m_useFormCursorInNCArea && !sizing)
        m_form->unsetCursor();
    else
        m_form->setCursor(CursorFor(code));
}

void TbsSkinForm::WMNCMouseMove(const QPoint& point, const QPoint& globalPoint, Qt::MouseButtons buttons)
{
    if (m_moveSizeLoop->Running()) {
        m_moveSizeLoop->Track(globalPoint);
        return;
    }
    if (m_pendingDrag.hitCode != HTNOWHERE && (buttons & Qt::LeftButton)) {
        if ((point - m_pendingDrag.point).manhattanLength() >= QApplication::startDragDistance()) {
            const PendingDrag drag = std::exchange(m_pendingDrag, {});
            StartOwnMoveSize(drag.hitCode, drag.globalPoint, globalPoint);
            return;
        }
    }
    WMNCHitTestCursor(point);
    TrackHover(point);
    if (!m_hoverTimer.isActive() && m_hotObject >= 0)
        m_hoverTimer.start(50, this);
    m_lastHoverCursor = globalPoint;
    const int target = m_captureObject >= 0 ? m_captureObject : m_hotObject;
    if (target >= 0 && target < int(m_objects.size()))
        m_objects[target]->MouseMove(point.x(), point.y());
}

void TbsSkinForm::WMNCButtonDown(const QPoint& point, const QPoint& globalPoint, Qt::MouseButton button)
{
    ShowObjectHintFor(m_hotObject, false);
    TrackHover(point);
    ButtonDown(MouseButtonIndex(button), point);
    // A press an object other than a caption took is the object's, even
    // where the skin draws it over the caption or a border: the window
    // neither moves nor sizes, and the release reaches the object.
    const bool objectPressed = m_captureObject >= 0 && !m_objects[m_captureObject]->IsCaption();
    const int code = objectPressed ? HTOBJECT : HitTest(point);
    if (code == HTCAPTION)
        m_captureObject = -1;
    if (button == Qt::LeftButton && (code == HTCAPTION || IsSizingHitCode(code))) {
        const bool maximized = SkinWindowState() == TbsWindowState::wsMaximized;
        // A maximized window stays where it is.
        if (!(code == HTCAPTION && maximized) && !StartSystemMoveSize(code))
            m_pendingDrag = { code, point, globalPoint };
    }
    if (button == Qt::RightButton && code == HTCAPTION && !m_disableSystemMenu)
        ShowSystemMenuAt(QRect(globalPoint, QSize(0, 0)));
}

void TbsSkinForm::WMNCButtonUp(const QPoint& point, Qt::MouseButton button)
{
    m_pendingDrag = {};
    if (m_moveSizeLoop->Running()) {
        m_moveSizeLoop->End();
        WMExitSizeMove();
        return;
    }
    ButtonUp(MouseButtonIndex(button), point);
    TrackHover(point);
}

void TbsSkinForm::WMNCButtonDblClk(const QPoint& point, Qt::MouseButton button)
{
    m_pendingDrag = {};
    const int code = HitTest(point);
    TrackHover(point);
    ButtonDown(MouseButtonIndex(button), point);
    if (m_hotObject >= 0 && m_hotObject < int(m_objects.size()))
        m_objects[m_hotObject]->DblClick();
    if (code == HTCAPTION) {
        m_captureObject = -1;
        if (button == Qt::LeftButton)
            CaptionDoubleClick();
    }
}

void TbsSkinForm::ButtonDown(int button, const QPoint& point)
{
    if (m_hotObject < 0 || m_hotObject >= int(m_objects.size()))
        return;
    m_captureObject = m_hotObject;
    m_objects[m_captureObject]->MouseDown(button, point.x(), point.y());
}

void TbsSkinForm::ButtonUp(int button, const QPoint& point)
{
    if (m_captureObject < 0 || m_captureObject >= int(m_objects.size()))
        return;
    const int captured = m_captureObject;
    m_captureObject = -1;
    m_objects[captured]->MouseUp(button, point.x(), point.y());
}

void TbsSkinForm::CaptionDoubleClick()
{
    const bool resizable = CanResize();
    if (resizable && SkinWindowState() == TbsWindowState::wsMinimized)
        SetSkinWindowState(TbsWindowState::wsNormal);
    else if (resizable && SkinWindowState() != TbsWindowState::wsMaximized && !RolledUp() && (m_borderIcons & biMaximize))
        SetSkinWindowState(TbsWindowState::wsMaximized);
    else if (resizable && SkinWindowState() == TbsWindowState::wsMaximized && !RolledUpWhileMaximized())
        SetSkinWindowState(TbsWindowState::wsNormal);
    else
        SetRolledUp(!RolledUp());
}

bool TbsSkinForm::StartSystemMoveSize(int hitCode)
{
    // On X11 the window system's loop is started with the press in window
    // coordinates taken for screen ones (the window jumps under openbox),
    // while moving the window ourselves works with or without a window
    // manager; Wayland lets no client place its window, so only there the
    // compositor must run the loop.
    QWindow* window = m_form->windowHandle();
    if (ForceOwnMoveSizeLoop() || !window || !QGuiApplication::platformName().startsWith(QStringLiteral("wayland")))
        return false;
    WMEnterSizeMove(QCursor::pos());
    const bool started
        = hitCode == HTCAPTION ? window->startSystemMove() : window->startSystemResize(EdgesFor(hitCode));
    // The window system runs its loop and tells nothing of its end; the frame
    // follows through the resize events it sends.
    WMExitSizeMove();
    return started;
}

void TbsSkinForm::StartOwnMoveSize(int hitCode, QPoint pressPoint, QPoint cursor)
{
    WMEnterSizeMove(pressPoint);
    m_moveSizeLoop->Begin(hitCode, pressPoint);
    m_moveSizeLoop->Track(cursor);
}

void TbsSkinForm::WMEnterSizeMove(const QPoint& cursor)
{
    m_magneticEdges.Begin(cursor);
    ResetObjectStates();
    m_hoverTimer.stop();
    m_hotObject = m_captureObject = -1;
    m_inSizeMove = true;
}

void TbsSkinForm::WMExitSizeMove()
{
    m_hoverTimer.stop();
    m_hotObject = m_oldHotObject = m_captureObject = -1;
    m_inSizeMove = false;
    m_form->update();
}

void TbsSkinForm::WMMoving(QRect& proposed, const QPoint& cursor)
{
    if (SkinWindowState() == TbsWindowState::wsMaximized) {
        proposed = m_form->geometry();
        return;
    }
    if (m_magnetic)
        SnapToWorkArea(proposed, cursor);
}

void TbsSkinForm::WMSizing(const QRect&)
{
    m_magneticEdges.Clear();
}
