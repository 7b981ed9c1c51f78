#pragma once

#include "skin/data/data_skin_control.h"

// A container with an optional caption, caption frame, check mark and gripper.
class TbsDataSkinPanelControl : public TbsDataSkinCustomControl, public FontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("panel"); }

    int bgPictureIndex { -1 };
    SkinRect captionRect;
    Alignment alignment { Alignment::taCenter };
    SkinRect checkImageRect;
    SkinRect uncheckImageRect;
    SkinRect markFrameRect;
    SkinRect frameRect;
    SkinRect frameTextRect;
    int frameLeftOffset { 0 };
    int frameRightOffset { 0 };
    SkinRect gripperRect;
    bool gripperTransparent { false };
    SkinColor gripperTransparentColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// A panel that rolls up to a horizontal or vertical caption strip.
class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl, public FontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("expanel"); }

    SkinRect rollHSkinRect;
    SkinRect rollVSkinRect;
    int rollLeftOffset { 0 };
    int rollRightOffset { 0 };
    int rollTopOffset { 0 };
    int rollBottomOffset { 0 };
    SkinRect rollVCaptionRect;
    SkinRect rollHCaptionRect;
    SkinRect closeButtonRect;
    SkinRect closeButtonActiveRect;
    SkinRect closeButtonDownRect;
    SkinRect hRollButtonRect;
    SkinRect hRollButtonActiveRect;
    SkinRect hRollButtonDownRect;
    SkinRect hRestoreButtonRect;
    SkinRect hRestoreButtonActiveRect;
    SkinRect hRestoreButtonDownRect;
    SkinRect vRollButtonRect;
    SkinRect vRollButtonActiveRect;
    SkinRect vRollButtonDownRect;
    SkinRect vRestoreButtonRect;
    SkinRect vRestoreButtonActiveRect;
    SkinRect vRestoreButtonDownRect;
    SkinRect captionRect;
    bool buttonsTransparent { false };
    SkinColor buttonsTransparentColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("scrollbox"); }

    int bgPictureIndex { -1 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("splitter"); }

    SkinRect gripperRect;
    bool gripperTransparent { false };
    SkinColor gripperTransparentColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
