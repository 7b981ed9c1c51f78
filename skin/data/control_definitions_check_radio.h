#pragma once

#include "skin/data/data_skin_control.h"

// Check boxes and radio buttons: a background image plus a mark image per
// state, placed in checkImageArea.
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl, public FontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("checkradio"); }

    SkinColor activeFontColor { 0 };
    SkinColor unenabledFontColor { 0 };
    SkinColor frameFontColor { 0 };
    SkinRect activeSkinRect;
    SkinRect checkImageArea;
    SkinRect textArea;
    SkinRect checkImageRect;
    SkinRect uncheckImageRect;
    SkinRect activeCheckImageRect;
    SkinRect activeUncheckImageRect;
    SkinRect unenabledCheckImageRect;
    SkinRect unenabledUncheckImageRect;
    SkinRect grayedCheckImageRect;
    SkinRect activeGrayedCheckImageRect;
    bool morphing { false };
    MorphKind morphKind { MorphKind::mkDefault };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
