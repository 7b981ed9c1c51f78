#include "skin/controls/scroll_bar_skin_face.h"

#include "skin/draw/system_colors.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/composition_mode.h"
#include "skin/draw/keyed_copy.h"
#include "skin/draw/engine_bitmap.h"

#include <optional>

namespace {

QImage CopyPiece(const QImage& picture, const QRect& piece)
{
    if (picture.isNull() || piece.isEmpty())
        return {};
    QImage copy = MakeSkinBitmap(piece.width(), piece.height());
    DrawPiece(copy, copy.rect(), picture, piece);
    return copy;
}

std::optional<QRgb> KeyColor(bool transparent, SkinColor color)
{
    if (!transparent)
        return std::nullopt;
    return SkinColorToRgb(color) & 0x00FFFFFFu;
}

} // namespace

bool IsDrawableScrollBar(const TbsDataSkinScrollBarControl& definition)
{
    const SkinRect* const rects[] = { &definition.trackArea, &definition.upButtonRect,
        &definition.activeUpButtonRect, &definition.downUpButtonRect, &definition.downButtonRect,
        &definition.activeDownButtonRect, &definition.downDownButtonRect, &definition.thumbRect,
        &definition.activeThumbRect, &definition.downThumbRect, &definition.glyphRect, &definition.activeGlyphRect,
        &definition.downGlyphRect };
    for (const SkinRect* rect : rects)
        if (!IsDrawable(*rect))
            return false;
    return IsDrawable(PieceGeometryOf(definition)) && IsSkinCoordinate(definition.thumbOffset1)
        && IsSkinCoordinate(definition.thumbOffset2) && IsSkinCoordinate(definition.thumbMinSize)
        && IsSkinCoordinate(definition.thumbMinPageSize);
}

const QRect& FaceIn(const PartFaces& faces, ScrollBarPartLook look)
{
    switch (look) {
    case ScrollBarPartLook::Normal:
        return faces.normal;
    case ScrollBarPartLook::Active:
        return faces.hot;
    case ScrollBarPartLook::Down:
        return faces.down;
    }
    return faces.normal;
}

ScrollBarPartPictures TakeScrollBarPartPictures(const TbsDataSkinScrollBarControl& definition)
{
    const TbsDataSkinScrollBarControl& d = definition;
    return { .upButton = TakePartFaces({}, d.activeUpButtonRect, d.downUpButtonRect),
        .downButton = TakePartFaces({}, d.activeDownButtonRect, d.downDownButtonRect),
        .thumb = TakePartFaces(d.thumbRect, d.activeThumbRect, d.downThumbRect),
        .glyph = TakePartFaces(d.glyphRect, d.activeGlyphRect, d.downGlyphRect) };
}

QImage BuildScrollBarThumb(const QImage& picture, const TbsDataSkinScrollBarControl& definition,
    const ScrollBarPartPictures& pictures, ScrollBarPartLook look, bool vertical, int length, bool compose)
{
    const QRect& piece = FaceIn(pictures.thumb, look);
    if (picture.isNull() || piece.isEmpty() || length <= 0)
        return {};
    QImage thumb;
    if (!compose)
        thumb = CopyPiece(picture, piece);
    else if (vertical)
        ComposeSkinImageVert(thumb, picture, piece, definition.thumbOffset1, definition.thumbOffset2, length,
            definition.thumbStretchEffect);
    else
        ComposeSkinImageHorz(thumb, picture, piece, definition.thumbOffset1, definition.thumbOffset2, length,
            definition.thumbStretchEffect);
    if (thumb.isNull())
        return {};

    const QRect& glyphPiece = FaceIn(pictures.glyph, look);
    const int glyphLength = vertical ? glyphPiece.height() : glyphPiece.width();
    const int thumbLength = vertical ? thumb.height() : thumb.width();
    if (!glyphPiece.isEmpty() && glyphLength < thumbLength) {
        const QImage glyph = CopyPiece(picture, glyphPiece);
        const QPoint centred((thumb.width() - glyph.width()) / 2, (thumb.height() - glyph.height()) / 2);
        ConvertToSkinBitmap(thumb);
        DrawKeyed(thumb, centred, glyph, KeyColor(definition.glyphTransparent, definition.glyphTransparentColor));
    }
    return thumb;
}

void DrawScrollBarSkinParts(QImage& face, const QImage& picture, const TbsDataSkinScrollBarControl& definition,
    const ScrollBarPartPictures& pictures, const ScrollBarSkinParts& parts)
{
    if (picture.isNull())
        return;
    ConvertToSkinBitmap(face);
    const auto drawButton = [&](const QRect& place, const QRect& piece) {
        if (!piece.isEmpty() && !place.isEmpty())
            DrawPiece(face, QRect(place.topLeft(), piece.size()), picture, piece);
    };
    drawButton(parts.upButton, FaceIn(pictures.upButton, parts.upLook));
    drawButton(parts.downButton, FaceIn(pictures.downButton, parts.downLook));

    if (!parts.showThumb || parts.thumb.isEmpty())
        return;
    const int length = parts.vertical ? parts.thumb.height() : parts.thumb.width();
    const QImage thumb = BuildScrollBarThumb(
        picture, definition, pictures, parts.thumbLook, parts.vertical, length, parts.composeThumb);
    if (!thumb.isNull())
        DrawKeyed(face, parts.thumb.topLeft(), thumb,
            KeyColor(definition.thumbTransparent, definition.thumbTransparentColor));
}
