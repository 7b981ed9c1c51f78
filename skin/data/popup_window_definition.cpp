#include "skin/data/popup_window_definition.h"

#include "skin/data/skin_key_visitor.h"

namespace {

const QString kSection = QStringLiteral("POPUPWINDOW");

}

void TbsDataSkinPopupWindow::ReadFromIni(const TbsIniFile& ini)
{
    SkinKeyReader reader(ini, kSection);
    VisitKeys(reader);
}

void TbsDataSkinPopupWindow::WriteToIni(TbsIniFile& ini) const
{
    WriteKeysToSection(ini, kSection, *this, &TbsDataSkinPopupWindow::VisitKeys);
}

void TbsDataSkinPopupWindow::VisitKeys(SkinKeyVisitor& keys)
{
    keys.PictureIndex("windowpictureindex", windowPictureIndex);
    keys.PictureIndex("maskpictureindex", maskPictureIndex);
    keys.Point("lefttoppoint", leftTopPoint);
    keys.Point("righttoppoint", rightTopPoint);
    keys.Point("leftbottompoint", leftBottomPoint);
    keys.Point("rightbottompoint", rightBottomPoint);
    keys.Rect("itemsrect", itemsRect);
    keys.Color("scrollmarkercolor", scrollMarkerColor);
    keys.Color("scrollmarkeractivecolor", scrollMarkerActiveColor);
    keys.Bool("leftstretch", leftStretch);
    keys.Bool("rightstretch", rightStretch);
    keys.Bool("topstretch", topStretch);
    keys.Bool("bottomstretch", bottomStretch);
    keys.Bool("stretcheffect", stretchEffect);
    keys.Stretch("stretchtype", stretchType);
}
