#include "skin/data/definition_key_groups.h"

#include "skin/data/skin_key_visitor.h"

void FontKeys::VisitFontKeys(SkinKeyVisitor& keys)
{
    keys.String("fontname", fontName, kDefaultFontName);
    keys.Integer("fontheight", fontHeight, kDefaultFontHeight);
    keys.Font("fontstyle", fontStyle);
    keys.Color("fontcolor", fontColor);
}

void CornerPointKeys::VisitCornerPointKeys(SkinKeyVisitor& keys)
{
    keys.Point("lefttoppoint", leftTopPoint);
    keys.Point("righttoppoint", rightTopPoint);
    keys.Point("leftbottompoint", leftBottomPoint);
    keys.Point("rightbottompoint", rightBottomPoint);
}

void EdgeStretchKeys::VisitEdgeStretchKeys(SkinKeyVisitor& keys, EdgeOrder order)
{
    keys.Bool("leftstretch", leftStretch);
    if (order == EdgeOrder::Clockwise) {
        keys.Bool("topstretch", topStretch);
        keys.Bool("rightstretch", rightStretch);
    } else {
        keys.Bool("rightstretch", rightStretch);
        keys.Bool("topstretch", topStretch);
    }
    keys.Bool("bottomstretch", bottomStretch);
    keys.Bool("stretcheffect", stretchEffect);
    keys.Stretch("stretchtype", stretchType);
}

void UpDownButtonKeys::VisitUpDownButtonKeys(SkinKeyVisitor& keys)
{
    keys.Rect("upbuttonrect", upButtonRect);
    keys.Rect("activeupbuttonrect", activeUpButtonRect);
    keys.Rect("downupbuttonrect", downUpButtonRect);
    keys.Rect("downbuttonrect", downButtonRect);
    keys.Rect("activedownbuttonrect", activeDownButtonRect);
    keys.Rect("downdownbuttonrect", downDownButtonRect);
}

void ListItemKeys::VisitListItemKeys(SkinKeyVisitor& keys)
{
    keys.Rect("itemrect", itemRect);
    keys.Rect("activeitemrect", activeItemRect);
    keys.Rect("focusitemrect", focusItemRect);
    keys.Integer("itemleftoffset", itemLeftOffset);
    keys.Integer("itemrightoffset", itemRightOffset);
    keys.Rect("itemtextrect", itemTextRect);
}

void RestoreFaceKeys::VisitRestoreFaceKeys(SkinKeyVisitor& keys)
{
    keys.Rect("restorerect", restoreRect);
    keys.Rect("restoreactiverect", restoreActiveRect);
    keys.Rect("restoredownrect", restoreDownRect);
    keys.Rect("restoreinactiverect", restoreInactiveRect);
}

void AnimationKeys::VisitAnimationKeys(SkinKeyVisitor& keys)
{
    keys.Rect("animateskinrect", animateSkinRect);
    keys.Integer("framecount", frameCount);
    keys.Integer("animateinterval", animateInterval, kDefaultAnimateInterval);
}
