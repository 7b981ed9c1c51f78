#pragma once

#include "skin/data/data_skin_control.h"

// A slider drawn from a ruler image and a thumb image; it has no picture
// geometry of its own.
class TbsDataSkinSlider : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    QString TypeName() const override { return QStringLiteral("slider"); }

    SkinColor bgColor { 0 };
    SkinRect hRulerRect;
    SkinRect hThumbRect;
    SkinRect vRulerRect;
    SkinRect vThumbRect;
    int edgeSize { 0 };
    SkinColor pointsColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// A track bar: a track area and a button that moves along it.
class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("trackbar"); }

    SkinRect activeSkinRect;
    SkinRect trackArea;
    SkinRect buttonRect;
    SkinRect activeButtonRect;
    bool vertical { false };
    bool buttonTransparent { false };
    SkinColor buttonTransparentColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
