#include "skin/controls/skin_active_control.h"

#include <QEvent>

TbsSkinActiveControl::TbsSkinActiveControl(QWidget* parent)
    : TbsSkinCustomControl(parent)
{
}

void TbsSkinActiveControl::SetCanFocused(bool can)
{
    m_canFocused = can;
    SetTabStop(can);
    FaceChanged();
}

FaceInputs TbsSkinActiveControl::CurrentFaceInputs() const
{
    FaceInputs inputs = TbsSkinCustomControl::CurrentFaceInputs();
    inputs.hovered = m_mouseInside;
    return inputs;
}

void TbsSkinActiveControl::SetTabStop(bool stop)
{
    if (!m_canFocused)
        setFocusPolicy(Qt::NoFocus);
    else
        setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TbsSkinActiveControl::SetMouseInside(bool inside)
{
    if (m_mouseInside == inside)
        return;
    m_mouseInside = inside;
    StartMorph();
}

void TbsSkinActiveControl::StartMorph()
{
    if (MorphEnabled())
        m_morph.Start();
    else
        FaceChanged();
}

void TbsSkinActiveControl::focusInEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusInEvent(event);
    StartMorph();
}

void TbsSkinActiveControl::focusOutEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusOutEvent(event);
    StartMorph();
}

void TbsSkinActiveControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_mouseInside = false;
        m_morph.Stop();
        m_morph.SetComplete(false);
    }
    TbsSkinCustomControl::changeEvent(event);
}
