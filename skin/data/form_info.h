#pragma once

#include "skin/data/definition_key_groups.h"
#include "skin/data/keyed_section.h"

// The geometry of the window frame, read from [FORMINFO]. Coordinates are
// pixels of the skin's main picture. Fields carry the name of their key in
// camel case and start at the key's default. Here stretchEffect means the
// bgPictureIndex picture is stretched over the client area (how:
// stretchType) instead of drawn at its own size.
class TbsFormInfo : public KeyedSection, public CornerPointKeys, public EdgeStretchKeys {
public:
    TbsFormInfo()
        : KeyedSection(QStringLiteral("FORMINFO"))
    {
    }

    // Reads every key, then completes the geometry: with a mask picture the
    // mask area grows to cover the client area and unset hit-test corners take
    // the frame's corners; the corner points are then moved onto the client
    // side of their corners. Throws SkinConversionError for a malformed
    // rectangle or point.
    void ReadFromIni(const TbsIniFile& ini, bool skinHasMask);

    SkinRect clientRect;
    int bgPictureIndex { -1 };
    int mdiBgPictureIndex { -1 };
    bool mdiBgStretchEffect { false };
    StretchType mdiBgStretchType { StretchType::stFull };
    // The part of the mask picture that shapes the window.
    SkinRect maskRectArea;
    QPoint hitTestLeftTopPoint;
    QPoint hitTestRightTopPoint;
    QPoint hitTestLeftBottomPoint;
    QPoint hitTestRightBottomPoint;
    SkinRect buttonsRect;
    SkinRect captionRect;
    int buttonsOffset { 0 };
    bool buttonsInLeft { false };
    bool mainMenuPopupUp { false };
    int borderWidth { 0 };
    int formMinWidth { 0 };
    bool mdiTabsTransparent { false };
    bool mainMenuBarTransparent { false };
    // The inactive frame picture is computed from the main picture with
    // inactiveEffect instead of taken from the inactive picture.
    bool autoRenderingInactiveImage { false };
    InactiveEffect inactiveEffect { InactiveEffect::ieBrightness };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;

private:
    void CompleteMaskGeometry();
    void ClampCornersToClientArea();
};
