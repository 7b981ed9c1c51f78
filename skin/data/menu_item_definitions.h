#pragma once

#include "skin/data/data_skin_object.h"

// An item of a skinned popup menu.
class TbsDataSkinMenuItem : public TbsDataSkinObject, public FontKeys, public AnimationKeys {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    QString TypeName() const override { return QStringLiteral("menuitem"); }

    int itemLeftOffset { 0 };
    int itemRightOffset { 0 };
    SkinRect dividerRect;
    int dividerLeftOffset { 0 };
    int dividerRightOffset { 0 };
    SkinRect textRect;
    SkinRect imageRect;
    SkinColor activeFontColor { 0 };
    SkinColor unenabledFontColor { 0 };
    bool stretchEffect { false };
    bool inactiveStretchEffect { false };
    bool dividerStretchEffect { false };
    bool inactiveAnimation { false };
    bool useImageColor { false };
    SkinColor imageColor { 0 };
    SkinColor activeImageColor { 0 };
    bool inactiveTransparent { false };
    SkinRect checkImageRect;
    SkinRect activeCheckImageRect;
    SkinRect radioImageRect;
    SkinRect activeRadioImageRect;
    SkinRect arrowImageRect;
    SkinRect activeArrowImageRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
    // An empty active mark image takes the plain one, so a skin that draws
    // one check mark needs to give it only once.
    void CompleteAfterReading() override;
};

// An item of the skinned main menu bar. Only its descendant has a type word.
class TbsDataSkinMainMenuItem : public TbsDataSkinObject, public FontKeys, public AnimationKeys {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    int itemLeftOffset { 0 };
    int itemRightOffset { 0 };
    SkinRect downRect;
    SkinRect textRect;
    SkinColor activeFontColor { 0 };
    SkinColor downFontColor { 0 };
    SkinColor unenabledFontColor { 0 };
    bool stretchEffect { false };
    bool inactiveAnimation { false };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
    QString TypeName() const override { return QStringLiteral("mainmenubaritem"); }
};
