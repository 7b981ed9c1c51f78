#include "skin/data/skin_colors.h"

#include "skin/data/skin_key_visitor.h"

void TbsSkinColors::ResetToDefaults()
{
    // Every missing key reads as its role's system colour, so reading a skin
    // without colours is the reset.
    ReadFromIni(TbsIniFile());
}

void TbsSkinColors::VisitKeys(SkinKeyVisitor& keys)
{
    keys.Color("cbtnface", cBtnFace, kDefaultBtnFace);
    keys.Color("cbtntext", cBtnText, kDefaultBtnText);
    keys.Color("cwindow", cWindow, kDefaultWindow);
    keys.Color("cwindowtext", cWindowText, kDefaultWindowText);
    keys.Color("chighlight", cHighlight, kDefaultHighlight);
    keys.Color("chighlighttext", cHighlightText, kDefaultHighlightText);
    keys.Color("cbtnhighlight", cBtnHighlight, kDefaultBtnHighlight);
    keys.Color("cbtnshadow", cBtnShadow, kDefaultBtnShadow);
}
