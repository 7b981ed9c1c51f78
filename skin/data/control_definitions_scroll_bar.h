#pragma once

#include "skin/data/data_skin_control.h"

// A scroll bar: two arrow buttons, a track between them and a thumb. The
// button rectangles give both the button's place inside skinRect and the
// image that is drawn there.
class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl, public UpDownButtonKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("scrollbar"); }

    SkinRect trackArea;
    SkinRect thumbRect;
    SkinRect activeThumbRect;
    SkinRect downThumbRect;
    int thumbOffset1 { 0 };
    int thumbOffset2 { 0 };
    bool thumbTransparent { false };
    SkinColor thumbTransparentColor { 0 };
    bool thumbStretchEffect { false };
    int thumbMinSize { 0 };
    int thumbMinPageSize { 0 };
    SkinRect glyphRect;
    SkinRect activeGlyphRect;
    SkinRect downGlyphRect;
    bool glyphTransparent { false };
    SkinColor glyphTransparentColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// A pair of up and down buttons, placed inside skinRect like a scroll bar's.
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl, public UpDownButtonKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("updown"); }


protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
