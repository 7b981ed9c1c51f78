#include "skin/data/hint_window_definition.h"

#include "skin/data/skin_key_visitor.h"

namespace {

const QString kSection = QStringLiteral("HINTWINDOW");

}

void TbsDataSkinHintWindow::ReadFromIni(const TbsIniFile& ini)
{
    SkinKeyReader reader(ini, kSection);
    VisitKeys(reader);
}

void TbsDataSkinHintWindow::WriteToIni(TbsIniFile& ini) const
{
    WriteKeysToSection(ini, kSection, *this, &TbsDataSkinHintWindow::VisitKeys);
}

void TbsDataSkinHintWindow::VisitKeys(SkinKeyVisitor& keys)
{
    keys.PictureIndex("windowpictureindex", windowPictureIndex);
    keys.PictureIndex("maskpictureindex", maskPictureIndex);
    keys.Point("lefttoppoint", leftTopPoint);
    keys.Point("righttoppoint", rightTopPoint);
    keys.Point("leftbottompoint", leftBottomPoint);
    keys.Point("rightbottompoint", rightBottomPoint);
    keys.Rect("clientrect", clientRect);
    keys.String("fontname", fontName, kDefaultFontName);
    keys.Integer("fontheight", fontHeight, kDefaultFontHeight);
    keys.Font("fontstyle", fontStyle);
    keys.Color("fontcolor", fontColor);
    keys.Bool("leftstretch", leftStretch);
    keys.Bool("rightstretch", rightStretch);
    keys.Bool("topstretch", topStretch);
    keys.Bool("bottomstretch", bottomStretch);
    keys.Bool("stretcheffect", stretchEffect);
    keys.Stretch("stretchtype", stretchType);
}
