#pragma once

#include "skin/data/definition_defaults.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_rect.h"
#include "skin/data/skin_values.h"

#include <QPoint>
#include <QString>

class SkinKeyVisitor;

// The look of a skinned hint window, read from [HINTWINDOW]. Fields carry the
// name of their key in camel case and start at the key's default.
class TbsDataSkinHintWindow {
public:
    // Throws SkinConversionError for a malformed rectangle or point.
    void ReadFromIni(const TbsIniFile& ini);
    // Erases [HINTWINDOW] and writes every key in reading order.
    void WriteToIni(TbsIniFile& ini) const;

    int windowPictureIndex { -1 };
    int maskPictureIndex { -1 };
    QPoint leftTopPoint;
    QPoint rightTopPoint;
    QPoint leftBottomPoint;
    QPoint rightBottomPoint;
    SkinRect clientRect;
    QString fontName { kDefaultFontName };
    int fontHeight { kDefaultFontHeight };
    FontStyles fontStyle { 0 };
    SkinColor fontColor { 0 };
    bool leftStretch { false };
    bool rightStretch { false };
    bool topStretch { false };
    bool bottomStretch { false };
    bool stretchEffect { false };
    StretchType stretchType { StretchType::stFull };

private:
    void VisitKeys(SkinKeyVisitor& keys);
};
