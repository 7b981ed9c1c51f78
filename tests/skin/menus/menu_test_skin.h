#pragma once

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/menus/popup_look.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

// A skin of a 48 x 48 popup picture, a mask of maskSide pixels and a
// 100 x 40 menu item picture, with the given [POPUPWINDOW] points and item
// rectangle, and further menu item keys.
class MenuSkin {
public:
    static constexpr QRgb kNormalRow = 0xFFE0E0E0;
    static constexpr QRgb kActiveRow = 0xFF2040C0;

    MenuSkin(const QString& rightBottomPoint, const QString& itemSkinRect, int maskSide, const QString& itemKeys = {})
    {
        const QString folder = m_folder.path();
        QImage window(48, 48, QImage::Format_RGB32);
        window.fill(Qt::white);
        window.save(folder + "/pw.bmp", "BMP");
        QImage mask(maskSide, maskSide, QImage::Format_RGB32);
        mask.fill(Qt::black);
        mask.save(folder + "/pwmask.bmp", "BMP");
        // The normal row face above the highlighted one.
        QImage items(100, 40, QImage::Format_RGB32);
        items.fill(kNormalRow);
        for (int y = 20; y < 40; ++y)
            for (int x = 0; x < 100; ++x)
                items.setPixel(x, y, kActiveRow);
        items.save(folder + "/items.bmp", "BMP");
        const QString text = QStringLiteral(
            "[VERSION]\nskinname=menus\n"
            "[PICTURES]\npicture=\ninactivepicture=\nmask=\nactivepicturescount=3\n0=pw.bmp\n1=pwmask.bmp\n2=items.bmp\n"
            "[FORMINFO]\nborderwidth=4\n"
            "[POPUPWINDOW]\nwindowpictureindex=0\nmaskpictureindex=1\nlefttoppoint=8,8\nrighttoppoint=40,8\n"
            "leftbottompoint=8,40\nrightbottompoint=%1\nitemsrect=4,4,44,44\n"
            "[SKINOBJECTS]\ncount=1\n0=menuitem:menuitem\n"
            "[menuitem]\nactivepictureindex=2\nskinrectinapicture=1\nskinrect=%2\nactiveskinrect=0,20,100,40\n"
            "textrect=30,0,92,20\nfontname=Arial\nfontheight=13\n%3\n"
            "[SKINCONTROLS]\ncount=0\n")
                                 .arg(rightBottomPoint, itemSkinRect, itemKeys);
        QFile ini(folder + "/skin.ini");
        if (ini.open(QIODevice::WriteOnly))
            ini.write(text.toLatin1());
        ini.close();
        m_stored.LoadFromSkinFile(ini.fileName());
        m_data.LoadCompressedStoredSkin(m_stored);
    }

    TbsSkinData* Data() { return &m_data; }
    PopupLook Look() const { return LookUpPopupLook(&m_data, PopupLookOptions { true, DefaultMenuItemFont(), 20 }); }

private:
    QTemporaryDir m_folder;
    TbsCompressedStoredSkin m_stored;
    TbsSkinData m_data;
};

