#pragma once

#include "skin/data/frame_command.h"

#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;
class ScaledPictureCache;
class TbsActiveSkinObject;
class TbsFormInfo;

// All a frame object knows of the window it sits on: what it draws from, and
// where it reports what the user did with it. A caption button keeps its own
// state (hot, pressed, morphing) and only reports the command a click runs;
// the window decides what the command does.
class TbsFrameObjectHost {
public:
    virtual ~TbsFrameObjectHost() = default;

    // What the objects draw from. Without a loaded skin (Skinned false) they
    // draw their plain default faces, if any.
    virtual bool Skinned() const = 0;
    virtual bool IsActive() const = 0;
    virtual const QImage& FramePicture() const = 0;
    // A picture of the skin by index; null for none.
    virtual const QImage* ActivePicture(int index) const = 0;
    virtual const TbsFormInfo& FormInfo() const = 0;
    virtual bool SkinEffectsEnabled() const = 0;
    // Whether an object that asks for morphing may morph now.
    virtual bool MorphingPossible(bool morphing) const = 0;
    // The frame pictures enlarged for the screen's whole pixel ratio.
    virtual ScaledPictureCache& ScaledPictures() const = 0;
    // The window's icon takes the place of the system-menu button's face.
    virtual bool ShowIcon() const = 0;
    virtual QIcon WindowIcon() const = 0;
    virtual QString WindowTitle() const = 0;
    virtual QPoint MapToGlobal(const QPoint& windowPoint) const = 0;
    // Whether the window is in the state command toggles (maximized for
    // maximize, minimized for minimize, rolled up for roll up).
    virtual bool CommandStateInForce(TbsStdCommand command) const = 0;
    // The window's own painting of the caption text; false where it has none.
    virtual bool PaintCaptionText(QPainter& painter, const QRect& rect, bool active) const = 0;
    // The window's own painting of a user object.
    virtual void PaintUserObject(const QString& idName, QPainter& painter, const QRect& objectRect) const = 0;

    // What the objects report.
    virtual void RedrawObject(const TbsActiveSkinObject& object) = 0;
    virtual void StartMorphTimer() = 0;
    virtual void StartAnimationTimer() = 0;
    virtual void RunCommand(TbsStdCommand command) = 0;
    // Opens the system menu below or at screenAnchor (screen coordinates).
    virtual void ShowSystemMenuAt(const QRect& screenAnchor) = 0;
    virtual void ObjectMouseEnter(const QString& idName) = 0;
    virtual void ObjectMouseLeave(const QString& idName) = 0;
    virtual void ObjectMouseDown(const QString& idName, int x, int y, const QRect& objectRect, int button) = 0;
    virtual void ObjectMouseUp(const QString& idName, int x, int y, const QRect& objectRect, int button) = 0;
    virtual void ObjectMouseMove(const QString& idName, int x, int y, const QRect& objectRect) = 0;
};
