#include "skin/draw/compose_skin_face.h"

#include "skin/draw/compose_skin_image.h"
#include "skin/draw/engine_bitmap.h"

QImage ComposeSkinFace(const QImage& picture, const SkinPieceGeometry& piece, CompositionMode mode,
    const SkinRect& faceRect, int width, int height)
{
    if (mode == CompositionMode::None || picture.isNull() || !IsDrawable(piece) || !IsDrawable(faceRect))
        return {};
    SkinPieceGeometry face = piece;
    face.skinRect = faceRect;
    SkinTargetGeometry const target = CalcTargetGeometry(mode, face, width, height);
    int const skinWidth = faceRect.Width();
    int const skinHeight = faceRect.Height();

    QImage image;
    switch (mode) {
    case CompositionMode::Fixed:
        image = MakeSkinBitmap(skinWidth, skinHeight);
        DrawPiece(image, image.rect(), ToSkinBitmap(picture), faceRect.ToQRect());
        break;
    case CompositionMode::Full:
        ComposeSkinImage(image, picture, face, target, true);
        break;
    case CompositionMode::Horizontal:
        ComposeSkinImageHorz(image, picture, faceRect, piece.leftTop.x(), skinWidth - piece.rightTop.x(),
            target.width, piece.stretchEffect);
        break;
    case CompositionMode::Vertical:
        ComposeSkinImageVert(image, picture, faceRect, piece.leftTop.y(), skinHeight - piece.leftBottom.y(),
            target.height, piece.stretchEffect);
        break;
    case CompositionMode::None:
        break;
    }
    return image;
}
