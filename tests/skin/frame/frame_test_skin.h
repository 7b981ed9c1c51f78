#pragma once

#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "tests/skin/data/test_skin_package.h"

#include <QImage>
#include <QString>
#include <memory>

// Skins with a frame, built inside the tests so that a failing check can name
// the pixel of the picture it came from.
namespace frame_test {

// Every pixel of the frame picture tells its position: red x, green y.
inline QImage PositionPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 77));
    return image;
}

// A 1-bit style mask: black inside, white outside; the outside pixels given.
inline QImage Mask(int width, int height, const QList<QPoint>& outside)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    for (const QPoint& point : outside)
        image.setPixel(point, qRgb(255, 255, 255));
    return image;
}

// The caption button faces of the tests, side by side in active picture 0:
// normal, mouse over, pressed, inactive, disabled, then the restore faces.
constexpr QRgb kNormalFace = qRgb(200, 0, 0) & 0xFFFFFF;
constexpr QRgb kHoverFace = qRgb(0, 200, 0) & 0xFFFFFF;
constexpr QRgb kDownFace = qRgb(0, 0, 200) & 0xFFFFFF;
constexpr QRgb kInactiveFace = qRgb(90, 90, 90) & 0xFFFFFF;
constexpr QRgb kDisabledFace = qRgb(160, 160, 160) & 0xFFFFFF;
constexpr QRgb kRestoreFace = qRgb(200, 200, 0) & 0xFFFFFF;
constexpr QRgb kRestoreHoverFace = qRgb(0, 200, 200) & 0xFFFFFF;

inline QImage ButtonFaces()
{
    QImage image(7 * 21, 21, QImage::Format_RGB32);
    const QRgb faces[] = { kNormalFace, kHoverFace, kDownFace, kInactiveFace, kDisabledFace, kRestoreFace,
        kRestoreHoverFace };
    for (int i = 0; i < 7; ++i)
        for (int y = 0; y < 21; ++y)
            for (int x = 0; x < 21; ++x)
                image.setPixel(i * 21 + x, y, faces[i]);
    return image;
}

inline QString StdButton(const QString& name, const QString& command)
{
    return QStringLiteral("[%1]\nactivepictureindex=0\nskinrectinapicture=1\nskinrect=0,0,21,21\n"
                          "activeskinrect=21,0,42,21\ndownrect=42,0,63,21\ninactiveskinrect=63,0,84,21\n"
                          "disableskinrsect=84,0,105,21\ncommand=%2\nrestorerect=105,0,126,21\n"
                          "restoreactiverect=126,0,147,21\n")
        .arg(name, command);
}

// The geometry of Lumeno's first stored skin: a 285 x 210 frame picture with
// a client of 4,27,281,206, three caption buttons of 21 x 21 and a caption.
inline QString StoredGeometryDefinition(const QString& extraFormInfo = QString())
{
    return QStringLiteral("[VERSION]\nskinname=frame test\n"
                          "[PICTURES]\npicture=frame.bmp\ninactivepicture=\nmask=mask.bmp\n"
                          "activepicturescount=1\n0=buttons.bmp\n"
                          "[FORMINFO]\nlefttoppoint=9,29\nrighttoppoint=274,30\nleftbottompoint=8,200\n"
                          "rightbottompoint=274,200\nclientrect=4,27,281,206\nmaskrectarea=4,3,282,206\n"
                          "hittestlefttoppoint=7,6\nhittestrighttoppoint=279,8\nhittestleftbottompoint=9,202\n"
                          "hittestrightbottompoint=276,203\ncaptionrect=3,5,282,24\nbuttonsoffset=2\n"
                          "borderwidth=3\nformminwidth=200\n")
        + extraFormInfo
        + QStringLiteral("[SKINOBJECTS]\ncount=7\n0=closebutton:stdbutton\n1=maxbutton:stdbutton\n"
                         "2=minbutton:stdbutton\n3=rollupbutton:stdbutton\n4=sysmenubutton:stdbutton\n"
                         "5=traybutton:stdbutton\n6=caption:caption\n")
        + StdButton(QStringLiteral("closebutton"), QStringLiteral("cmclose"))
        + StdButton(QStringLiteral("maxbutton"), QStringLiteral("cmmaximize"))
        + StdButton(QStringLiteral("minbutton"), QStringLiteral("cmminimize"))
        + StdButton(QStringLiteral("rollupbutton"), QStringLiteral("cmrollup"))
        + StdButton(QStringLiteral("sysmenubutton"), QStringLiteral("cmsysmenu"))
        + StdButton(QStringLiteral("traybutton"), QStringLiteral("cmminimizetotray"))
        + QStringLiteral("[caption]\nskinrect=5,4,280,24\ntextrect=4,2,274,20\nfontname=Arial\nfontheight=16\n"
                         "fontstyle=fsbold\nfontcolor=16111036\nactivefontcolor=11168318\n"
                         "alignment=taleftjustify\n[SKINCONTROLS]\ncount=0\n");
}

// Loads a skin package into a fresh skin data component.
inline std::unique_ptr<TbsSkinData> LoadSkin(const SkinPackage& package)
{
    auto skinData = std::make_unique<TbsSkinData>();
    const auto stored = StoredSkinFromPackageBytes(WriteSkinPackage(package));
    skinData->LoadCompressedStoredSkin(*stored);
    return skinData;
}

// The stored skin's geometry with a picture that tells positions and a mask
// whose top corners are cut.
inline SkinPackage StoredGeometryPackage(const QString& extraFormInfo = QString())
{
    SkinPackage package;
    package.picture = PositionPicture(285, 210);
    package.mask = Mask(285, 210, { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 284, 0 }, { 283, 0 }, { 284, 1 } });
    package.activePictures = { ButtonFaces() };
    package.definitionText = StoredGeometryDefinition(extraFormInfo).replace("\n", "\r\n").toLatin1();
    return package;
}

} // namespace frame_test
