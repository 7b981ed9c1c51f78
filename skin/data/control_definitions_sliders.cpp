#include "skin/data/control_definitions_sliders.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinSlider::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.Color("bgcolor", bgColor);
    keys.Rect("hrulerrect", hRulerRect);
    keys.Rect("hthumbrect", hThumbRect);
    keys.Rect("vrulerrect", vRulerRect);
    keys.Rect("vthumbrect", vThumbRect);
    keys.Integer("edgesize", edgeSize);
    keys.Color("pointscolor", pointsColor);
}

void TbsDataSkinTrackBarControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("activeskinrect", activeSkinRect);
    keys.Rect("trackarea", trackArea);
    keys.Rect("buttonrect", buttonRect);
    keys.Rect("activebuttonrect", activeButtonRect);
    keys.Bool("vertical", vertical);
    keys.Bool("buttontransparent", buttonTransparent);
    keys.Color("buttontransparentcolor", buttonTransparentColor);
}
