#include "skin/data/control_definitions_views.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinTextViewControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.String("fontname", fontName, kDefaultFontName);
    keys.Integer("fontheight", fontHeight, kDefaultFontHeight);
    keys.Font("fontstyle", fontStyle);
    keys.Color("fontcolor", fontColor);
    keys.Color("bgcolor", bgColor);
}
