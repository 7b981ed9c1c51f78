#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The BMP files inside a skin package. A file's "BM" size field says where the
// next field of the package begins, so the header is checked against the bytes
// that are really there before anything is decoded, and decoding writes the
// pixels straight into the engine's format (skin_pixel_format.h).

struct BmpHeader {
    qsizetype size = 0;  // total size of the BMP file in bytes
    int width = 0;
    int height = 0;  // rows; negative in the file for top-down pictures
    int bitsPerPixel = 0;
    quint32 infoSize = 0;  // 12 for the old core header, 40 or more otherwise
    quint32 compression = 0;
    quint32 pixelOffset = 0;  // of the pixel rows, from the "BM"
    quint32 colorsUsed = 0;

    int Rows() const { return height < 0 ? -height : height; }
    qint64 Pixels() const { return qint64(width) * Rows(); }
};

// Checks the BMP file that begins at offset of data. what names the picture in
// the messages of the SkinPackageError it throws.
BmpHeader ReadBmpHeader(const QByteArray& data, qsizetype offset, const QString& what);

enum class BmpPixels {
    Engine,    // the engine's format, for drawing
    AsStored,  // indexed pictures keep their palette, so they write back the same
};

// Decodes the BMP file at offset, whose header ReadBmpHeader returned. Throws
// SkinPackageError when the memory for the pixels cannot be had.
QImage DecodeBmp(const QByteArray& data, qsizetype offset, const BmpHeader& header, const QString& what,
    BmpPixels pixels = BmpPixels::Engine);

// A complete BMP file: 24 bits per pixel for colour pictures, 1 bit for
// monochrome ones, 4 or 8 bits for indexed ones (by their colour count).
QByteArray EncodeBmp(const QImage& image, const QString& what);
