#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

// A small skin folder written by a test: a 24-bit frame picture, an 8-bit
// mask, and active pictures of 4 and 1 bits per pixel, each with pixels that
// tell their positions apart.
namespace test_skin {

inline QImage ColourPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 30, y * 40, (x + y) * 10));
    return image;
}

inline QImage IndexedPicture(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb(i, 255 - i, (i * 7) % 256));
    image.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x * 3 + y * 5) % colours);
    return image;
}

inline QImage MonoPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x + y) % 2);
    return image;
}

// Code page 936 bytes of the skin name, so the text is known to pass as bytes.
inline QByteArray SkinName() { return QByteArray("\xC4\xAC\xC8\xCF Lumeno"); }

inline QByteArray Definition()
{
    return QByteArray("[VERSION]\n"
                      "skinname=") + SkinName() + "\r\n"
        "skinauthor=Lumeno\r"
        "\r\n"
        "[PICTURES]\r\n"
        "picture=frame.bmp\r\n"
        "mask=Mask.BMP\r\n"
        "activepicturescount=2\r\n"
        "0=controls.bmp\r\n"
        "1=hintmask.bmp\r\n"
        "[FORMINFO]\r\n"
        "buttonsrect=1,2,3,4\r\n"
        "[SKINOBJECTS]\r\n"
        "count=1\r\n"
        "0=closebutton:stdbutton\r\n"
        "[SKINCONTROLS]\r\n"
        "count=2\r\n"
        "0=button:button\r\n"
        "1=panel:panel";
}

// The definition as a package carries it: every line ended with CR LF.
inline QByteArray PackedDefinition()
{
    return QByteArray("[VERSION]\r\nskinname=") + SkinName() + "\r\n"
        "skinauthor=Lumeno\r\n\r\n[PICTURES]\r\npicture=frame.bmp\r\nmask=Mask.BMP\r\n"
        "activepicturescount=2\r\n0=controls.bmp\r\n1=hintmask.bmp\r\n[FORMINFO]\r\n"
        "buttonsrect=1,2,3,4\r\n[SKINOBJECTS]\r\ncount=1\r\n0=closebutton:stdbutton\r\n"
        "[SKINCONTROLS]\r\ncount=2\r\n0=button:button\r\n1=panel:panel\r\n";
}

inline QImage Frame() { return ColourPicture(7, 5); }
inline QImage Mask() { return IndexedPicture(7, 5, 256); }
inline QImage Controls() { return IndexedPicture(9, 4, 16); }
inline QImage HintMask() { return MonoPicture(10, 3); }

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes the folder and returns the path of its skin.ini.
inline QString Write(const QTemporaryDir& dir, const QByteArray& definition = Definition())
{
    const QDir folder(dir.path());
    WriteFile(folder.filePath("skin.ini"), definition);
    Frame().save(folder.filePath("frame.bmp"), "BMP");
    // Written in lower case while the definition says "Mask.BMP".
    Mask().save(folder.filePath("mask.bmp"), "BMP");
    Controls().save(folder.filePath("controls.bmp"), "BMP");
    HintMask().save(folder.filePath("hintmask.bmp"), "BMP");
    return folder.filePath("skin.ini");
}

// Pictures compared pixel by pixel in one format.
inline bool SamePixels(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

}
