#include "skin/data/control_definitions_buttons.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinButtonControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    VisitFontKeys(keys);
    keys.Color("activefontcolor", activeFontColor);
    keys.Color("downfontcolor", downFontColor);
    keys.Color("disabledfontcolor", disabledFontColor);
    keys.Rect("activeskinrect", activeSkinRect);
    keys.Rect("downskinrect", downSkinRect);
    keys.Rect("focusedskinrect", focusedSkinRect);
    keys.Rect("disabledskinrect", disabledSkinRect);
    keys.Bool("morphing", morphing);
    keys.Morph("morphkind", morphKind);
    VisitAnimationKeys(keys);
    keys.Bool("showfocus", showFocus);
    keys.Rect("menumarkerflatrect", menuMarkerFlatRect);
    keys.Rect("menumarkerrect", menuMarkerRect);
    keys.Rect("menumarkeractiverect", menuMarkerActiveRect);
    keys.Rect("menumarkerdownrect", menuMarkerDownRect);
    keys.Color("menumarkertransparentcolor", menuMarkerTransparentColor);
}

void TbsDataSkinMenuButtonControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinButtonControl::VisitKeys(keys);
    keys.Rect("trackbuttonrect", trackButtonRect);
}
