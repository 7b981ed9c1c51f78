#include "skin/data/control_definitions_panels.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinPanelControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.PictureIndex("bgpictureindex", bgPictureIndex);
    keys.Rect("captionrect", captionRect);
    keys.Align("alignment", alignment);
    VisitFontKeys(keys);
    keys.Rect("checkimagerect", checkImageRect);
    keys.Rect("uncheckimagerect", uncheckImageRect);
    keys.Rect("markframerect", markFrameRect);
    keys.Rect("framerect", frameRect);
    keys.Rect("frametextrect", frameTextRect);
    keys.Integer("frameleftoffset", frameLeftOffset);
    keys.Integer("framerightoffset", frameRightOffset);
    keys.Rect("gripperrect", gripperRect);
    keys.Bool("grippertransparent", gripperTransparent);
    keys.Color("grippertransparentcolor", gripperTransparentColor);
}

void TbsDataSkinExPanelControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("rollhskinrect", rollHSkinRect);
    keys.Rect("rollvskinrect", rollVSkinRect);
    keys.Integer("rollleftoffset", rollLeftOffset);
    keys.Integer("rollrightoffset", rollRightOffset);
    keys.Integer("rolltopoffset", rollTopOffset);
    keys.Integer("rollbottomoffset", rollBottomOffset);
    keys.Rect("rollvcaptionrect", rollVCaptionRect);
    keys.Rect("rollhcaptionrect", rollHCaptionRect);
    keys.Rect("closebuttonrect", closeButtonRect);
    keys.Rect("closebuttonactiverect", closeButtonActiveRect);
    keys.Rect("closebuttondownrect", closeButtonDownRect);
    keys.Rect("hrollbuttonrect", hRollButtonRect);
    keys.Rect("hrollbuttonactiverect", hRollButtonActiveRect);
    keys.Rect("hrollbuttondownrect", hRollButtonDownRect);
    keys.Rect("hrestorebuttonrect", hRestoreButtonRect);
    keys.Rect("hrestorebuttonactiverect", hRestoreButtonActiveRect);
    keys.Rect("hrestorebuttondownrect", hRestoreButtonDownRect);
    keys.Rect("vrollbuttonrect", vRollButtonRect);
    keys.Rect("vrollbuttonactiverect", vRollButtonActiveRect);
    keys.Rect("vrollbuttondownrect", vRollButtonDownRect);
    keys.Rect("vrestorebuttonrect", vRestoreButtonRect);
    keys.Rect("vrestorebuttonactiverect", vRestoreButtonActiveRect);
    keys.Rect("vrestorebuttondownrect", vRestoreButtonDownRect);
    keys.Rect("captionrect", captionRect);
    VisitFontKeys(keys);
    keys.Bool("buttonstransparent", buttonsTransparent);
    keys.Color("buttonstransparentcolor", buttonsTransparentColor);
}

void TbsDataSkinScrollBoxControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.PictureIndex("bgpictureindex", bgPictureIndex);
}

void TbsDataSkinSplitterControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("gripperrect", gripperRect);
    keys.Bool("grippertransparent", gripperTransparent);
    keys.Color("grippertransparentcolor", gripperTransparentColor);
}
