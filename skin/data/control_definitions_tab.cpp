#include "skin/data/control_definitions_tab.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinTabControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.Rect("tabrect", tabRect);
    keys.Rect("activetabrect", activeTabRect);
    keys.Rect("focustabrect", focusTabRect);
    keys.Rect("mouseintabrect", mouseInTabRect);
    keys.Rect("clientrect", clientRect);
    keys.PictureIndex("bgpictureindex", bgPictureIndex);
    VisitCornerPointKeys(keys);
    keys.Integer("tableftoffset", tabLeftOffset);
    keys.Integer("tabrightoffset", tabRightOffset);
    keys.Rect("tabsbgrect", tabsBgRect);
    keys.Bool("tabstretcheffect", tabStretchEffect);
    VisitEdgeStretchKeys(keys, EdgeOrder::Clockwise);
    VisitFontKeys(keys);
    keys.Color("activefontcolor", activeFontColor);
    keys.Color("focusfontcolor", focusFontColor);
    keys.Color("mouseinfontcolor", mouseInFontColor);
    keys.String("updown", upDown);
    keys.Bool("showfocus", showFocus);
    keys.Integer("focusoffsetx", focusOffsetX);
    keys.Integer("focusoffsety", focusOffsetY);
    keys.Rect("closebuttonrect", closeButtonRect);
    keys.Rect("closebuttonactiverect", closeButtonActiveRect);
    keys.Rect("closebuttondownrect", closeButtonDownRect);
    keys.Bool("buttontransparent", buttonTransparent);
    keys.Color("buttontransparentcolor", buttonTransparentColor);
}
