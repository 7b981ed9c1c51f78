#pragma once

#include "skin/data/definition_key_groups.h"
#include "skin/data/keyed_section.h"

// What the hint window and the popup menu window definitions share: a
// picture, with its mask, cut at four corner points and resized to the
// window.
class SkinnedWindowPicture : public KeyedSection, public CornerPointKeys, public EdgeStretchKeys {
public:
    int windowPictureIndex { -1 };
    int maskPictureIndex { -1 };

protected:
    using KeyedSection::KeyedSection;

    // The picture indexes and the corner points, which open both sections.
    void VisitPictureKeys(SkinKeyVisitor& keys);
};
