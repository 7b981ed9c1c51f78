#include "skins/built_in_skins.h"

#include "menu_test_skin.h"

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/menus/popup_look.h"

#include <gtest/gtest.h>

TEST(PopupLook, EachPartTheSkinCannotDrawFallsBackToThePlainLook)
{
    // A look points into its skin, which must outlive it.
    const MenuSkin goodSkin("40,40", "0,0,100,20", 48);
    const PopupLook good = goodSkin.Look();
    ASSERT_NE(good.window, nullptr);
    EXPECT_FALSE(good.maskPicture.isNull());
    ASSERT_NE(good.item, nullptr);
    EXPECT_EQ(good.font.pixelSize(), 13);
    EXPECT_EQ(good.Metrics(19).itemHeight, 20);

    // A point outside the picture: a plain window around skinned rows.
    const MenuSkin pointOutsideSkin("60,40", "0,0,100,20", 48);
    const PopupLook pointOutside = pointOutsideSkin.Look();
    EXPECT_EQ(pointOutside.window, nullptr);
    EXPECT_NE(pointOutside.item, nullptr);
    EXPECT_FALSE(pointOutside.Metrics(19).skinnedWindow);

    // An empty or too large item rectangle: plain rows in a skinned window.
    EXPECT_EQ(MenuSkin("40,40", "0,0,0,0", 48).Look().item, nullptr);
    EXPECT_EQ(MenuSkin("40,40", "0,0,120,20", 48).Look().item, nullptr);

    // A mask of another size: the window keeps its rectangle.
    const PopupLook otherMask = MenuSkin("40,40", "0,0,100,20", 40).Look();
    EXPECT_NE(otherMask.window, nullptr);
    EXPECT_TRUE(otherMask.maskPicture.isNull());

    // No skin: everything plain, in the default font.
    const PopupLook plain = LookUpPopupLook(nullptr, PopupLookOptions { true, DefaultMenuItemFont(), 20 });
    EXPECT_EQ(plain.window, nullptr);
    EXPECT_EQ(plain.item, nullptr);
    EXPECT_EQ(plain.font.pixelSize(), 14);
}

TEST(PopupLook, TheBuiltInSkinDrawsEveryPart)
{
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(BuiltInSkinCompressedData(kDefaultBuiltInSkinName));
    TbsSkinData skin;
    skin.LoadCompressedStoredSkin(stored);
    const PopupLook look = LookUpPopupLook(&skin, PopupLookOptions { true, DefaultMenuItemFont(), 20 });
    EXPECT_NE(look.window, nullptr);
    EXPECT_FALSE(look.maskPicture.isNull());
    EXPECT_NE(look.item, nullptr);
    EXPECT_TRUE(look.itemDivider);
}
