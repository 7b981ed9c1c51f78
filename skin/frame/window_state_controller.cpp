#include "skin/frame/window_state_controller.h"

#include "skin/draw/screen_work_area.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>

namespace {

QRect CentredIn(const QRect& area, const QSize& size)
{
    return QRect(area.left() + area.width() / 2 - size.width() / 2, area.top() + area.height() / 2 - size.height() / 2,
        size.width(), size.height());
}

// The form the application belongs to: a plain top-level window, not a
// dialog or a tool window beside it.
bool IsMainForm(const QWidget& form)
{
    return form.windowType() == Qt::Window;
}

} // namespace

TbsWindowStateController::TbsWindowStateController(QWidget& window, TbsWindowStateHost& host, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_host(host)
{
}

TbsWindowStateController::~TbsWindowStateController() = default;

void TbsWindowStateController::SetState(TbsWindowState state)
{
    if (!m_host.FrameTakenOver()) {
        if (state == TbsWindowState::wsMaximized)
            m_window.showMaximized();
        else if (state == TbsWindowState::wsMinimized)
            m_window.showMinimized();
        else
            m_window.showNormal();
        return;
    }
    if (state == m_state)
        return;
    switch (state) {
    case TbsWindowState::wsMinimized:
        Minimize();
        break;
    case TbsWindowState::wsMaximized:
        m_state = state;
        m_rolledUpAtMaximize = m_rolledUp;
        if (m_restoreBounds.isEmpty())
            m_restoreBounds = m_window.geometry();
        Maximize();
        m_host.Maximized();
        break;
    case TbsWindowState::wsNormal:
        Restore();
        break;
    }
    m_window.update();
}

void TbsWindowStateController::RefillWorkArea()
{
    if (m_state == TbsWindowState::wsMaximized)
        Maximize();
}

void TbsWindowStateController::Maximize()
{
    QRect area = WindowWorkArea(m_window.geometry(), m_maximizeOnFullScreen);
    if (area.isEmpty())
        return;
    const QRect whole = WindowWorkArea(m_window.geometry(), true);
    const QScreen* primary = QGuiApplication::primaryScreen();
    // A task bar that hides itself must stay reachable at the screen's edge.
    if (area == whole && primary && whole == primary->geometry())
        area.adjust(1, 1, -1, -1);
    if (m_rolledUp)
        area.setHeight(m_host.MinimumSize().height());
    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_window.setGeometry(area);
    m_host.ApplySizeLimits();
}

void TbsWindowStateController::Restore()
{
    if (m_state == TbsWindowState::wsMaximized && m_rolledUp && !m_rolledUpAtMaximize)
        SetRolledUp(false);
    m_rolledUpAtMaximize = false;
    m_rolledUpWhileMaximized = false;
    // Brought back while the state is still the old one, so that the window
    // system's restore is not reported as a second one.
    if (m_window.isMinimized())
        m_window.showNormal();
    m_state = TbsWindowState::wsNormal;
    m_host.ApplySizeLimits();
    if (!m_restoreBounds.isEmpty()) {
        QRect bounds = m_restoreBounds;
        if (m_firstShow)
            bounds = CentredIn(WindowWorkArea(bounds, m_positionInMonitor == TbsPositionInMonitor::bspScreenCenter),
                bounds.size());
        m_window.setGeometry(bounds);
    }
    m_restoreBounds = {};
    m_window.update();
    m_host.Restored();
}

void TbsWindowStateController::Minimize()
{
    if (IsMainForm(m_window)) {
        // The application is minimized; the frame's own state stays.
        m_window.showMinimized();
        m_host.Minimized();
        return;
    }
    m_state = TbsWindowState::wsMinimized;
    if (m_restoreBounds.isEmpty())
        m_restoreBounds = m_window.geometry();
    const QSize size = m_host.MinimumSize();
    const QPoint slot = FreeMinimizedSlot(WindowWorkArea(m_window.geometry()), size);
    m_host.ApplySizeLimits();
    m_window.setGeometry(QRect(slot, size));
    m_host.Minimized();
}

QPoint TbsWindowStateController::FreeMinimizedSlot(const QRect& area, const QSize& size) const
{
    QPoint slot(area.left(), area.bottom() + 1 - size.height());
    const auto taken = [&](const QPoint& position) {
        for (QWidget* other : QApplication::topLevelWidgets()) {
            if (other != &m_window && other->isVisible() && !IsMainForm(*other) && other->pos() == position
                && m_host.IsMinimizedFrame(*other))
                return true;
        }
        return false;
    };
    // Bounded by the number of windows: each taken slot belongs to one.
    for (int tries = 0; tries <= QApplication::topLevelWidgets().size() && taken(slot); ++tries) {
        slot.rx() += size.width();
        if (slot.x() + size.width() > area.right() + 1) {
            slot = QPoint(area.left(), slot.y() - size.height());
            if (slot.y() < area.top())
                return QPoint(area.left(), area.bottom() + 1 - size.height());
        }
    }
    return slot;
}

void TbsWindowStateController::SetRolledUp(bool value)
{
    if (!(m_host.BorderIcons() & biRollUp) || m_state == TbsWindowState::wsMinimized)
        return;
    if (m_rolledUp && m_state == TbsWindowState::wsMaximized && !m_rolledUpWhileMaximized)
        return;
    if (value == m_rolledUp)
        return;
    if (m_state == TbsWindowState::wsMaximized)
        m_rolledUpWhileMaximized = value;
    m_rolledUp = value;
    if (value) {
        m_heightBeforeRollUp = m_window.height();
        m_host.ApplySizeLimits();
        m_window.resize(m_window.width(), m_host.MinimumSize().height());
    } else {
        m_host.ApplySizeLimits();
        if (!m_host.ApplyRequestedClientHeight())
            m_window.resize(m_window.width(), m_heightBeforeRollUp);
    }
    m_host.LayoutClientArea();
    m_window.update();
    m_host.RollUpChanged();
}

void TbsWindowStateController::Shown()
{
    if (m_firstShow)
        PlaceAtFirstShow();
    if (m_alphaBlend || m_alphaBlendAnimation) {
        m_window.setWindowOpacity(0);
        m_fadeTimer.start(1, this);
    }
}

void TbsWindowStateController::PlaceAtFirstShow()
{
    m_firstShow = false;
    if (m_positionInMonitor == TbsPositionInMonitor::bspDefault || m_state != TbsWindowState::wsNormal)
        return;
    const bool whole = m_positionInMonitor == TbsPositionInMonitor::bspScreenCenter;
    const QRect area = WindowWorkArea(m_window.geometry(), whole);
    if (!area.isEmpty())
        m_window.move(CentredIn(area, m_window.size()).topLeft());
}

void TbsWindowStateController::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_fadeTimer.timerId())
        FadeIn();
    else
        QObject::timerEvent(event);
}

void TbsWindowStateController::FadeIn()
{
    m_fadeTimer.stop();
    const int target = m_alphaBlend ? m_alphaBlendValue : 255;
    if (!m_alphaBlendAnimation) {
        m_window.setWindowOpacity(target / 255.0);
        return;
    }
    QCoreApplication::processEvents();
    // The fade runs to its end before anything else happens, as it did on
    // the window's first show.
    int alpha = 0;
    QElapsedTimer clock;
    clock.start();
    while (alpha < target) {
        if (clock.elapsed() > 5) {
            alpha = std::min(alpha + 10, target);
            m_window.setWindowOpacity(alpha / 255.0);
            clock.restart();
        }
    }
}

void TbsWindowStateController::SetAlphaBlend(bool value)
{
    m_alphaBlend = value;
    m_window.setWindowOpacity(value ? m_alphaBlendValue / 255.0 : 1.0);
}

void TbsWindowStateController::SetAlphaBlendValue(int value)
{
    m_alphaBlendValue = std::clamp(value, 0, 255);
    if (m_alphaBlend)
        m_window.setWindowOpacity(m_alphaBlendValue / 255.0);
}
