#include "skin/controls/skin_editor_control.h"

TbsSkinEditorControl::TbsSkinEditorControl(QWidget* parent)
    : TbsSkinCustomControl(parent)
{
}

FaceInputs TbsSkinEditorControl::CurrentFaceInputs() const
{
    FaceInputs inputs = TbsSkinCustomControl::CurrentFaceInputs();
    inputs.hovered = m_mouseInside;
    return inputs;
}

void TbsSkinEditorControl::ActiveStateChanged()
{
    ApplyColors();
    FaceChanged();
}

void TbsSkinEditorControl::enterEvent(QEnterEvent* event)
{
    m_mouseInside = true;
    ActiveStateChanged();
    TbsSkinCustomControl::enterEvent(event);
}

void TbsSkinEditorControl::leaveEvent(QEvent* event)
{
    m_mouseInside = false;
    ActiveStateChanged();
    TbsSkinCustomControl::leaveEvent(event);
}
