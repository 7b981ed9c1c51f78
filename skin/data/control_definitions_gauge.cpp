#include "skin/data/control_definitions_gauge.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinGaugeControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("progressarea", progressArea);
    keys.Rect("progressrect", progressRect);
    keys.Integer("beginoffset", beginOffset);
    keys.Integer("endoffset", endOffset);
    keys.Bool("vertical", vertical);
    VisitFontKeys(keys);
    keys.Bool("progresstransparent", progressTransparent);
    keys.Color("progresstransparentcolor", progressTransparentColor);
    keys.Bool("progressstretch", progressStretch);
    keys.Rect("animationskinrect", animationSkinRect);
    keys.Integer("animationcountframes", animationCountFrames);
    keys.Integer("animationtimerinterval", animationTimerInterval);
    keys.Rect("progressanimationskinrect", progressAnimationSkinRect);
    keys.Integer("progressanimationcountframes", progressAnimationCountFrames);
    keys.Integer("progressanimationtimerinterval", progressAnimationTimerInterval);
    keys.Integer("animationbeginoffset", animationBeginOffset);
    keys.Integer("animationendoffset", animationEndOffset);
}
