#include "skin/controls/skin_editor_control.h"

TbsSkinEditorControl::TbsSkinEditorControl(QWidget* parent)
    : TbsSkinCustomControl(parent)
{
}

void TbsSkinEditorControl::ActiveStateChanged()
{
    ApplyColors();
    update();
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
