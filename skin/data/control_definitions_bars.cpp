#include "skin/data/control_definitions_bars.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinMainMenuBar::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.Rect("itemsrect", itemsRect);
    keys.String("menubaritem", menuBarItem);
    keys.String("closebutton", closeButton);
    keys.String("minbutton", minButton);
    keys.String("maxbutton", maxButton);
    keys.String("sysmenubutton", sysMenuButton);
    keys.Color("trackmarkcolor", trackMarkColor);
    keys.Color("trackmarkactivecolor", trackMarkActiveColor);
    keys.Bool("stretcheffect", stretchEffect);
    keys.Bool("itemtransparent", itemTransparent);
}

void TbsDataSkinControlBar::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("itemrect", itemRect);
    keys.PictureIndex("bgpictureindex", bgPictureIndex);
    keys.Rect("hgriprect", hGripRect);
    keys.Rect("vgriprect", vGripRect);
    keys.Integer("gripoffset1", gripOffset1);
    keys.Integer("gripoffset2", gripOffset2);
    keys.Bool("itemstretcheffect", itemStretchEffect);
    keys.Integer("itemoffset1", itemOffset1, kDefaultItemOffset);
    keys.Integer("itemoffset2", itemOffset2, kDefaultItemOffset);
    keys.Bool("itemtransparent", itemTransparent);
    keys.Color("itemtransparentcolor", itemTransparentColor);
    keys.Bool("griptransparent", gripTransparent);
    keys.Color("griptransparentcolor", gripTransparentColor);
}
