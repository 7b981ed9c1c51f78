#include "skin/data/control_definitions_edits.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinEditControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("activeskinrect", activeSkinRect);
    VisitFontKeys(keys);
    keys.Color("disabledfontcolor", disabledFontColor);
    keys.Color("activefontcolor", activeFontColor);
    keys.Rect("buttonrect", buttonRect);
    keys.Rect("activebuttonrect", activeButtonRect);
    keys.Rect("downbuttonrect", downButtonRect);
    keys.Rect("unenabledbuttonrect", unenabledButtonRect);
}

void TbsDataSkinMemoControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinEditControl::VisitKeys(keys);
    keys.Color("bgcolor", bgColor);
    keys.Color("activebgcolor", activeBgColor);
}

void TbsDataSkinSpinEditControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("activeskinrect", activeSkinRect);
    VisitFontKeys(keys);
    keys.Color("activefontcolor", activeFontColor);
    keys.Color("disabledfontcolor", disabledFontColor);
    VisitUpDownButtonKeys(keys);
}
