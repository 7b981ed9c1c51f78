#include "skin/data/control_definitions_scroll_bar.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinScrollBarControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    keys.Rect("trackarea", trackArea);
    VisitUpDownButtonKeys(keys);
    keys.Rect("thumbrect", thumbRect);
    keys.Rect("activethumbrect", activeThumbRect);
    keys.Rect("downthumbrect", downThumbRect);
    keys.Integer("thumboffset1", thumbOffset1);
    keys.Integer("thumboffset2", thumbOffset2);
    keys.Bool("thumbtransparent", thumbTransparent);
    keys.Color("thumbtransparentcolor", thumbTransparentColor);
    keys.Bool("thumbstretcheffect", thumbStretchEffect);
    keys.Integer("thumbminsize", thumbMinSize);
    keys.Integer("thumbminpagesize", thumbMinPageSize);
    keys.Rect("glyphrect", glyphRect);
    keys.Rect("activeglyphrect", activeGlyphRect);
    keys.Rect("downglyphrect", downGlyphRect);
    keys.Bool("glyphtransparent", glyphTransparent);
    keys.Color("glyphtransparentcolor", glyphTransparentColor);
}

void TbsDataSkinUpDownControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinCustomControl::VisitKeys(keys);
    VisitUpDownButtonKeys(keys);
}
