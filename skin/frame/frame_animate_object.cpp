#include "skin/frame/frame_animate_object.h"

#include "skin/data/data_skin_object.h"
#include "skin/frame/frame_object_host.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsFrameObjectHost& host, const TbsDataSkinAnimate* definition)
    : TbsActiveSkinObject(host, definition)
{
    Command = definition->command;
    // A strip of frames is bounded by the picture it is cut from.
    FrameCount = std::clamp(definition->countFrames, 1, 4096);
    Cycle = definition->cycle;
    ButtonStyle = definition->buttonStyle;
    Interval = std::max(definition->timerInterval, 25);
    DownSkinRect = definition->downSkinRect;
    RestoreRect = definition->restoreRect;
    RestoreActiveRect = definition->restoreActiveRect;
    RestoreDownRect = definition->restoreDownRect;
    RestoreInActiveRect = definition->restoreInactiveRect;
    Morphing = false;
}

bool TbsSkinAnimateObject::CommandStateInForce() const
{
    return Host.CommandStateInForce(Command);
}

void TbsSkinAnimateObject::Draw(QPainter& painter, bool)
{
    if (!Host.Skinned())
        return;
    const bool restore = CommandStateInForce() && !RestoreRect.IsEmpty();
    const ::SkinRect skin = restore ? RestoreRect : SkinRect;
    const ::SkinRect down = restore ? RestoreDownRect : DownSkinRect;
    const ::SkinRect inactive = restore ? RestoreInActiveRect : InActiveSkinRect;
    const int width = skin.Width();
    const auto frameRect = [&](int frame) {
        return ::SkinRect { skin.left + (frame - 1) * width, skin.top, skin.left + frame * width, skin.bottom };
    };
    if (MenuShown) {
        if (down.IsEmpty())
            Frame = FrameCount;
        DrawFace(painter, ActivePicture(), down.IsEmpty() ? frameRect(FrameCount) : down);
    } else if (!Host.IsActive() && !inactive.IsEmpty()) {
        DrawFace(painter, ActivePicture(), inactive);
    } else if (Pressed && MouseIn && !down.IsEmpty()) {
        DrawFace(painter, ActivePicture(), down);
    } else {
        DrawFace(painter, ActivePicture(), frameRect(std::clamp(Frame, 1, FrameCount)));
    }
}

void TbsSkinAnimateObject::StartOrRepaint()
{
    if (!Pressed || DownSkinRect.IsEmpty())
        Host.StartAnimationTimer();
    else
        Repaint();
}

void TbsSkinAnimateObject::MouseEnter()
{
    MouseIn = true;
    if (!MenuShown && ButtonStyle) {
        Active = true;
        Forward = true;
        StartOrRepaint();
    }
    Host.ObjectMouseEnter(IDName);
}

void TbsSkinAnimateObject::MouseLeave()
{
    if (!MouseIn)
        return;
    MouseIn = false;
    if (!MenuShown && ButtonStyle) {
        Active = true;
        Forward = false;
        StartOrRepaint();
    }
    Host.ObjectMouseLeave(IDName);
}

void TbsSkinAnimateObject::MouseDown(int button, int x, int y)
{
    TbsActiveSkinObject::MouseDown(button, x, y);
    if (!DownSkinRect.IsEmpty() && button == 0) {
        Frame = FrameCount;
        Pressed = true;
        Repaint();
    }
    if (Command == cmSysMenu && MouseIn && ButtonStyle) {
        MenuShown = true;
        const QRect rect = ObjectRect.ToQRect();
        Host.ShowSystemMenuAt(QRect(Host.MapToGlobal(rect.topLeft()), rect.size()));
    }
}

void TbsSkinAnimateObject::MouseUp(int button, int x, int y)
{
    TbsActiveSkinObject::MouseUp(button, x, y);
    if (MenuShown)
        return;
    if (!DownSkinRect.IsEmpty() && button == 0) {
        Pressed = false;
        Repaint();
        Host.StartAnimationTimer();
    }
    if (Command != cmSysMenu && MouseIn && ButtonStyle && button == 0)
        Host.RunCommand(Command);
}

void TbsSkinAnimateObject::DblClick()
{
    if (Command == cmSysMenu)
        Host.RunCommand(cmClose);
}

void TbsSkinAnimateObject::ResetState()
{
    MouseIn = false;
    Active = false;
    Frame = 1;
}

bool TbsSkinAnimateObject::StepAnimation()
{
    if (!Active || (Pressed && !DownSkinRect.IsEmpty()))
        return false;
    if (Elapsed < Interval) {
        Elapsed += 25;
        return true;
    }
    if (Forward) {
        Frame = Frame >= FrameCount ? 1 : Frame + 1;
        if (!Cycle && Frame == FrameCount)
            Active = false;
    } else {
        Frame = Frame <= 1 ? FrameCount : Frame - 1;
        if (Frame == 1)
            Active = false;
    }
    Repaint();
    Elapsed = 25;
    return true;
}
