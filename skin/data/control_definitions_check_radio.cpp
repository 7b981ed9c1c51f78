#include "skin/data/control_definitions_check_radio.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinCheckRadioControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    VisitFontKeys(keys);
    keys.Color("activefontcolor", activeFontColor);
    keys.Color("unenabledfontcolor", unenabledFontColor);
    keys.Color("framefontcolor", frameFontColor);
    keys.Rect("activeskinrect", activeSkinRect);
    keys.Rect("checkimagearea", checkImageArea);
    keys.Rect("textarea", textArea);
    keys.Rect("checkimagerect", checkImageRect);
    keys.Rect("uncheckimagerect", uncheckImageRect);
    keys.Rect("activecheckimagerect", activeCheckImageRect);
    keys.Rect("activeuncheckimagerect", activeUncheckImageRect);
    keys.Rect("unenabledcheckimagerect", unenabledCheckImageRect);
    keys.Rect("unenableduncheckimagerect", unenabledUncheckImageRect);
    keys.Rect("grayedcheckimagerect", grayedCheckImageRect);
    keys.Rect("activegrayedcheckimagerect", activeGrayedCheckImageRect);
    keys.Bool("morphing", morphing);
    keys.Morph("morphkind", morphKind);
}
