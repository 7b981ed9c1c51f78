#pragma once

#include "skin/data/definition_key_groups.h"
#include "skin/data/named_definition.h"

// The definition of one kind of skinned control: which picture holds its
// images and where each image lies. It is read from the section named by its
// IDName. Fields carry the name of their key in camel case (key "skinrect" is
// skinRect) and start at the key's default.
class TbsDataSkinControl : public NamedDefinition {
public:
    using NamedDefinition::NamedDefinition;

    int pictureIndex { -1 };
    int maskPictureIndex { -1 };
    SkinRect skinRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// A control whose skinRect is cut into corners, edges and a middle and
// resized to the control.
class TbsDataSkinCustomControl : public TbsDataSkinControl, public CornerPointKeys, public EdgeStretchKeys {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    SkinRect clientRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
