#include "skin/frame/frame_object.h"

#include "skin/data/data_skin_object.h"
#include "skin/draw/morph.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/whole_pixel_scaling.h"
#include "skin/frame/frame_object_host.h"
#include "skin/frame/frame_rect.h"

#include <QPainter>
#include <algorithm>

TbsActiveSkinObject::TbsActiveSkinObject(TbsFrameObjectHost& host, const TbsDataSkinObject* definition)
    : Host(host)
{
    if (!definition)
        return;
    IDName = definition->IDName();
    Hint = definition->hint;
    SkinRect = FrameRect(definition->skinRect);
    ActiveSkinRect = FrameRect(definition->activeSkinRect);
    InActiveSkinRect = FrameRect(definition->inactiveSkinRect);
    SkinRectInAPicture = definition->skinRectInAPicture;
    MorphKind = definition->morphKind;
    m_activePictureIndex = definition->activePictureIndex;
    // Without an active picture there is no active face to show or morph to.
    if (!ActivePicture())
        ActiveSkinRect = QRect();
    Morphing = definition->morphing && !ActiveSkinRect.isEmpty();
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

void TbsActiveSkinObject::DrawFace(QPainter& painter, const QImage* picture, const QRect& face) const
{
    if (!picture || picture->isNull() || face.isEmpty() || ObjectRect.isEmpty())
        return;
    DrawPicturePiece(painter, ObjectRect, *picture, face, Host.ScaledPictures());
}

void TbsActiveSkinObject::DrawMorph(QPainter& painter, const QImage* fromPicture, const QRect& from,
    const QRect& to) const
{
    const QImage* toPicture = ActivePicture();
    if (!fromPicture || !toPicture || ObjectRect.isEmpty())
        return;
    const QSize size = ObjectRect.size();
    QImage current = StretchedPiece(*fromPicture, from, size.width(), size.height());
    const QImage target = StretchedPiece(*toPicture, to, size.width(), size.height());
    Morph(current, target, MorphKf, MorphKind);
    painter.drawImage(ObjectRect.topLeft(), current);
}

void TbsActiveSkinObject::Draw(QPainter& painter, bool wholeFrame)
{
    if (!Host.Skinned())
        return;
    if (Enabled && !Host.IsActive() && !InActiveSkinRect.isEmpty()) {
        DrawFace(painter, ActivePicture(), InActiveSkinRect);
        return;
    }
    if (MorphingPossible() && EndMorphPending()) {
        DrawMorph(painter, NormalPicture(), SkinRect, ActiveSkinRect);
        return;
    }
    if (Active && !ActiveSkinRect.isEmpty()) {
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
    if (!ActiveSkinRect.isEmpty())
        Redraw();
    Host.ObjectMouseEnter(IDName);
}

void TbsActiveSkinObject::MouseLeave()
{
    MouseIn = false;
    Active = false;
    if (!ActiveSkinRect.isEmpty())
        Redraw();
    Host.ObjectMouseLeave(IDName);
}

void TbsActiveSkinObject::MouseDown(int button, int x, int y)
{
    Host.ObjectMouseDown(IDName, x, y, ObjectRect, button);
}

void TbsActiveSkinObject::MouseUp(int button, int x, int y)
{
    if (MouseIn)
        Host.ObjectMouseUp(IDName, x, y, ObjectRect, button);
}

void TbsActiveSkinObject::MouseMove(int x, int y)
{
    Host.ObjectMouseMove(IDName, x, y, ObjectRect);
}

void TbsUserObject::Draw(QPainter& painter, bool)
{
    if (Host.Skinned())
        Host.PaintUserObject(IDName, painter, ObjectRect);
}
