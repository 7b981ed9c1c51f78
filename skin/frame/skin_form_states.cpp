// The window states the controller emulates (maximized, minimized, rolled
// up), the size limits, the placement at first show, snapping to the work
// area's edges and the fade-in.
#include "skin/frame/skin_form.h"

#include "skin/data/skin_data.h"
#include "skin/draw/screen_work_area.h"
#include "skin/frame/frame_object.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
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

int TbsSkinForm::GetMinWidth() const
{
    if (!SkinFrame())
        return m_minWidth > 0 ? m_minWidth : 120;
    const int pictureWidth = m_skinData->Picture().width();
    if (m_minWidth > pictureWidth && m_skinWindowState != TbsWindowState::wsMinimized)
        return m_minWidth;
    const int formMinWidth = m_skinData->FormInfo().formMinWidth;
    return formMinWidth > 0 ? std::min(formMinWidth, 1 << 15) : pictureWidth;
}

int TbsSkinForm::GetMinHeight() const
{
    const QMargins margins = FrameMargins();
    const int frameHeight = SkinFrame() ? margins.top() + margins.bottom() : TbsFrameLook::DefaultCaptionHeight(m_formBorderStyle) + 6;
    if (frameHeight >= m_minHeight || m_rolledUp || m_skinWindowState == TbsWindowState::wsMinimized)
        return frameHeight;
    return m_minHeight;
}

int TbsSkinForm::GetMaxWidth() const
{
    const int area = WindowWorkArea(m_form->geometry(), m_maximizeOnFullScreen).width();
    return m_maxWidth > 0 && (area <= 0 || m_maxWidth < area) ? m_maxWidth : area;
}

int TbsSkinForm::GetMaxHeight() const
{
    const int area = WindowWorkArea(m_form->geometry(), m_maximizeOnFullScreen).height();
    return m_maxHeight > 0 && (area <= 0 || m_maxHeight < area) ? m_maxHeight : area;
}

void TbsSkinForm::ApplySizeLimits()
{
    if (!m_skinnableFrame) {
        m_form->setMinimumSize(0, 0);
        m_form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return;
    }
    const int maxWidth = GetMaxWidth();
    const int maxHeight = GetMaxHeight();
    const int minWidth = GetMinWidth();
    const int minHeight = GetMinHeight();
    m_form->setMinimumSize(minWidth, minHeight);
    m_form->setMaximumSize(maxWidth > 0 ? std::max(maxWidth, minWidth) : QWIDGETSIZE_MAX,
        maxHeight > 0 ? std::max(maxHeight, minHeight) : QWIDGETSIZE_MAX);
    if (m_rolledUp || m_skinWindowState == TbsWindowState::wsMinimized)
        m_form->setFixedHeight(minHeight);
}

void TbsSkinForm::SetSkinWindowState(TbsWindowState state)
{
    if (!m_skinnableFrame) {
        if (state == TbsWindowState::wsMaximized)
            m_form->showMaximized();
        else if (state == TbsWindowState::wsMinimized)
            m_form->showMinimized();
        else
            m_form->showNormal();
        return;
    }
    if (state == m_skinWindowState)
        return;
    switch (state) {
    case TbsWindowState::wsMinimized:
        Minimize();
        break;
    case TbsWindowState::wsMaximized:
        m_skinWindowState = state;
        m_rolledUpAtMaximize = m_rolledUp;
        if (m_restoreBounds.isEmpty())
            m_restoreBounds = m_form->geometry();
        Maximize();
        emit OnMaximize();
        break;
    case TbsWindowState::wsNormal:
        Restore();
        break;
    }
    m_form->update();
}

void TbsSkinForm::Maximize()
{
    QRect area = WindowWorkArea(m_form->geometry(), m_maximizeOnFullScreen);
    if (area.isEmpty())
        return;
    const QRect whole = WindowWorkArea(m_form->geometry(), true);
    const QScreen* primary = QGuiApplication::primaryScreen();
    // A task bar that hides itself must stay reachable at the screen's edge.
    if (area == whole && primary && whole == primary->geometry())
        area.adjust(1, 1, -1, -1);
    if (m_rolledUp)
        area.setHeight(GetMinHeight());
    m_form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_form->setGeometry(area);
    ApplySizeLimits();
}

void TbsSkinForm::Restore()
{
    const TbsWindowState previous = m_skinWindowState;
    if (previous == TbsWindowState::wsMaximized && m_rolledUp && !m_rolledUpAtMaximize)
        SetRolledUp(false);
    m_rolledUpAtMaximize = false;
    m_rolledUpWhileMaximized = false;
    // Brought back while the state is still the old one, so that the window
    // system's restore is not reported as a second one.
    if (m_form->isMinimized())
        m_form->showNormal();
    m_skinWindowState = TbsWindowState::wsNormal;
    ApplySizeLimits();
    if (!m_restoreBounds.isEmpty()) {
        QRect bounds = m_restoreBounds;
        if (m_firstShow)
            bounds = CentredIn(WindowWorkArea(bounds, m_positionInMonitor == TbsPositionInMonitor::bspScreenCenter),
                bounds.size());
        m_form->setGeometry(bounds);
    }
    m_restoreBounds = {};
    m_hoverTimer.start(50, this);
    m_form->update();
    emit OnRestore();
}

void TbsSkinForm::Minimize()
{
    if (IsMainForm(*m_form)) {
        // The application is minimized; the frame's own state stays.
        m_form->showMinimized();
        emit OnMinimize();
        return;
    }
    m_skinWindowState = TbsWindowState::wsMinimized;
    if (m_restoreBounds.isEmpty())
        m_restoreBounds = m_form->geometry();
    const QSize size(GetMinWidth(), GetMinHeight());
    const QRect area = WindowWorkArea(m_form->geometry());
    QPoint slot(area.left(), area.bottom() + 1 - size.height());
    const auto taken = [&](const QPoint& position) {
        for (QWidget* other : QApplication::topLevelWidgets()) {
            if (other == m_form || !other->isVisible() || IsMainForm(*other) || other->pos() != position)
                continue;
            const auto* controller = other->findChild<TbsSkinForm*>(QString(), Qt::FindDirectChildrenOnly);
            if (controller && controller->SkinWindowState() == TbsWindowState::wsMinimized)
                return true;
        }
        return false;
    };
    // Bounded by the number of windows: each taken slot belongs to one.
    for (int tries = 0; tries <= QApplication::topLevelWidgets().size() && taken(slot); ++tries) {
        slot.rx() += size.width();
        if (slot.x() + size.width() > area.right() + 1) {
            slot = QPoint(area.left(), slot.y() - size.height());
            if (slot.y() < area.top()) {
                slot = QPoint(area.left(), area.bottom() + 1 - size.height());
                break;
            }
        }
    }
    ApplySizeLimits();
    m_form->setGeometry(QRect(slot, size));
    emit OnMinimize();
}

void TbsSkinForm::SetRolledUp(bool value)
{
    if (!(m_borderIcons & biRollUp) || m_skinWindowState == TbsWindowState::wsMinimized)
        return;
    if (m_rolledUp && m_skinWindowState == TbsWindowState::wsMaximized && !m_rolledUpWhileMaximized)
        return;
    if (value == m_rolledUp)
        return;
    if (m_skinWindowState == TbsWindowState::wsMaximized)
        m_rolledUpWhileMaximized = value;
    m_rolledUp = value;
    if (value) {
        m_heightBeforeRollUp = m_form->height();
        ApplySizeLimits();
        m_form->resize(m_form->width(), GetMinHeight());
    } else {
        ApplySizeLimits();
        if (m_clientHeight > 0)
            SetFormClientSize(QSize(m_clientArea->width(), m_clientHeight));
        else
            m_form->resize(m_form->width(), m_heightBeforeRollUp);
    }
    LayoutClientArea();
    m_form->update();
    emit OnChangeRollUpState();
}

void TbsSkinForm::PlaceAtFirstShow()
{
    m_firstShow = false;
    if (m_positionInMonitor == TbsPositionInMonitor::bspDefault || m_skinWindowState != TbsWindowState::wsNormal)
        return;
    const bool whole = m_positionInMonitor == TbsPositionInMonitor::bspScreenCenter;
    const QRect area = WindowWorkArea(m_form->geometry(), whole);
    if (!area.isEmpty())
        m_form->move(CentredIn(area, m_form->size()).topLeft());
}

void TbsSkinForm::SnapToWorkArea(QRect& proposed, const QPoint& cursor)
{
    const QRect area = WindowWorkArea(m_form->geometry());
    if (!area.isEmpty())
        proposed = m_magneticEdges.Snap(QRect(proposed.topLeft(), m_form->size()), area, cursor, m_magneticSize);
}

void TbsSkinForm::StartFadeIn()
{
    m_form->setWindowOpacity(0);
    m_fadeTimer.start(1, this);
}

void TbsSkinForm::FadeInStep()
{
    m_fadeTimer.stop();
    const int target = m_alphaBlend ? m_alphaBlendValue : 255;
    if (!m_alphaBlendAnimation) {
        m_form->setWindowOpacity(target / 255.0);
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
            m_form->setWindowOpacity(alpha / 255.0);
            clock.restart();
        }
    }
}

void TbsSkinForm::SetAlphaBlend(bool value)
{
    m_alphaBlend = value;
    m_form->setWindowOpacity(value ? m_alphaBlendValue / 255.0 : 1.0);
}

void TbsSkinForm::SetAlphaBlendValue(int value)
{
    m_alphaBlendValue = std::clamp(value, 0, 255);
    if (m_alphaBlend)
        m_form->setWindowOpacity(m_alphaBlendValue / 255.0);
}

void TbsSkinForm::SetBorderIcons(TbsBorderIcons icons)
{
    m_borderIcons = icons;
    UpdateObjectVisibility();
    LayoutObjects();
    m_form->update();
}

void TbsSkinForm::SetDisableSystemMenu(bool value)
{
    m_disableSystemMenu = value;
    UpdateObjectVisibility();
    m_form->update();
}

void TbsSkinForm::SetHideCaptionButtons(bool value)
{
    m_hideCaptionButtons = value;
    UpdateObjectVisibility();
    LayoutObjects();
    m_form->update();
}

void TbsSkinForm::SetShowIcon(bool value)
{
    m_showIcon = value;
    LayoutObjects();
    m_form->update();
}

void TbsSkinForm::SetDefCaptionFont(const QFont& font)
{
    m_defCaptionFont = font;
    m_form->update();
}

void TbsSkinForm::SetDefInActiveCaptionFont(const QFont& font)
{
    m_defInActiveCaptionFont = font;
    m_form->update();
}

void TbsSkinForm::SetLogoBitMap(const QImage& logo)
{
    m_logoBitMap = logo;
    m_clientArea->update();
}

void TbsSkinForm::SetLogoBitMapTransparent(bool value)
{
    m_logoBitMapTransparent = value;
    m_clientArea->update();
}

void TbsSkinForm::SetMinWidth(int value)
{
    m_minWidth = std::max(0, value);
    ApplySizeLimits();
}

void TbsSkinForm::SetMinHeight(int value)
{
    m_minHeight = std::max(0, value);
    ApplySizeLimits();
}

void TbsSkinForm::SetMaxWidth(int value)
{
    m_maxWidth = std::max(0, value);
    ApplySizeLimits();
}

void TbsSkinForm::SetMaxHeight(int value)
{
    m_maxHeight = std::max(0, value);
    ApplySizeLimits();
}
