#include "skin/data/control_definitions_grid.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinGridControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.Rect("fixedcellrect", fixedCellRect);
    keys.Rect("selectcellrect", selectCellRect);
    keys.Rect("focuscellrect", focusCellRect);
    keys.Integer("fixedcellleftoffset", fixedCellLeftOffset);
    keys.Integer("fixedcellrightoffset", fixedCellRightOffset);
    keys.Rect("fixedcelltextrect", fixedCellTextRect);
    keys.Integer("cellleftoffset", cellLeftOffset);
    keys.Integer("cellrightoffset", cellRightOffset);
    keys.Rect("celltextrect", cellTextRect);
    keys.PictureIndex("bgpictureindex", bgPictureIndex);
    keys.Color("linescolor", linesColor);
    keys.Color("bgcolor", bgColor);
    VisitFontKeys(keys);
    keys.Color("selectfontcolor", selectFontColor);
    keys.Color("focusfontcolor", focusFontColor);
    keys.String("fixedfontname", fixedFontName, kDefaultFontName);
    keys.Integer("fixedfontheight", fixedFontHeight, kDefaultFontHeight);
    keys.Font("fixedfontstyle", fixedFontStyle);
    keys.Color("fixedfontcolor", fixedFontColor);
    keys.Bool("cellstretcheffect", cellStretchEffect);
    keys.Bool("fixedcellstretcheffect", fixedCellStretchEffect);
    keys.Bool("showfocus", showFocus);
}
