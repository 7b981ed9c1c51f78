#include "skin/draw/compose_skin_face.h"

#include "skin/draw/compose_skin_image.h"
#include "skin/draw/engine_bitmap.h"

QImage ComposeSkinFace(const QImage& picture, const SkinPieceGeometry& piece, CompositionMode mode,
    const QRect& faceRect, int width, int height)
{
    if (mode == CompositionMode::None || picture.isNull() || !IsDrawable(piece) || !IsDrawable(faceRect))
        return {};
    SkinPieceGeometry face = piece;
    face.skinRect = faceRect;
    face = ClipToPicture(face, picture.size());
    if (face.skinRect.isEmpty())
        return {};
    SkinTargetGeometry const target = CalcTargetGeometry(mode, face, width, height);
    int const skinWidth = face.skinRect.width();
    int const skinHeight = face.skinRect.height();

    QImage image;
    switch (mode) {
    case CompositionMode::Fixed:
        image = MakeSkinBitmap(skinWidth, skinHeight);
        DrawPiece(image, image.rect(), ToSkinBitmap(picture), face.skinRect);
        break;
    case CompositionMode::Full:
        ComposeSkinImage(image, picture, face, target, true);
        break;
    case CompositionMode::Horizontal:
        ComposeSkinImageHorz(image, picture, face.skinRect, face.leftTop.x(), skinWidth - face.rightTop.x(),
            target.width, face.stretchEffect);
        break;
    case CompositionMode::Vertical:
        ComposeSkinImageVert(image, picture, face.skinRect, face.leftTop.y(), skinHeight - face.leftBottom.y(),
            target.height, face.stretchEffect);
        break;
    case CompositionMode::None:
        break;
    }
    return image;
}
