// The form's side of the window states: the size limits each state calls
// for, what the window-state controller asks of the form, snapping to the
// work area's edges, and the frame settings that repaint or re-limit it.
#include "skin/frame/skin_form.h"

#include "skin/data/skin_data.h"
#include "skin/draw/screen_work_area.h"
#include "skin/frame/frame_object.h"

#include <QWidget>
#include <algorithm>

int TbsSkinForm::GetMinWidth() const
{
    // Narrower than the frame's two sides, the window could not be drawn.
    const QMargins frame = FrameMargins();
    const int sides = frame.left() + frame.right();
    if (!SkinFrame())
        return std::max(m_minWidth > 0 ? m_minWidth : 120, sides);
    const int pictureWidth = m_skinData->Picture().width();
    if (m_minWidth > pictureWidth && SkinWindowState() != TbsWindowState::wsMinimized)
        return m_minWidth;
    const int formMinWidth = m_skinData->FormInfo().formMinWidth;
    const int skinMinWidth = formMinWidth > 0 ? std::min(formMinWidth, 1 << 15) : pictureWidth;
    return std::max(skinMinWidth, sides);
}

int TbsSkinForm::GetMinHeight() const
{
    const QMargins margins = FrameMargins();
    const int frameHeight = SkinFrame() ? margins.top() + margins.bottom() : TbsFrameLook::DefaultCaptionHeight(m_formBorderStyle) + 6;
    if (frameHeight >= m_minHeight || RolledUp() || SkinWindowState() == TbsWindowState::wsMinimized)
        return frameHeight;
    return m_minHeight;
}

int TbsSkinForm::GetMaxWidth() const
{
    const int area = WindowWorkArea(m_form->geometry(), MaximizeOnFullScreen()).width();
    return m_maxWidth > 0 && (area <= 0 || m_maxWidth < area) ? m_maxWidth : area;
}

int TbsSkinForm::GetMaxHeight() const
{
    const int area = WindowWorkArea(m_form->geometry(), MaximizeOnFullScreen()).height();
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
    if (RolledUp() || SkinWindowState() == TbsWindowState::wsMinimized)
        m_form->setFixedHeight(minHeight);
}

bool TbsSkinForm::WindowStateHost::FrameTakenOver() const
{
    return m_form.m_skinnableFrame;
}

TbsBorderIcons TbsSkinForm::WindowStateHost::BorderIcons() const
{
    return m_form.m_borderIcons;
}

QSize TbsSkinForm::WindowStateHost::MinimumSize() const
{
    return QSize(m_form.GetMinWidth(), m_form.GetMinHeight());
}

void TbsSkinForm::WindowStateHost::ApplySizeLimits()
{
    m_form.ApplySizeLimits();
}

bool TbsSkinForm::WindowStateHost::ApplyRequestedClientHeight()
{
    if (m_form.m_clientHeight <= 0)
        return false;
    m_form.SetFormClientSize(QSize(m_form.m_clientArea->width(), m_form.m_clientHeight));
    return true;
}

void TbsSkinForm::WindowStateHost::LayoutClientArea()
{
    m_form.LayoutClientArea();
}

bool TbsSkinForm::WindowStateHost::IsMinimizedFrame(const QWidget& window) const
{
    const auto* other = window.findChild<TbsSkinForm*>(QString(), Qt::FindDirectChildrenOnly);
    return other && other->SkinWindowState() == TbsWindowState::wsMinimized;
}

void TbsSkinForm::WindowStateHost::Minimized()
{
    emit m_form.OnMinimize();
}

void TbsSkinForm::WindowStateHost::Maximized()
{
    emit m_form.OnMaximize();
}

void TbsSkinForm::WindowStateHost::Restored()
{
    m_form.m_hoverTimer.start(50, &m_form);
    emit m_form.OnRestore();
}

void TbsSkinForm::WindowStateHost::RollUpChanged()
{
    emit m_form.OnChangeRollUpState();
}

void TbsSkinForm::WindowStateHost::MinimizedToTray()
{
    emit m_form.OnMinimizeToTray();
}

void TbsSkinForm::WindowStateHost::RestoredFromTray()
{
    emit m_form.OnRestoreFromTray();
}

void TbsSkinForm::SnapToWorkArea(QRect& proposed, const QPoint& cursor)
{
    const QRect area = WindowWorkArea(m_form->geometry());
    if (!area.isEmpty())
        proposed = m_magneticEdges.Snap(QRect(proposed.topLeft(), m_form->size()), area, cursor, m_magneticSize);
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
