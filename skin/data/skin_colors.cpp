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
    ini.EraseSection(kSection);
    SkinKeyWriter writer(ini, kSection);
    // The writer only reads the fields; the visit is shared with the reader,
    // which is why it takes them by non-const reference.
    const_cast<TbsSkinColors*>(this)->VisitKeys(writer);
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
