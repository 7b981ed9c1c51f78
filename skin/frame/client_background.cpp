#include "skin/frame/client_background.h"

#include "skin/draw/system_colors.h"
#include "skin/data/skin_data.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/engine_bitmap.h"

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
    if (info.clientRect.IsEmpty())
        return {};
    return { &skinData.Picture(), info.clientRect.ToQRect() };
}

} // namespace

QImage ClientBackground(const TbsSkinData* skinData, const QSize& size)
{
    QImage background = MakeSkinBitmap(size.width(), size.height(), SkinColorToQColor(clBtnFace).rgb());
    if (!skinData || skinData->Empty())
        return background;
    const BackgroundTile tile = TileOf(*skinData);
    if (!tile.picture || tile.picture->isNull() || tile.piece.isEmpty())
        return background;
    const TbsFormInfo& info = skinData->FormInfo();
    FillWithPiece(background, background.rect(), *tile.picture, tile.piece, info.stretchEffect, info.stretchType);
    return background;
}
