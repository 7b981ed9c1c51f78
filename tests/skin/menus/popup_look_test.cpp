#include "skins/default_skin.h"

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/menus/popup_look.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A skin of a 48 x 48 popup picture, a mask of maskSide pixels and a
// 100 x 40 menu item picture, with the given [POPUPWINDOW] points and item
// rectangle.
class MenuSkin {
public:
    MenuSkin(const QString& rightBottomPoint, const QString& itemSkinRect, int maskSide)
    {
        const QString folder = m_folder.path();
        QImage(48, 48, QImage::Format_RGB32).save(folder + "/pw.bmp", "BMP");
        QImage mask(maskSide, maskSide, QImage::Format_RGB32);
        mask.fill(Qt::black);
        mask.save(folder + "/pwmask.bmp", "BMP");
        QImage(100, 40, QImage::Format_RGB32).save(folder + "/items.bmp", "BMP");
        const QString text = QStringLiteral(
            "[VERSION]\nskinname=menus\n"
            "[PICTURES]\npicture=\ninactivepicture=\nmask=\nactivepicturescount=3\n0=pw.bmp\n1=pwmask.bmp\n2=items.bmp\n"
            "[FORMINFO]\nborderwidth=4\n"
            "[POPUPWINDOW]\nwindowpictureindex=0\nmaskpictureindex=1\nlefttoppoint=8,8\nrighttoppoint=40,8\n"
            "leftbottompoint=8,40\nrightbottompoint=%1\nitemsrect=4,4,44,44\n"
            "[SKINOBJECTS]\ncount=1\n0=menuitem:menuitem\n"
            "[menuitem]\nactivepictureindex=2\nskinrectinapicture=1\nskinrect=%2\nactiveskinrect=0,20,100,40\n"
            "textrect=30,0,92,20\nfontname=Arial\nfontheight=13\n"
            "[SKINCONTROLS]\ncount=0\n")
                                 .arg(rightBottomPoint, itemSkinRect);
        QFile ini(folder + "/skin.ini");
        if (ini.open(QIODevice::WriteOnly))
            ini.write(text.toLatin1());
        ini.close();
        m_stored.LoadFromSkinFile(ini.fileName());
        m_data.LoadCompressedStoredSkin(m_stored);
    }

    PopupLook Look() const { return LookUpPopupLook(&m_data, PopupLookOptions { true, DefaultMenuItemFont(), 20 }); }

private:
    QTemporaryDir m_folder;
    TbsCompressedStoredSkin m_stored;
    TbsSkinData m_data;
};

} // namespace

TEST(PopupLook, EachPartTheSkinCannotDrawFallsBackToThePlainLook)
{
    const PopupLook good = MenuSkin("40,40", "0,0,100,20", 48).Look();
    ASSERT_NE(good.window, nullptr);
    EXPECT_FALSE(good.maskPicture.isNull());
    ASSERT_NE(good.item, nullptr);
    EXPECT_EQ(good.font.pixelSize(), 13);
    EXPECT_EQ(good.Metrics(19).itemHeight, 20);

    // A point outside the picture: a plain window around skinned rows.
    const PopupLook pointOutside = MenuSkin("60,40", "0,0,100,20", 48).Look();
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
    stored.SetCompressedData(DefaultSkinCompressedData());
    TbsSkinData skin;
    skin.LoadCompressedStoredSkin(stored);
    const PopupLook look = LookUpPopupLook(&skin, PopupLookOptions { true, DefaultMenuItemFont(), 20 });
    EXPECT_NE(look.window, nullptr);
    EXPECT_FALSE(look.maskPicture.isNull());
    EXPECT_NE(look.item, nullptr);
    EXPECT_TRUE(look.itemDivider);
}
