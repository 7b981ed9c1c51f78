#include "skin/data/control_definitions_views.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinTextViewControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    VisitFontKeys(keys);
    keys.Color("bgcolor", bgColor);
}
