#include "skin/controls/scroll_bar_skin_face.h"

#include "skin/draw/system_colors.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/composition_mode.h"
#include "skin/draw/keyed_copy.h"
#include "skin/draw/engine_bitmap.h"

#include <optional>

namespace {

const SkinRect& FirstNonEmpty(const SkinRect& preferred, const SkinRect& fallback)
{
    return preferred.IsEmpty() ? fallback : preferred;
}

// The three faces of a thumb or glyph, each empty one taking the one before.
SkinRect LookPicture(const SkinRect& normal, const SkinRect& active, const SkinRect& down, ScrollBarPartLook look)
{
    const SkinRect& activeOrNormal = FirstNonEmpty(active, normal);
    switch (look) {
    case ScrollBarPartLook::Normal:
        return normal;
    case ScrollBarPartLook::Active:
        return activeOrNormal;
    case ScrollBarPartLook::Down:
        return FirstNonEmpty(down, activeOrNormal);
    }
    return normal;
}

QImage CopyPiece(const QImage& picture, const SkinRect& piece)
{
    if (picture.isNull() || piece.IsEmpty())
        return {};
    QImage copy = MakeSkinBitmap(piece.Width(), piece.Height());
    DrawPiece(copy, copy.rect(), picture, piece.ToQRect());
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

SkinRect ScrollBarButtonPicture(const TbsDataSkinScrollBarControl& definition, bool upButton, ScrollBarPartLook look)
{
    const SkinRect& active = upButton ? definition.activeUpButtonRect : definition.activeDownButtonRect;
    const SkinRect& down = upButton ? definition.downUpButtonRect : definition.downDownButtonRect;
    switch (look) {
    case ScrollBarPartLook::Normal:
        return {};
    case ScrollBarPartLook::Active:
        return active;
    case ScrollBarPartLook::Down:
        return FirstNonEmpty(down, active);
    }
    return {};
}

SkinRect ScrollBarThumbPicture(const TbsDataSkinScrollBarControl& definition, ScrollBarPartLook look)
{
    return LookPicture(definition.thumbRect, definition.activeThumbRect, definition.downThumbRect, look);
}

SkinRect ScrollBarGlyphPicture(const TbsDataSkinScrollBarControl& definition, ScrollBarPartLook look)
{
    return LookPicture(definition.glyphRect, definition.activeGlyphRect, definition.downGlyphRect, look);
}

QImage BuildScrollBarThumb(const QImage& picture, const TbsDataSkinScrollBarControl& definition,
    ScrollBarPartLook look, bool vertical, int length, bool compose)
{
    const SkinRect piece = ScrollBarThumbPicture(definition, look);
    if (picture.isNull() || piece.IsEmpty() || length <= 0)
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

    const SkinRect glyphPiece = ScrollBarGlyphPicture(definition, look);
    const int glyphLength = vertical ? glyphPiece.Height() : glyphPiece.Width();
    const int thumbLength = vertical ? thumb.height() : thumb.width();
    if (!glyphPiece.IsEmpty() && glyphLength < thumbLength) {
        const QImage glyph = CopyPiece(picture, glyphPiece);
        const QPoint centred((thumb.width() - glyph.width()) / 2, (thumb.height() - glyph.height()) / 2);
        ConvertToSkinBitmap(thumb);
        DrawKeyed(thumb, centred, glyph, KeyColor(definition.glyphTransparent, definition.glyphTransparentColor));
    }
    return thumb;
}

void DrawScrollBarSkinParts(QImage& face, const QImage& picture, const TbsDataSkinScrollBarControl& definition,
    const ScrollBarSkinParts& parts)
{
    if (picture.isNull())
        return;
    ConvertToSkinBitmap(face);
    const auto drawButton = [&](const QRect& place, bool upButton, ScrollBarPartLook look) {
        const SkinRect piece = ScrollBarButtonPicture(definition, upButton, look);
        if (!piece.IsEmpty() && !place.isEmpty())
            DrawPiece(face, QRect(place.topLeft(), piece.ToQRect().size()), picture, piece.ToQRect());
    };
    drawButton(parts.upButton, true, parts.upLook);
    drawButton(parts.downButton, false, parts.downLook);

    if (!parts.showThumb || parts.thumb.isEmpty())
        return;
    const int length = parts.vertical ? parts.thumb.height() : parts.thumb.width();
    const QImage thumb
        = BuildScrollBarThumb(picture, definition, parts.thumbLook, parts.vertical, length, parts.composeThumb);
    if (!thumb.isNull())
        DrawKeyed(face, parts.thumb.topLeft(), thumb,
            KeyColor(definition.thumbTransparent, definition.thumbTransparentColor));
}
