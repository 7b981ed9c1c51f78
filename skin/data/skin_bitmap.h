#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// One BMP file inside a skin package. Its "BM" size field says where the next
// field of the package begins, so it is checked against the bytes that are
// really there before anything is decoded.

struct SkinBitmapHeader {
    qsizetype size = 0;  // total size of the BMP file in bytes
    int width = 0;
    int height = 0;  // rows; negative in the file for top-down pictures
    int bitsPerPixel = 0;
};

// Checks the BMP file that begins at offset of data. what names the picture in
// the messages of the SkinPackageError it throws.
SkinBitmapHeader ReadSkinBitmapHeader(const QByteArray& data, qsizetype offset, const QString& what);
QImage DecodeSkinBitmap(const QByteArray& data, qsizetype offset, const SkinBitmapHeader& header, const QString& what);

// A complete BMP file: 24 bits per pixel for colour pictures, 1 bit for
// monochrome ones, 4 or 8 bits for indexed ones (by their colour count).
QByteArray EncodeSkinBitmap(const QImage& image, const QString& what);
