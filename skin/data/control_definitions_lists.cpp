#include "skin/data/control_definitions_lists.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinListBox::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    VisitListItemKeys(keys);
    VisitFontKeys(keys);
    keys.Color("activefontcolor", activeFontColor);
    keys.Color("focusfontcolor", focusFontColor);
    keys.Rect("captionrect", captionRect);
    keys.String("captionfontname", captionFontName, kDefaultFontName);
    keys.Integer("captionfontheight", captionFontHeight, kDefaultFontHeight);
    keys.Font("captionfontstyle", captionFontStyle);
    keys.Color("captionfontcolor", captionFontColor);
    VisitUpDownButtonKeys(keys);
    keys.Rect("checkbuttonrect", checkButtonRect);
    keys.Rect("activecheckbuttonrect", activeCheckButtonRect);
    keys.Rect("downcheckbuttonrect", downCheckButtonRect);
    keys.String("vscrollbarname", vScrollBarName, QStringLiteral("vscrollbar"));
    keys.String("hscrollbarname", hScrollBarName, QStringLiteral("hscrollbar"));
    keys.String("bothhscrollbarname", bothHScrollBarName, QStringLiteral("bothhscrollbar"));
    keys.Bool("showfocus", showFocus);
}

void TbsDataSkinCheckListBox::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinListBox::VisitKeys(keys);
    keys.Rect("itemcheckrect", itemCheckRect);
    keys.Rect("checkimagerect", checkImageRect);
    keys.Rect("uncheckimagerect", uncheckImageRect);
}

void TbsDataSkinComboBox::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("activeskinrect", activeSkinRect);
    VisitListItemKeys(keys);
    VisitFontKeys(keys);
    keys.Color("focusfontcolor", focusFontColor);
    keys.Color("activefontcolor", activeFontColor);
    keys.String("listboxname", listBoxName);
    keys.Rect("buttonrect", buttonRect);
    keys.Rect("activebuttonrect", activeButtonRect);
    keys.Rect("downbuttonrect", downButtonRect);
    keys.Rect("unenabledbuttonrect", unenabledButtonRect);
    keys.Bool("itemstretcheffect", itemStretchEffect);
    keys.Bool("focusitemstretcheffect", focusItemStretchEffect);
    keys.Bool("showfocus", showFocus);
}
