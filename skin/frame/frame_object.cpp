#include "skin/frame/frame_object.h"

#include "skin/data/data_skin_object.h"
#include "skin/draw/morph.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/whole_pixel_scaling.h"
#include "skin/frame/frame_object_host.h"

#include <QPainter>
#include <algorithm>

TbsActiveSkinObject::TbsActiveSkinObject(TbsFrameObjectHost& host, const TbsDataSkinObject* definition)
    : Host(host)
{
    if (!definition)
        return;
    IDName = definition->IDName();
    Hint = definition->hint;
    SkinRect = definition->skinRect;
    ActiveSkinRect = definition->activeSkinRect;
    InActiveSkinRect = definition->inactiveSkinRect;
    SkinRectInAPicture = definition->skinRectInAPicture;
    MorphKind = definition->morphKind;
    m_activePictureIndex = definition->activePictureIndex;
    // Without an active picture there is no active face to show or morph to.
    if (!ActivePicture())
        ActiveSkinRect = {};
    Morphing = definition->morphing && !ActiveSkinRect.IsEmpty();
    ObjectRect = SkinRect;
}

const QImage& TbsActiveSkinObject::Picture() const
{
    return Host.FramePicture();
}

const QImage* TbsActiveSkinObject::ActivePicture() const
{
    return Host.ActivePicture(m_activePictureIndex);
}

const QImage* TbsActiveSkinObject::NormalPicture() const
{
    return SkinRectInAPicture ? ActivePicture() : &Picture();
}

TbsFrameObjectSlot TbsActiveSkinObject::Slot() const
{
    return { ObjectRect, SkinRect, SkinRectInAPicture, Visible, InButtonRow(), RowCommand(), IsCaption(), RowSize(),
        IsCaptionButton() };
}

bool TbsActiveSkinObject::MorphingPossible() const
{
    return Host.MorphingPossible(Morphing);
}

void TbsActiveSkinObject::DrawFace(QPainter& painter, const QImage* picture, const ::SkinRect& face) const
{
    if (!picture || picture->isNull() || face.IsEmpty() || ObjectRect.IsEmpty())
        return;
    DrawPicturePiece(painter, ObjectRect.ToQRect(), *picture, face.ToQRect(), Host.ScaledPictures());
}

void TbsActiveSkinObject::DrawMorph(QPainter& painter, const QImage* fromPicture, const ::SkinRect& from,
    const ::SkinRect& to) const
{
    const QImage* toPicture = ActivePicture();
    if (!fromPicture || !toPicture || ObjectRect.IsEmpty())
        return;
    const QSize size = ObjectRect.ToQRect().size();
    QImage current = StretchedPiece(*fromPicture, from.ToQRect(), size.width(), size.height());
    const QImage target = StretchedPiece(*toPicture, to.ToQRect(), size.width(), size.height());
    Morph(current, target, MorphKf, MorphKind);
    painter.drawImage(ObjectRect.ToQRect().topLeft(), current);
}

void TbsActiveSkinObject::Draw(QPainter& painter, bool wholeFrame)
{
    if (!Host.Skinned())
        return;
    if (Enabled && !Host.IsActive() && !InActiveSkinRect.IsEmpty()) {
        DrawFace(painter, ActivePicture(), InActiveSkinRect);
        return;
    }
    if (MorphingPossible() && EndMorphPending()) {
        DrawMorph(painter, NormalPicture(), SkinRect, ActiveSkinRect);
        return;
    }
    if (Active && !ActiveSkinRect.IsEmpty()) {
        DrawFace(painter, ActivePicture(), ActiveSkinRect);
        return;
    }
    // The frame picture already shows a face that is part of it.
    if (wholeFrame && !SkinRectInAPicture)
        return;
    DrawFace(painter, NormalPicture(), SkinRect);
}

bool TbsActiveSkinObject::EndMorphPending() const
{
    return (Active && MorphKf < 1) || (!Active && MorphKf > 0);
}

bool TbsActiveSkinObject::StepMorph()
{
    if (!MorphingPossible() || !EndMorphPending())
        return false;
    MorphKf = std::clamp(MorphKf + (Active ? 0.2 : -0.2), 0.0, 1.0);
    Repaint();
    return true;
}

void TbsActiveSkinObject::ResetState()
{
    Active = false;
    MouseIn = false;
    MorphKf = 0;
}

void TbsActiveSkinObject::Redraw()
{
    if (MorphingPossible())
        Host.StartMorphTimer();
    else
        Repaint();
}

void TbsActiveSkinObject::Repaint()
{
    Host.RedrawObject(*this);
}

void TbsActiveSkinObject::MouseEnter()
{
    MouseIn = true;
    Active = true;
    if (!ActiveSkinRect.IsEmpty())
        Redraw();
    Host.ObjectMouseEnter(IDName);
}

void TbsActiveSkinObject::MouseLeave()
{
    MouseIn = false;
    Active = false;
    if (!ActiveSkinRect.IsEmpty())
        Redraw();
    Host.ObjectMouseLeave(IDName);
}

void TbsActiveSkinObject::MouseDown(int button, int x, int y)
{
    Host.ObjectMouseDown(IDName, x, y, ObjectRect.ToQRect(), button);
}

void TbsActiveSkinObject::MouseUp(int button, int x, int y)
{
    if (MouseIn)
        Host.ObjectMouseUp(IDName, x, y, ObjectRect.ToQRect(), button);
}

void TbsActiveSkinObject::MouseMove(int x, int y)
{
    Host.ObjectMouseMove(IDName, x, y, ObjectRect.ToQRect());
}

void TbsUserObject::Draw(QPainter& painter, bool)
{
    if (Host.Skinned())
        Host.PaintUserObject(IDName, painter, ObjectRect.ToQRect());
}
