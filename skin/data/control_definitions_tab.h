#pragma once

#include "skin/data/data_skin_control.h"

// A page control: a row of tabs above a page frame. skinRect is the frame
// image, cut by its own corner points; it is not a custom control because
// its keys come in a different order.
class TbsDataSkinTabControl : public TbsDataSkinControl, public CornerPointKeys, public EdgeStretchKeys, public FontKeys {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    QString TypeName() const override { return QStringLiteral("tab"); }

    SkinRect tabRect;
    SkinRect activeTabRect;
    SkinRect focusTabRect;
    SkinRect mouseInTabRect;
    SkinRect clientRect;
    int bgPictureIndex { -1 };
    int tabLeftOffset { 0 };
    int tabRightOffset { 0 };
    SkinRect tabsBgRect;
    bool tabStretchEffect { false };
    SkinColor activeFontColor { 0 };
    SkinColor focusFontColor { 0 };
    SkinColor mouseInFontColor { 0 };
    // Name of the up-down definition that scrolls the tabs.
    QString upDown;
    bool showFocus { false };
    int focusOffsetX { 0 };
    int focusOffsetY { 0 };
    SkinRect closeButtonRect;
    SkinRect closeButtonActiveRect;
    SkinRect closeButtonDownRect;
    bool buttonTransparent { false };
    SkinColor buttonTransparentColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
