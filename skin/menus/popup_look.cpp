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

bool Inside(const SkinRect& rect, const QImage& picture)
{
    return !rect.IsEmpty() && rect.left >= 0 && rect.top >= 0 && rect.right <= picture.width()
        && rect.bottom <= picture.height();
}

bool Inside(const QPoint& point, const QImage& picture)
{
    return point.x() >= 0 && point.y() >= 0 && point.x() <= picture.width() && point.y() <= picture.height();
}

void LookUpWindow(const TbsSkinData& skin, PopupLook& look)
{
    const TbsDataSkinPopupWindow& window = skin.PopupWindow();
    const QImage picture = PictureAt(skin, window.windowPictureIndex);
    if (picture.isNull() || !Inside(window.itemsRect, picture) || !Inside(window.leftTopPoint, picture)
        || !Inside(window.rightTopPoint, picture) || !Inside(window.leftBottomPoint, picture)
        || !Inside(window.rightBottomPoint, picture))
        return;
    look.window = &window;
    look.windowPicture = picture;
    const QImage mask = PictureAt(skin, window.maskPictureIndex);
    if (mask.size() == picture.size())
        look.maskPicture = mask;
}

void LookUpItem(const TbsSkinData& skin, PopupLook& look)
{
    for (const auto& definition : skin.ObjectDefinitions()) {
        const auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(definition.get());
        if (!item)
            continue;
        // Only the first menu item definition counts.
        const QImage picture = PictureAt(skin, item->activePictureIndex);
        if (picture.isNull() || !Inside(item->skinRect, picture) || !Inside(item->activeSkinRect, picture)
            || item->activeSkinRect.Height() != item->skinRect.Height() || item->textRect.IsEmpty())
            return;
        look.item = item;
        look.itemPicture = picture;
        look.itemDivider = Inside(item->dividerRect, picture);
        look.itemMorphing = item->morphing && skin.EnableSkinEffects();
        look.itemAnimated = item->frameCount > 0 && Inside(item->animateSkinRect, picture) && skin.EnableSkinEffects();
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
        if (!picture.isNull() && Inside(header->skinRect, picture)) {
            look.header = header;
            look.headerPicture = picture;
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
        metrics.itemsRect = window->itemsRect;
    }
    if (item) {
        metrics.skinnedItems = true;
        metrics.itemSkinWidth = item->skinRect.Width();
        metrics.textRect = item->textRect;
        metrics.itemHeight = item->skinRect.Height();
        if (itemDivider)
            metrics.separatorHeight = item->dividerRect.Height();
    }
    return metrics;
}
