#include "skin/data/form_info.h"

#include "skin/data/skin_key_visitor.h"

#include <algorithm>

namespace {

void TakeCornerWhenUnset(QPoint& hitTestPoint, const QPoint& corner)
{
    if (hitTestPoint.x() == 0 || hitTestPoint.y() == 0)
        hitTestPoint = corner;
}

}

void TbsFormInfo::ReadFromIni(const TbsIniFile& ini, bool skinHasMask)
{
    KeyedSection::ReadFromIni(ini);
    if (skinHasMask)
        CompleteMaskGeometry();
    ClampCornersToClientArea();
}

void TbsFormInfo::CompleteMaskGeometry()
{
    if (maskRectArea.IsEmpty()) {
        maskRectArea = clientRect;
    } else {
        maskRectArea.left = std::min(maskRectArea.left, clientRect.left);
        maskRectArea.top = std::min(maskRectArea.top, clientRect.top);
        maskRectArea.right = std::max(maskRectArea.right, clientRect.right);
        maskRectArea.bottom = std::max(maskRectArea.bottom, clientRect.bottom);
    }
    TakeCornerWhenUnset(hitTestLeftTopPoint, leftTopPoint);
    TakeCornerWhenUnset(hitTestRightTopPoint, rightTopPoint);
    TakeCornerWhenUnset(hitTestLeftBottomPoint, leftBottomPoint);
    TakeCornerWhenUnset(hitTestRightBottomPoint, rightBottomPoint);
}

void TbsFormInfo::ClampCornersToClientArea()
{
    // Coinciding corners mean the skin gives no corner geometry at all (every
    // point absent); clamping would invent some.
    if (rightBottomPoint.x() == leftTopPoint.x() || rightBottomPoint.y() == leftTopPoint.y())
        return;
    const SkinRect& client = clientRect;
    leftTopPoint = { std::max(leftTopPoint.x(), client.left), std::max(leftTopPoint.y(), client.top) };
    rightTopPoint = { std::min(rightTopPoint.x(), client.right), std::max(rightTopPoint.y(), client.top) };
    leftBottomPoint = { std::max(leftBottomPoint.x(), client.left), std::min(leftBottomPoint.y(), client.bottom) };
    rightBottomPoint = { std::min(rightBottomPoint.x(), client.right), std::min(rightBottomPoint.y(), client.bottom) };
}

void TbsFormInfo::VisitKeys(SkinKeyVisitor& keys)
{
    VisitCornerPointKeys(keys);
    keys.Rect("clientrect", clientRect);
    keys.PictureIndex("bgpictureindex", bgPictureIndex);
    keys.PictureIndex("mdibgpictureindex", mdiBgPictureIndex);
    VisitEdgeStretchKeys(keys, EdgeOrder::SidesFirst);
    keys.Bool("mdibgstretcheffect", mdiBgStretchEffect);
    keys.Stretch("mdibgstretchtype", mdiBgStretchType);
    keys.Rect("maskrectarea", maskRectArea);
    keys.Point("hittestlefttoppoint", hitTestLeftTopPoint);
    keys.Point("hittestrighttoppoint", hitTestRightTopPoint);
    keys.Point("hittestleftbottompoint", hitTestLeftBottomPoint);
    keys.Point("hittestrightbottompoint", hitTestRightBottomPoint);
    keys.Rect("buttonsrect", buttonsRect);
    keys.Rect("captionrect", captionRect);
    keys.Integer("buttonsoffset", buttonsOffset);
    keys.Bool("buttonsinleft", buttonsInLeft);
    keys.Bool("mainmenupopupup", mainMenuPopupUp);
    keys.Integer("borderwidth", borderWidth);
    keys.Integer("formminwidth", formMinWidth);
    keys.Bool("mditabstransparent", mdiTabsTransparent);
    keys.Bool("mainmenubartransparent", mainMenuBarTransparent);
    keys.Bool("autorenderinginactiveimage", autoRenderingInactiveImage);
    keys.Effect("inactiveeffect", inactiveEffect);
}
