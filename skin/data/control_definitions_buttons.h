#pragma once

#include "skin/data/data_skin_control.h"

class TbsDataSkinButtonControl : public TbsDataSkinCustomControl, public FontKeys, public AnimationKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("button"); }

    SkinColor activeFontColor { 0 };
    SkinColor downFontColor { 0 };
    SkinColor disabledFontColor { 0 };
    SkinRect activeSkinRect;
    SkinRect downSkinRect;
    SkinRect focusedSkinRect;
    SkinRect disabledSkinRect;
    bool morphing { false };
    MorphKind morphKind { MorphKind::mkDefault };
    bool showFocus { false };
    SkinRect menuMarkerFlatRect;
    SkinRect menuMarkerRect;
    SkinRect menuMarkerActiveRect;
    SkinRect menuMarkerDownRect;
    SkinColor menuMarkerTransparentColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// A button with a separate drop-down part.
class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;
    QString TypeName() const override { return QStringLiteral("menubutton"); }

    SkinRect trackButtonRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
