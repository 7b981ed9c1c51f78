#include "skin/data/skin_bitmap.h"

#include "skin/data/skin_package.h"

#include <QBuffer>
#include <climits>
#include <cstdlib>

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12;
constexpr quint32 kInfoHeaderSize = 40;
constexpr int kMaxDimension = 32767;
// The engine holds every picture as 32-bit pixels. A 1-bit picture of the
// largest dimensions takes 134 MB in the package (and compresses to almost
// nothing) but 4 GB once converted, so the pixel count is bounded as well.
constexpr qint64 kMaxPixels = qint64(8192) * 8192;
constexpr quint32 kUncompressed = 0;
constexpr quint32 kBitFields = 3;

quint32 ReadUInt32(const char* p)
{
    return quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16 | quint32(quint8(p[3])) << 24;
}

quint16 ReadUInt16(const char* p)
{
    return quint16(quint8(p[0]) | quint8(p[1]) << 8);
}

[[noreturn]] void Fail(const QString& what, const QString& problem)
{
    throw SkinPackageError(QStringLiteral("%1: %2").arg(what, problem).toStdString());
}

bool IsKnownBitDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}

SkinBitmapHeader ReadSkinBitmapHeader(const QByteArray& data, qsizetype offset, const QString& what)
{
    const qsizetype available = data.size() - offset;
    if (available < kFileHeaderSize)
        Fail(what, QStringLiteral("runs past the end of the package"));
    const char* file = data.constData() + offset;
    if (file[0] != 'B' || file[1] != 'M')
        Fail(what, QStringLiteral("is not a BMP picture (no \"BM\" at byte %1)").arg(offset));

    const quint32 size = ReadUInt32(file + 2);
    if (size < kFileHeaderSize + kCoreHeaderSize)
        Fail(what, QStringLiteral("has a BMP size field of %1 bytes, too small for a picture").arg(size));
    if (size > quint64(available))
        Fail(what, QStringLiteral("runs past the end of the package (%1 bytes announced, %2 left)").arg(size).arg(available));

    const quint32 pixelOffset = ReadUInt32(file + 10);
    const quint32 infoSize = ReadUInt32(file + kFileHeaderSize);
    if (infoSize != kCoreHeaderSize && (infoSize < kInfoHeaderSize || infoSize > size - kFileHeaderSize))
        Fail(what, QStringLiteral("has an unknown BMP header of %1 bytes").arg(infoSize));
    if (pixelOffset < kFileHeaderSize + infoSize || pixelOffset > size)
        Fail(what, QStringLiteral("has its pixel rows outside the picture (offset %1)").arg(pixelOffset));

    SkinBitmapHeader header;
    header.size = size;
    const char* info = file + kFileHeaderSize;
    quint32 compression = kUncompressed;
    if (infoSize == kCoreHeaderSize) {
        header.width = ReadUInt16(info + 4);
        header.height = ReadUInt16(info + 6);
        header.bitsPerPixel = ReadUInt16(info + 10);
    } else {
        header.width = static_cast<qint32>(ReadUInt32(info + 4));
        header.height = static_cast<qint32>(ReadUInt32(info + 8));
        header.bitsPerPixel = ReadUInt16(info + 14);
        compression = ReadUInt32(info + 16);
    }
    const int rows = header.height == INT_MIN ? 0 : std::abs(header.height);
    if (header.width <= 0 || header.width > kMaxDimension || rows == 0 || rows > kMaxDimension
        || qint64(header.width) * rows > kMaxPixels)
        Fail(what, QStringLiteral("has an impossible size of %1 x %2 pixels").arg(header.width).arg(header.height));
    if (!IsKnownBitDepth(header.bitsPerPixel))
        Fail(what, QStringLiteral("has an unknown pixel format of %1 bits").arg(header.bitsPerPixel));
    if (compression == kUncompressed || compression == kBitFields) {
        const qint64 stride = (qint64(header.width) * header.bitsPerPixel + 31) / 32 * 4;
        if (stride * rows > qint64(size - pixelOffset))
            Fail(what, QStringLiteral("has fewer pixel bytes than its %1 x %2 pixels need").arg(header.width).arg(rows));
    }
    return header;
}

QImage DecodeSkinBitmap(const QByteArray& data, qsizetype offset, const SkinBitmapHeader& header, const QString& what)
{
    const QByteArray file = QByteArray::fromRawData(data.constData() + offset, header.size);
    QImage image = QImage::fromData(file, "BMP");
    if (image.isNull())
        Fail(what, QStringLiteral("cannot be decoded as a BMP picture"));
    return image;
}

QByteArray EncodeSkinBitmap(const QImage& image, const QString& what)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "BMP"))
        Fail(what, QStringLiteral("cannot be written as a BMP picture"));
    return bytes;
}
