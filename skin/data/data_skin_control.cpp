#include "skin/data/data_skin_control.h"

#include "skin/data/skin_key_visitor.h"

TbsDataSkinControl::TbsDataSkinControl(const QString& idName)
    : m_idName(idName)
{
}

void TbsDataSkinControl::ReadFromIni(const TbsIniFile& ini)
{
    SkinKeyReader reader(ini, m_idName);
    VisitKeys(reader);
}

void TbsDataSkinControl::WriteToIni(TbsIniFile& ini) const
{
    WriteKeysToSection(ini, m_idName, *this, &TbsDataSkinControl::VisitKeys);
}

void TbsDataSkinControl::VisitKeys(SkinKeyVisitor& keys)
{
    keys.PictureIndex("pictureindex", pictureIndex);
    keys.PictureIndex("maskpictureindex", maskPictureIndex);
    keys.Rect("skinrect", skinRect);
}

void TbsDataSkinCustomControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    keys.Point("lefttoppoint", leftTopPoint);
    keys.Point("righttoppoint", rightTopPoint);
    keys.Point("leftbottompoint", leftBottomPoint);
    keys.Point("rightbottompoint", rightBottomPoint);
    keys.Rect("clientrect", clientRect);
    keys.Bool("leftstretch", leftStretch);
    keys.Bool("topstretch", topStretch);
    keys.Bool("rightstretch", rightStretch);
    keys.Bool("bottomstretch", bottomStretch);
    keys.Bool("stretcheffect", stretchEffect);
    keys.Stretch("stretchtype", stretchType);
}
