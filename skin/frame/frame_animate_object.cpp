#include "skin/frame/frame_animate_object.h"

#include "skin/data/data_skin_object.h"
#include "skin/frame/frame_object_host.h"
#include "skin/frame/frame_rect.h"

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
    DownSkinRect = FrameRect(definition->downSkinRect);
    RestoreRect = FrameRect(definition->restoreRect);
    RestoreActiveRect = FrameRect(definition->restoreActiveRect);
    RestoreDownRect = FrameRect(definition->restoreDownRect);
    RestoreInActiveRect = FrameRect(definition->restoreInactiveRect);
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
    const bool restore = CommandStateInForce() && !RestoreRect.isEmpty();
    const QRect& skin = restore ? RestoreRect : SkinRect;
    const QRect& down = restore ? RestoreDownRect : DownSkinRect;
    const QRect& inactive = restore ? RestoreInActiveRect : InActiveSkinRect;
    const int width = skin.width();
    const auto frameRect
        = [&](int frame) { return QRect(skin.left() + (frame - 1) * width, skin.top(), width, skin.height()); };
    if (MenuShown) {
        if (down.isEmpty())
            Frame = FrameCount;
        DrawFace(painter, ActivePicture(), down.isEmpty() ? frameRect(FrameCount) : down);
    } else if (!Host.IsActive() && !inactive.isEmpty()) {
        DrawFace(painter, ActivePicture(), inactive);
    } else if (Pressed && MouseIn && !down.isEmpty()) {
        DrawFace(painter, ActivePicture(), down);
    } else {
        DrawFace(painter, ActivePicture(), frameRect(std::clamp(Frame, 1, FrameCount)));
    }
}

void TbsSkinAnimateObject::StartOrRepaint()
{
    if (!Pressed || DownSkinRect.isEmpty())
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
    if (!DownSkinRect.isEmpty() && button == 0) {
        Frame = FrameCount;
        Pressed = true;
        Repaint();
    }
    if (Command == cmSysMenu && MouseIn && ButtonStyle) {
        MenuShown = true;
        const QRect& rect = ObjectRect;
        Host.ShowSystemMenuAt(QRect(Host.MapToGlobal(rect.topLeft()), rect.size()));
    }
}

void TbsSkinAnimateObject::MouseUp(int button, int x, int y)
{
    TbsActiveSkinObject::MouseUp(button, x, y);
    if (MenuShown)
        return;
    if (!DownSkinRect.isEmpty() && button == 0) {
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
    if (!Active || (Pressed && !DownSkinRect.isEmpty()))
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
