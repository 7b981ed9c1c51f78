#include "skin/data/control_definitions_labels.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinLabelControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    VisitFontKeys(keys);
}

void TbsDataSkinStdLabelControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    VisitFontKeys(keys);
    keys.Color("activefontcolor", activeFontColor, kDefaultActiveFontColor);
}

void TbsDataSkinBevel::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.Color("lightcolor", lightColor);
    keys.Color("darkcolor", darkColor);
}
