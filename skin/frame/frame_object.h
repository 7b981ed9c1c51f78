#pragma once

#include "skin/data/frame_command.h"
#include "skin/data/skin_values.h"
#include "skin/frame/object_layout.h"

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;
class TbsDataSkinObject;
class TbsFrameObjectHost;

// One active area of a skinned frame (a caption button, the caption, an
// animation, a user area), made from its frame object definition, whose faces
// it takes as QRects. It knows its place for the current window size, its
// faces and how it answers the mouse; the form controller owns it and routes
// the frame's mouse messages to it. It sees the window only through its host.
class TbsActiveSkinObject {
public:
    TbsActiveSkinObject(TbsFrameObjectHost& host, const TbsDataSkinObject* definition);
    virtual ~TbsActiveSkinObject() = default;
    TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
    TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

    // Draws the object; painter is in window coordinates. wholeFrame is set
    // while the whole frame is painted, where faces already in the frame
    // picture need not be drawn again.
    virtual void Draw(QPainter& painter, bool wholeFrame);
    virtual void DblClick() { }
    virtual void MouseDown(int button, int x, int y);
    virtual void MouseUp(int button, int x, int y);
    virtual void MouseMove(int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // A morph towards the object's current state has not finished.
    virtual bool EndMorphPending() const;
    // The state every object returns to when the window (de)activates or a
    // move or size begins.
    virtual void ResetState();

    // Whether the object takes part in the row of caption buttons, and for
    // which command; captions, user areas and plain buttons do not.
    virtual bool InButtonRow() const { return false; }
    virtual TbsStdCommand RowCommand() const { return cmDefault; }
    virtual bool IsCaption() const { return false; }
    // A standard caption button (close, maximize, ...).
    virtual bool IsCaptionButton() const { return false; }
    // Size the object takes in the button row.
    virtual QSize RowSize() const { return SkinRect.size(); }

    // The object as its layout sees it.
    TbsFrameObjectSlot Slot() const;

    // One morph step of 0.2 towards the current state; whether it moved.
    bool StepMorph();
    bool MorphingPossible() const;

    TbsFrameObjectHost& Host;
    QString IDName;
    QString Hint;
    QRect SkinRect;
    QRect ActiveSkinRect;
    QRect InActiveSkinRect;
    bool SkinRectInAPicture { false };
    bool Morphing { false };
    ::MorphKind MorphKind { ::MorphKind::mkDefault };
    double MorphKf { 0 };
    QRect ObjectRect;
    bool Active { false };
    bool MouseIn { false };
    bool Enabled { true };
    bool Visible { true };

protected:
    const QImage& Picture() const;
    // The picture the object's faces come from; null without one.
    const QImage* ActivePicture() const;
    // The picture the normal face comes from.
    const QImage* NormalPicture() const;
    // Copies face of picture into ObjectRect, stretched when the sizes differ.
    void DrawFace(QPainter& painter, const QImage* picture, const QRect& face) const;
    // The normal face morphed towards the active face at MorphKf.
    void DrawMorph(QPainter& painter, const QImage* fromPicture, const QRect& from, const QRect& to) const;
    // Repaints the object, through the morph timer when it morphs.
    void Redraw();
    void Repaint();

private:
    int m_activePictureIndex { -1 };
};

// An area the form paints itself through its OnPaintEvent.
class TbsUserObject : public TbsActiveSkinObject {
public:
    using TbsActiveSkinObject::TbsActiveSkinObject;
    void Draw(QPainter& painter, bool wholeFrame) override;
};
