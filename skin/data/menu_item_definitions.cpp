#include "skin/data/menu_item_definitions.h"

#include "skin/data/skin_key_visitor.h"

namespace {

void FallBackWhenEmpty(SkinRect& rect, const SkinRect& fallback)
{
    if (rect.IsEmpty())
        rect = fallback;
}

}

void TbsDataSkinMenuItem::CompleteAfterReading()
{
    FallBackWhenEmpty(activeCheckImageRect, checkImageRect);
    FallBackWhenEmpty(activeRadioImageRect, radioImageRect);
    FallBackWhenEmpty(activeArrowImageRect, arrowImageRect);
}

void TbsDataSkinMenuItem::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Integer("itemleftoffset", itemLeftOffset);
    keys.Integer("itemrightoffset", itemRightOffset);
    keys.Rect("dividerrect", dividerRect);
    keys.Integer("dividerleftoffset", dividerLeftOffset);
    keys.Integer("dividerrightoffset", dividerRightOffset);
    keys.Rect("textrect", textRect);
    keys.Rect("imagerect", imageRect);
    VisitFontKeys(keys);
    keys.Color("activefontcolor", activeFontColor);
    keys.Color("unenabledfontcolor", unenabledFontColor);
    keys.Bool("stretcheffect", stretchEffect);
    keys.Bool("inactivestretcheffect", inactiveStretchEffect);
    keys.Bool("dividerstretcheffect", dividerStretchEffect);
    VisitAnimationKeys(keys);
    keys.Bool("inactiveanimation", inactiveAnimation);
    keys.Bool("useimagecolor", useImageColor);
    keys.Color("imagecolor", imageColor);
    keys.Color("activeimagecolor", activeImageColor);
    keys.Bool("inactivetransparent", inactiveTransparent);
    keys.Rect("checkimagerect", checkImageRect);
    keys.Rect("activecheckimagerect", activeCheckImageRect);
    keys.Rect("radioimagerect", radioImageRect);
    keys.Rect("activeradioimagerect", activeRadioImageRect);
    keys.Rect("arrowimagerect", arrowImageRect);
    keys.Rect("activearrowimagerect", activeArrowImageRect);
}

void TbsDataSkinMainMenuItem::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Integer("itemleftoffset", itemLeftOffset);
    keys.Integer("itemrightoffset", itemRightOffset);
    keys.Rect("downrect", downRect);
    keys.Rect("textrect", textRect);
    VisitFontKeys(keys);
    keys.Color("activefontcolor", activeFontColor);
    keys.Color("downfontcolor", downFontColor);
    keys.Color("unenabledfontColor", unenabledFontColor);
    keys.Bool("stretcheffect", stretchEffect);
    VisitAnimationKeys(keys);
    keys.Bool("inactiveanimation", inactiveAnimation);
}
