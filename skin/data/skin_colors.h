#pragma once

#include "skin/data/keyed_section.h"
#include "skin/data/skin_values.h"

// The eight colours a skin gives for drawing that is not done from pictures,
// read from [SKINCOLORS]. A missing key takes the system colour of the same
// role. Reading throws nothing: colours never fail to read.
class TbsSkinColors : public KeyedSection {
public:
    TbsSkinColors()
        : KeyedSection(QStringLiteral("SKINCOLORS"))
    {
    }

    // Sets every colour to the system colour of its role, as a cleared skin
    // has them.
    void ResetToDefaults();

    // A new object holds 0 in every colour until it is reset or read.
    SkinColor cBtnFace { 0 };
    SkinColor cBtnText { 0 };
    SkinColor cWindow { 0 };
    SkinColor cWindowText { 0 };
    SkinColor cHighlight { 0 };
    SkinColor cHighlightText { 0 };
    SkinColor cBtnHighlight { 0 };
    SkinColor cBtnShadow { 0 };

    static constexpr SkinColor kDefaultBtnFace = SystemColor(15);
    static constexpr SkinColor kDefaultBtnText = SystemColor(18);
    static constexpr SkinColor kDefaultWindow = SystemColor(5);
    static constexpr SkinColor kDefaultWindowText = SystemColor(8);
    static constexpr SkinColor kDefaultHighlight = SystemColor(13);
    static constexpr SkinColor kDefaultHighlightText = SystemColor(14);
    static constexpr SkinColor kDefaultBtnHighlight = SystemColor(20);
    static constexpr SkinColor kDefaultBtnShadow = SystemColor(16);

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
