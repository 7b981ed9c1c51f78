#pragma once

#include "skin/data/data_skin_control.h"

// A grid: fixed (heading) cells and ordinary cells, each with its own font.
class TbsDataSkinGridControl : public TbsDataSkinControl, public FontKeys {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    QString TypeName() const override { return QStringLiteral("grid"); }

    SkinRect fixedCellRect;
    SkinRect selectCellRect;
    SkinRect focusCellRect;
    int fixedCellLeftOffset { 0 };
    int fixedCellRightOffset { 0 };
    SkinRect fixedCellTextRect;
    int cellLeftOffset { 0 };
    int cellRightOffset { 0 };
    SkinRect cellTextRect;
    int bgPictureIndex { -1 };
    SkinColor linesColor { 0 };
    SkinColor bgColor { 0 };
    SkinColor selectFontColor { 0 };
    SkinColor focusFontColor { 0 };
    QString fixedFontName { kDefaultFontName };
    int fixedFontHeight { kDefaultFontHeight };
    FontStyles fixedFontStyle { 0 };
    SkinColor fixedFontColor { 0 };
    bool cellStretchEffect { false };
    bool fixedCellStretchEffect { false };
    bool showFocus { false };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
