#include "skin/menus/popup_look.h"

#include "skin/data/control_definitions_labels.h"
#include "skin/data/menu_item_definitions.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_font.h"

namespace {

QImage PictureAt(const TbsSkinData& skin, int index)
{
    const QList<QImage>& pictures = skin.ActivePictures();
    return index >= 0 && index < pictures.size() ? pictures[index] : QImage();
}

// A definition's rectangle as the drawing code reads it; empty when an edge
// lies beyond any picture (a crafted skin's), so no sum of its edges overflows.
QRect Taken(const SkinRect& rect)
{
    return IsDrawable(rect) ? rect.ToQRect() : QRect();
}

bool Inside(const QRect& rect, const QImage& picture)
{
    return !rect.isEmpty() && picture.rect().contains(rect);
}

bool Inside(const QPoint& point, const QImage& picture)
{
    return point.x() >= 0 && point.y() >= 0 && point.x() <= picture.width() && point.y() <= picture.height();
}

void LookUpWindow(const TbsSkinData& skin, PopupLook& look)
{
    const TbsDataSkinPopupWindow& window = skin.PopupWindow();
    const QImage picture = PictureAt(skin, window.windowPictureIndex);
    const QRect itemsRect = Taken(window.itemsRect);
    if (picture.isNull() || !Inside(itemsRect, picture) || !Inside(window.leftTopPoint, picture)
        || !Inside(window.rightTopPoint, picture) || !Inside(window.leftBottomPoint, picture)
        || !Inside(window.rightBottomPoint, picture))
        return;
    look.window = &window;
    look.windowPicture = picture;
    look.windowItemsRect = itemsRect;
    const QImage mask = PictureAt(skin, window.maskPictureIndex);
    if (mask.size() == picture.size())
        look.maskPicture = mask;
}

PopupItemPieces ItemPieces(const TbsDataSkinMenuItem& item)
{
    PopupItemPieces pieces;
    pieces.face = Taken(item.skinRect);
    pieces.activeFace = Taken(item.activeSkinRect);
    pieces.divider = Taken(item.dividerRect);
    pieces.text = Taken(item.textRect);
    pieces.image = Taken(item.imageRect);
    pieces.check = Taken(item.checkImageRect);
    pieces.activeCheck = Taken(item.activeCheckImageRect);
    pieces.radio = Taken(item.radioImageRect);
    pieces.activeRadio = Taken(item.activeRadioImageRect);
    pieces.arrow = Taken(item.arrowImageRect);
    pieces.activeArrow = Taken(item.activeArrowImageRect);
    pieces.animationStrip = Taken(item.animateSkinRect);
    return pieces;
}

void LookUpItem(const TbsSkinData& skin, PopupLook& look)
{
    for (const auto& definition : skin.ObjectDefinitions()) {
        const auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(definition.get());
        if (!item)
            continue;
        // Only the first menu item definition counts.
        const QImage picture = PictureAt(skin, item->activePictureIndex);
        const PopupItemPieces pieces = ItemPieces(*item);
        if (picture.isNull() || !Inside(pieces.face, picture) || !Inside(pieces.activeFace, picture)
            || pieces.activeFace.height() != pieces.face.height() || pieces.text.isEmpty())
            return;
        look.item = item;
        look.itemPicture = picture;
        look.itemPieces = pieces;
        look.itemDivider = Inside(pieces.divider, picture);
        look.itemMorphing = item->morphing && skin.EnableSkinEffects();
        look.itemAnimated = item->frameCount > 0 && Inside(pieces.animationStrip, picture) && skin.EnableSkinEffects();
        return;
    }
}

void LookUpHeader(const TbsSkinData& skin, PopupLook& look)
{
    for (const QString& name : { QStringLiteral("menuheader"), QStringLiteral("label") }) {
        const int index = skin.FindControlIndex(name);
        if (index < 0)
            continue;
        const auto* header = dynamic_cast<const TbsDataSkinLabelControl*>(skin.ControlDefinitions()[index].get());
        if (!header)
            continue;
        const QImage picture = PictureAt(skin, header->pictureIndex);
        const SkinPieceGeometry piece = PieceGeometryOf(*header);
        if (!picture.isNull() && Inside(piece.skinRect, picture)) {
            look.header = header;
            look.headerPicture = picture;
            look.headerPiece = piece;
        }
        return;
    }
}

} // namespace

QFont DefaultMenuItemFont()
{
    return SkinFont(QStringLiteral("Arial"), 14, 0);
}

PopupLook LookUpPopupLook(const TbsSkinData* skin, const PopupLookOptions& options)
{
    PopupLook look;
    look.font = options.defaultFont;
    look.defaultItemHeight = options.defaultItemHeight;
    if (!skin || skin->Empty())
        return look;
    LookUpWindow(*skin, look);
    LookUpItem(*skin, look);
    LookUpHeader(*skin, look);
    if (look.window && look.item && options.useSkinFont)
        look.font = SkinFont(look.item->fontName, look.item->fontHeight, look.item->fontStyle);
    return look;
}

PopupMetrics PopupLook::Metrics(int glyphWidth) const
{
    PopupMetrics metrics;
    metrics.glyphWidth = glyphWidth;
    metrics.itemHeight = defaultItemHeight;
    if (window) {
        metrics.skinnedWindow = true;
        metrics.pictureWidth = windowPicture.width();
        metrics.pictureHeight = windowPicture.height();
        metrics.leftTop = window->leftTopPoint;
        metrics.rightTop = window->rightTopPoint;
        metrics.leftBottom = window->leftBottomPoint;
        metrics.rightBottom = window->rightBottomPoint;
        metrics.itemsRect = windowItemsRect;
    }
    if (item) {
        metrics.skinnedItems = true;
        metrics.itemSkinWidth = itemPieces.face.width();
        metrics.textRect = itemPieces.text;
        metrics.itemHeight = itemPieces.face.height();
        if (itemDivider)
            metrics.separatorHeight = itemPieces.divider.height();
    }
    return metrics;
}
