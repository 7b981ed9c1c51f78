#include "skin/data/skin_colors.h"

#include "skin/data/skin_key_visitor.h"

namespace {

const QString kSection = QStringLiteral("SKINCOLORS");

}

void TbsSkinColors::ReadFromIni(const TbsIniFile& ini)
{
    SkinKeyReader reader(ini, kSection);
    VisitKeys(reader);
}

void TbsSkinColors::WriteToIni(TbsIniFile& ini) const
{
    WriteKeysToSection(ini, kSection, *this, &TbsSkinColors::VisitKeys);
}

void TbsSkinColors::ResetToDefaults()
{
    cBtnFace = kDefaultBtnFace;
    cBtnText = kDefaultBtnText;
    cWindow = kDefaultWindow;
    cWindowText = kDefaultWindowText;
    cHighlight = kDefaultHighlight;
    cHighlightText = kDefaultHighlightText;
    cBtnHighlight = kDefaultBtnHighlight;
    cBtnShadow = kDefaultBtnShadow;
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
