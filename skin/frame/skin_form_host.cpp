#include "skin/frame/skin_form_host.h"

#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"

#include <QWidget>

TbsSkinFormHost::TbsSkinFormHost(TbsSkinForm& form)
    : m_form(form)
{
}

bool TbsSkinFormHost::Skinned() const
{
    return m_form.Skinned();
}

bool TbsSkinFormHost::IsActive() const
{
    return m_form.IsActive();
}

const QImage& TbsSkinFormHost::FramePicture() const
{
    static const QImage none;
    const TbsSkinData* skinData = m_form.SkinData();
    return skinData ? skinData->Picture() : none;
}

const QImage* TbsSkinFormHost::ActivePicture(int index) const
{
    return m_form.ActivePicture(index);
}

const TbsFormInfo& TbsSkinFormHost::FormInfo() const
{
    static const TbsFormInfo none;
    const TbsSkinData* skinData = m_form.SkinData();
    return skinData ? skinData->FormInfo() : none;
}

bool TbsSkinFormHost::SkinEffectsEnabled() const
{
    const TbsSkinData* skinData = m_form.SkinData();
    return skinData && skinData->EnableSkinEffects();
}

bool TbsSkinFormHost::MorphingPossible(bool morphing) const
{
    return m_form.MorphingPossible(morphing);
}

ScaledPictureCache& TbsSkinFormHost::ScaledPictures() const
{
    return m_form.ScaledPictures();
}

bool TbsSkinFormHost::ShowIcon() const
{
    return m_form.ShowIcon();
}

QIcon TbsSkinFormHost::WindowIcon() const
{
    return m_form.Form()->windowIcon();
}

QString TbsSkinFormHost::WindowTitle() const
{
    return m_form.Form()->windowTitle();
}

QPoint TbsSkinFormHost::MapToGlobal(const QPoint& windowPoint) const
{
    return m_form.Form()->mapToGlobal(windowPoint);
}

bool TbsSkinFormHost::CommandStateInForce(TbsStdCommand command) const
{
    switch (command) {
    case cmMaximize:
        return m_form.SkinWindowState() == TbsWindowState::wsMaximized;
    case cmMinimize:
        return m_form.SkinWindowState() == TbsWindowState::wsMinimized;
    case cmRollUp:
        return m_form.RolledUp();
    default:
        return false;
    }
}

bool TbsSkinFormHost::PaintCaptionText(QPainter& painter, const QRect& rect, bool active) const
{
    if (!m_form.OnCaptionPaint)
        return false;
    m_form.OnCaptionPaint(painter, rect, active);
    return true;
}

void TbsSkinFormHost::PaintUserObject(const QString& idName, QPainter& painter, const QRect& objectRect) const
{
    if (m_form.OnPaintEvent)
        m_form.OnPaintEvent(idName, painter, objectRect);
}

void TbsSkinFormHost::RedrawObject(const TbsActiveSkinObject& object)
{
    m_form.RedrawObject(object);
}

void TbsSkinFormHost::StartMorphTimer()
{
    m_form.StartMorphTimer();
}

void TbsSkinFormHost::StartAnimationTimer()
{
    m_form.StartAnimationTimer();
}

void TbsSkinFormHost::RunCommand(TbsStdCommand command)
{
    m_form.RunCommand(command);
}

void TbsSkinFormHost::ShowSystemMenuAt(const QRect& screenAnchor)
{
    m_form.ShowSystemMenuAt(screenAnchor);
}

void TbsSkinFormHost::ObjectMouseEnter(const QString& idName)
{
    emit m_form.OnMouseEnterEvent(idName);
}

void TbsSkinFormHost::ObjectMouseLeave(const QString& idName)
{
    emit m_form.OnMouseLeaveEvent(idName);
}

void TbsSkinFormHost::ObjectMouseDown(const QString& idName, int x, int y, const QRect& objectRect, int button)
{
    emit m_form.OnMouseDownEvent(idName, x, y, objectRect, button);
}

void TbsSkinFormHost::ObjectMouseUp(const QString& idName, int x, int y, const QRect& objectRect, int button)
{
    emit m_form.OnMouseUpEvent(idName, x, y, objectRect, button);
}

void TbsSkinFormHost::ObjectMouseMove(const QString& idName, int x, int y, const QRect& objectRect)
{
    emit m_form.OnMouseMoveEvent(idName, x, y, objectRect);
}

TbsWindowState TbsSkinFormHost::WindowState() const
{
    return m_form.SkinWindowState();
}

TbsBorderIcons TbsSkinFormHost::BorderIcons() const
{
    return m_form.BorderIcons();
}

bool TbsSkinFormHost::RolledUp() const
{
    return m_form.RolledUp();
}

bool TbsSkinFormHost::RolledUpWhileMaximized() const
{
    return m_form.RolledUpWhileMaximized();
}

QWidget* TbsSkinFormHost::Window() const
{
    return m_form.Form();
}

TbsSkinData* TbsSkinFormHost::MenuSkin() const
{
    return m_form.MenuSkin();
}

const TbsSkinData* TbsSkinFormHost::TextSkin() const
{
    return m_form.SkinData();
}

void TbsSkinFormHost::SetWindowState(TbsWindowState state)
{
    m_form.SetSkinWindowState(state);
}

void TbsSkinFormHost::SetRolledUp(bool rolledUp)
{
    m_form.SetRolledUp(rolledUp);
}

void TbsSkinFormHost::MenuClosed()
{
    m_form.MenuClosed();
}
