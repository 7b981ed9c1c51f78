#include "skin/hints/hint_look.h"

#include "skin/data/definition_defaults.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_font.h"
#include "skin/draw/system_colors.h"


namespace {

QImage PictureAt(const TbsSkinData& skin, int index)
{
    const QList<QImage>& pictures = skin.ActivePictures();
    return index >= 0 && index < pictures.size() ? pictures[index] : QImage();
}

bool Inside(const QPoint& point, const QSize& size)
{
    return point.x() >= 0 && point.y() >= 0 && point.x() <= size.width() && point.y() <= size.height();
}

bool Inside(const SkinRect& rect, const QSize& size)
{
    return !rect.IsEmpty() && Inside(rect.TopLeft(), size) && Inside(QPoint(rect.right, rect.bottom), size);
}

// The points must lie in the picture and keep their order, or the corners
// would overlap at every size.
bool Usable(const TbsDataSkinHintWindow& window, const QSize& size)
{
    return Inside(window.leftTopPoint, size) && Inside(window.rightTopPoint, size)
        && Inside(window.leftBottomPoint, size) && Inside(window.rightBottomPoint, size)
        && Inside(window.clientRect, size) && window.leftTopPoint.x() < window.rightTopPoint.x()
        && window.leftBottomPoint.x() < window.rightBottomPoint.x()
        && window.leftTopPoint.y() < window.leftBottomPoint.y() && window.rightTopPoint.y() < window.rightBottomPoint.y();
}

} // namespace

HintLook LookUpHintLook(const TbsSkinData* skin)
{
    HintLook look;
    look.font = SkinFont(kDefaultFontName, kDefaultFontHeight, 0);
    look.textColor = SkinColorToRgb(clInfoText);
    if (!skin || skin->Empty())
        return look;
    const TbsDataSkinHintWindow& window = skin->HintWindow();
    const QImage picture = PictureAt(*skin, window.windowPictureIndex);
    if (picture.isNull() || !Usable(window, picture.size()))
        return look;
    look.picture = picture;
    const QImage mask = PictureAt(*skin, window.maskPictureIndex);
    if (mask.size() == picture.size())
        look.maskPicture = mask;
    look.piece = SkinPieceGeometry { .skinRect = picture.rect(),
        .leftTop = window.leftTopPoint,
        .rightTop = window.rightTopPoint,
        .leftBottom = window.leftBottomPoint,
        .rightBottom = window.rightBottomPoint,
        .clientRect = window.clientRect.ToQRect(),
        .leftStretch = window.leftStretch,
        .topStretch = window.topStretch,
        .rightStretch = window.rightStretch,
        .bottomStretch = window.bottomStretch,
        .stretchEffect = window.stretchEffect,
        .stretchType = window.stretchType };
    look.font = SkinFont(window.fontName, window.fontHeight, window.fontStyle);
    look.textColor = SkinColorToRgb(window.fontColor);
    return look;
}
