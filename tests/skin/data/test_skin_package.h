#pragma once

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_package.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtEndian>
#include <memory>

// Builds stored skins for tests from a definition text and small pictures.

inline QImage SolidPicture(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// An 8-bit grey mask, the way skin masks are usually stored.
inline QImage GreyMask(int width, int height)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorCount(256);
    for (int i = 0; i < 256; ++i)
        image.setColor(i, qRgb(i, i, i));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, x == 0 ? 0 : 255);
    }
    return image;
}

inline SkinPackage TestPackage(const QString& definition)
{
    SkinPackage package;
    package.picture = SolidPicture(12, 10, qRgb(200, 10, 10));
    package.mask = GreyMask(12, 10);
    package.activePictures = { SolidPicture(4, 3, qRgb(1, 2, 3)), SolidPicture(5, 6, qRgb(40, 50, 60)) };
    package.definitionText = QString(definition).replace("\n", "\r\n").toLatin1();
    return package;
}

// The package bytes with another version number written over the first field.
inline QByteArray WithVersion(QByteArray packageBytes, qint32 version)
{
    qToLittleEndian(version, packageBytes.data());
    return packageBytes;
}

inline std::unique_ptr<TbsCompressedStoredSkin> StoredSkinFromPackageBytes(const QByteArray& packageBytes)
{
    auto stored = std::make_unique<TbsCompressedStoredSkin>();
    stored->SetCompressedData(CompressSkinPackage(packageBytes));
    return stored;
}

inline std::unique_ptr<TbsCompressedStoredSkin> StoredSkin(const QString& definition)
{
    return StoredSkinFromPackageBytes(WriteSkinPackage(TestPackage(definition)));
}

// A small but complete definition: two frame objects and three controls.
inline QString TestDefinition(const QString& skinName = QStringLiteral("Test skin"))
{
    return QStringLiteral(
               "[VERSION]\n"
               "ver=1\n"
               "skinname=%1\n"
               "skinauthor=Lumeno\n"
               "authoremail=art@lumeno.example\n"
               "authorurl=https://lumeno.example/\n"
               "skincomments=Made for tests\n"
               "[PICTURES]\n"
               "picture=main.bmp\n"
               "inactivepicture=\n"
               "mask=mask.bmp\n"
               "activepicturescount=2\n"
               "0=active.bmp\n"
               "1=controls.bmp\n"
               "[FORMINFO]\n"
               "clientrect=4,27,281,206\n"
               "borderwidth=3\n"
               "[POPUPWINDOW]\n"
               "windowpictureindex=1\n"
               "itemsrect=2,2,91,53\n"
               "[HINTWINDOW]\n"
               "windowpictureindex=0\n"
               "fontheight=12\n"
               "[SKINCOLORS]\n"
               "cbtnface=16641763\n"
               "cwindow=16777215\n"
               "[SKINOBJECTS]\n"
               "count=2\n"
               "0=closebutton:stdbutton\n"
               "1=caption:caption\n"
               "[closebutton]\n"
               "skinrect=1,2,3,4\n"
               "[caption]\n"
               "textrect=5,6,7,8\n"
               "[SKINCONTROLS]\n"
               "count=5\n"
               "0=button:button\n"
               "1=Panel:Panel\n"
               "2=nocolon\n"
               "3=panel:panel\n"
               "4=tool:tab:extra\n"
               "[button]\n"
               "pictureindex=1\n"
               "skinrect=458,272,500,294\n"
               "[panel]\n"
               "skinrect= -2,5,7,9\n")
        .arg(skinName);
}
