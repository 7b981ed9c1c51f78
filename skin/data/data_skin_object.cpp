#include "skin/data/data_skin_object.h"

#include "skin/data/skin_key_visitor.h"

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
    VisitRestoreFaceKeys(keys);
}

void TbsDataSkinAnimate::CompleteAfterReading()
{
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
    VisitRestoreFaceKeys(keys);
}

void TbsDataSkinCaption::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinObject::VisitKeys(keys);
    keys.Rect("textrect", textRect);
    VisitFontKeys(keys);
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
    VisitAnimationKeys(keys);
    keys.Bool("inactiveanimation", inactiveAnimation);
    keys.Bool("fullframe", fullFrame);
}
