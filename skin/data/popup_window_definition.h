#pragma once

#include "skin/data/ini_file.h"
#include "skin/data/skin_rect.h"
#include "skin/data/skin_values.h"

#include <QPoint>

class SkinKeyVisitor;

// The look of a skinned popup menu window, read from [POPUPWINDOW]. Fields
// carry the name of their key in camel case and start at the key's default.
class TbsDataSkinPopupWindow {
public:
    // Throws SkinConversionError for a malformed rectangle or point.
    void ReadFromIni(const TbsIniFile& ini);
    // Erases [POPUPWINDOW] and writes every key in reading order.
    void WriteToIni(TbsIniFile& ini) const;

    int windowPictureIndex { -1 };
    int maskPictureIndex { -1 };
    QPoint leftTopPoint;
    QPoint rightTopPoint;
    QPoint leftBottomPoint;
    QPoint rightBottomPoint;
    SkinRect itemsRect;
    SkinColor scrollMarkerColor { 0 };
    SkinColor scrollMarkerActiveColor { 0 };
    bool leftStretch { false };
    bool rightStretch { false };
    bool topStretch { false };
    bool bottomStretch { false };
    bool stretchEffect { false };
    StretchType stretchType { StretchType::stFull };

private:
    void VisitKeys(SkinKeyVisitor& keys);
};
