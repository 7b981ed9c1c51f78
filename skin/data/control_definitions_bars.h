#pragma once

#include "skin/data/data_skin_control.h"

// The main menu bar; its items and buttons are frame object definitions,
// named here.
class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    QString TypeName() const override { return QStringLiteral("mainmenubar"); }

    SkinRect itemsRect;
    QString menuBarItem;
    QString closeButton;
    QString minButton;
    QString maxButton;
    QString sysMenuButton;
    SkinColor trackMarkColor { 0 };
    SkinColor trackMarkActiveColor { 0 };
    bool stretchEffect { false };
    bool itemTransparent { false };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};

// A bar that holds movable bands, each with a grip.
class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    QString TypeName() const override { return QStringLiteral("controlbar"); }

    SkinRect itemRect;
    int bgPictureIndex { -1 };
    SkinRect hGripRect;
    SkinRect vGripRect;
    int gripOffset1 { 0 };
    int gripOffset2 { 0 };
    bool itemStretchEffect { false };
    int itemOffset1 { kDefaultItemOffset };
    int itemOffset2 { kDefaultItemOffset };
    bool itemTransparent { false };
    SkinColor itemTransparentColor { 0 };
    bool gripTransparent { false };
    SkinColor gripTransparentColor { 0 };

    static constexpr int kDefaultItemOffset = 3;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
