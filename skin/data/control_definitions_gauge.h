#pragma once

#include "skin/data/data_skin_control.h"

// A progress gauge, optionally with animated background and progress strips.
class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl, public FontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("gauge"); }

    SkinRect progressArea;
    SkinRect progressRect;
    int beginOffset { 0 };
    int endOffset { 0 };
    bool vertical { false };
    bool progressTransparent { false };
    SkinColor progressTransparentColor { 0 };
    bool progressStretch { false };
    SkinRect animationSkinRect;
    int animationCountFrames { 0 };
    int animationTimerInterval { 0 };
    SkinRect progressAnimationSkinRect;
    int progressAnimationCountFrames { 0 };
    int progressAnimationTimerInterval { 0 };
    int animationBeginOffset { 0 };
    int animationEndOffset { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
