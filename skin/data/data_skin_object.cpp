#include "skin/data/data_skin_object.h"

#include "skin/data/skin_key_visitor.h"

TbsDataSkinObject::TbsDataSkinObject(const QString& idName)
    : m_idName(idName)
{
}

void TbsDataSkinObject::ReadFromIni(const TbsIniFile& ini)
{
    SkinKeyReader reader(ini, m_idName);
    VisitKeys(reader);
}

void TbsDataSkinObject::WriteToIni(TbsIniFile& ini) const
{
    WriteKeysToSection(ini, m_idName, *this, &TbsDataSkinObject::VisitKeys);
}

void TbsDataSkinObject::VisitKeys(SkinKeyVisitor& keys)
{
    keys.String("hint", hint);
    keys.PictureIndex("activepictureindex", activePictureIndex);
    keys.Bool("skinrectinapicture", skinRectInAPicture);
    keys.Rect("skinrect", skinRect);
    keys.Rect("activeskinrect", activeSkinRect);
    keys.Rect("inactiveskinrect", inactiveSkinRect);
    keys.Bool("morphing", morphing);
    keys.Morph("morphkind", morphKind);
}

void TbsDataUserObject::VisitKeys(SkinKeyVisitor& keys)
{
    // A user object is only a place on the frame: none of the root's image
    // keys apply to it.
    keys.Rect("skinrect", skinRect);
}

void TbsDataSkinButton::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Rect("downrect", downRect);
    keys.Rect("disableskinrsect", disableSkinRect);
}

void TbsDataSkinStdButton::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinButton::VisitKeys(keys);
    keys.Command("command", command);
    keys.Rect("restorerect", restoreRect);
    keys.Rect("restoreactiverect", restoreActiveRect);
    keys.Rect("restoredownrect", restoreDownRect);
    keys.Rect("restoreinactiverect", restoreInactiveRect);
}

void TbsDataSkinAnimate::ReadFromIni(const TbsIniFile& ini)
{
    TbsDataSkinObject::ReadFromIni(ini);
    // An animation steps through its own frames instead of morphing.
    morphing = false;
}

void TbsDataSkinAnimate::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Integer("countframes", countFrames, 1);
    keys.Bool("cycle", cycle);
    keys.Bool("buttonstyle", buttonStyle);
    keys.Integer("timerinterval", timerInterval, 50);
    keys.Command("command", command);
    keys.Rect("downskinrect", downSkinRect);
    keys.Rect("restorerect", restoreRect);
    keys.Rect("restoreactiverect", restoreActiveRect);
    keys.Rect("restoredownrect", restoreDownRect);
    keys.Rect("restoreinactiverect", restoreInactiveRect);
}

void TbsDataSkinCaption::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Rect("textrect", textRect);
    keys.String("fontname", fontName, kDefaultFontName);
    keys.Integer("fontheight", fontHeight, kDefaultFontHeight);
    keys.Font("fontstyle", fontStyle);
    keys.Color("fontcolor", fontColor);
    keys.Color("activefontcolor", activeFontColor);
    keys.Align("alignment", alignment);
    keys.Bool("light", light);
    keys.Color("lightcolor", lightColor);
    keys.Color("activelightcolor", activeLightColor);
    keys.Bool("shadow", shadow);
    keys.Color("shadowcolor", shadowColor);
    keys.Color("activeshadowcolor", activeShadowColor);
    keys.Rect("framerect", frameRect);
    keys.Rect("activeframerect", activeFrameRect);
    keys.Rect("frametextrect", frameTextRect);
    keys.Integer("frameleftoffset", frameLeftOffset);
    keys.Integer("framerightoffset", frameRightOffset);
    keys.Bool("stretcheffect", stretchEffect);
    keys.Rect("animateskinrect", animateSkinRect);
    keys.Integer("framecount", frameCount);
    keys.Integer("animateinterval", animateInterval, kDefaultAnimateInterval);
    keys.Bool("inactiveanimation", inactiveAnimation);
    keys.Bool("fullframe", fullFrame);
}
