#include "skin/frame/client_background.h"

#include "skin/draw/system_colors.h"
#include "skin/data/skin_data.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/frame/frame_rect.h"

namespace {

struct BackgroundTile {
    const QImage* picture { nullptr };
    QRect piece;
};

BackgroundTile TileOf(const TbsSkinData& skinData)
{
    const TbsFormInfo& info = skinData.FormInfo();
    const int index = info.bgPictureIndex;
    if (index >= 0) {
        if (index >= skinData.ActivePictures().size())
            return {};
        const QImage& picture = skinData.ActivePictures()[index];
        return { &picture, picture.rect() };
    }
    const QRect client = FrameRect(info.clientRect);
    if (client.isEmpty())
        return {};
    return { &skinData.Picture(), client };
}

} // namespace

QImage ClientBackground(const TbsSkinData* skinData, const QSize& size, const QRect& area)
{
    const QRect shown = area.intersected(QRect(QPoint(), size));
    const QRgb buttonFace = SkinColorToQColor(clBtnFace).rgb();
    const BackgroundTile tile = skinData && !skinData->Empty() ? TileOf(*skinData) : BackgroundTile {};
    if (!tile.picture || tile.picture->isNull() || tile.piece.isEmpty())
        return MakeSkinBitmap(shown.width(), shown.height(), buttonFace);
    const TbsFormInfo& info = skinData->FormInfo();
    // A repeated piece starts at the client's top-left: composed from the
    // piece's boundary at or before the part, the part has the pixels of the
    // whole. A stretched piece depends on the whole size.
    const QRect composed = info.stretchEffect
        ? QRect(QPoint(), size)
        : QRect(QPoint(shown.left() - shown.left() % tile.piece.width(), shown.top() - shown.top() % tile.piece.height()),
            shown.bottomRight());
    QImage background = MakeSkinBitmap(composed.width(), composed.height(), buttonFace);
    if (background.isNull())
        return background;
    FillWithPiece(background, background.rect(), *tile.picture, tile.piece, info.stretchEffect, info.stretchType);
    if (composed == shown)
        return background;
    return background.copy(shown.translated(-composed.topLeft()));
}
