#include "skin/data/bmp_codec.h"

#include "skin/data/bgr_row.h"
#include "skin/data/skin_budgets.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_pixel_format.h"

#include <QBuffer>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <type_traits>

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12;
constexpr quint32 kInfoHeaderSize = 40;
// The info header of version 2 and later carries the bit-field masks itself.
constexpr quint32 kInfoHeaderWithMasksSize = 52;
constexpr quint32 kUncompressed = 0;
constexpr quint32 kRunLength8 = 1;
constexpr quint32 kRunLength4 = 2;
constexpr quint32 kBitFields = 3;
constexpr QRgb kOpaque = 0xff000000u;

quint32 ReadUInt32(const uchar* p)
{
    return qFromLittleEndian<quint32>(p);
}

quint16 ReadUInt16(const uchar* p)
{
    return quint16(p[0] | p[1] << 8);
}

// The opaque colour of a blue, green, red byte triple, as palettes and 24-bit
// rows store them.
QRgb ReadBgr(const uchar* p)
{
    return kOpaque | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
}

[[noreturn]] void Fail(const QString& what, const QString& problem)
{
    throw SkinPackageError(QStringLiteral("%1: %2").arg(what, problem).toStdString());
}

bool IsKnownBitDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool FitsBitDepth(quint32 compression, int bits)
{
    switch (compression) {
    case kUncompressed:
        return true;
    case kRunLength8:
        return bits == 8;
    case kRunLength4:
        return bits == 4;
    case kBitFields:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

qint64 RowStride(const BmpHeader& header)
{
    return (qint64(header.width) * header.bitsPerPixel + 31) / 32 * 4;
}

// The palette of an indexed picture, always 256 entries so that no index can
// reach past it; entries the file does not give are black.
struct Palette {
    std::array<QRgb, 256> colours;
    int count = 0;  // the entries the file gives
};

Palette ReadPalette(const uchar* file, const BmpHeader& header)
{
    Palette palette;
    palette.colours.fill(kOpaque);
    if (header.bitsPerPixel > 8)
        return palette;
    const quint32 entrySize = header.infoSize == kCoreHeaderSize ? 3 : 4;
    const quint32 start = kFileHeaderSize + header.infoSize;
    const quint32 room = header.pixelOffset > start ? (header.pixelOffset - start) / entrySize : 0;
    const quint32 wanted = header.colorsUsed != 0 ? header.colorsUsed : 1u << header.bitsPerPixel;
    palette.count = int(std::min({ wanted, room, quint32(palette.colours.size()) }));
    for (int i = 0; i < palette.count; ++i)
        palette.colours[i] = ReadBgr(file + start + i * entrySize);
    return palette;
}

// One colour channel of a bit-field pixel, scaled to 8 bits.
class Channel {
public:
    explicit Channel(quint32 mask)
        : m_mask(mask)
        , m_shift(mask ? std::countr_zero(mask) : 0)
        , m_bits(std::popcount(mask))
    {
    }

    quint32 operator()(quint32 pixel) const
    {
        const quint32 value = (pixel & m_mask) >> m_shift;
        return m_bits >= 8 ? value >> (m_bits - 8) : value << (8 - m_bits);
    }

private:
    quint32 m_mask;
    int m_shift;
    int m_bits;
};

struct BitFields {
    Channel red;
    Channel green;
    Channel blue;

    // The opaque colour of one packed 16- or 32-bit pixel.
    quint32 Colour(quint32 pixel) const { return kOpaque | red(pixel) << 16 | green(pixel) << 8 | blue(pixel); }
};

BitFields ReadBitFields(const uchar* file, const BmpHeader& header)
{
    if (header.compression != kBitFields) {
        if (header.bitsPerPixel == 16)
            return { Channel(0x7c00), Channel(0x03e0), Channel(0x001f) };
        return { Channel(0xff0000), Channel(0xff00), Channel(0xff) };
    }
    const uchar* masks = file + kFileHeaderSize + kInfoHeaderSize;
    return { Channel(ReadUInt32(masks)), Channel(ReadUInt32(masks + 4)), Channel(ReadUInt32(masks + 8)) };
}

// Pixels go out through put(x, index) for indexed pictures and as colours
// otherwise.
template<typename Out, typename IndexPut>
void DecodeRow(const uchar* in, Out* out, const BmpHeader& header, IndexPut put, const BitFields& fields)
{
    const int width = header.width;
    switch (header.bitsPerPixel) {
    case 1:
        // A byte at a time: masks are the largest 1-bit pictures, and one
        // shift per pixel of a byte read once keeps them cheap.
        for (int x = 0; x < width; x += 8) {
            const uint bits = in[x >> 3];
            if (width - x >= 8) {
#pragma GCC unroll 8
                for (int bit = 0; bit < 8; ++bit)
                    put(out, x + bit, (bits >> (7 - bit)) & 1);
            } else {
                for (int bit = 0; bit < width - x; ++bit)
                    put(out, x + bit, (bits >> (7 - bit)) & 1);
            }
        }
        break;
    case 4:
        for (int x = 0; x < width; ++x)
            put(out, x, (x & 1) ? in[x >> 1] & 0x0f : in[x >> 1] >> 4);
        break;
    case 8:
        for (int x = 0; x < width; ++x)
            put(out, x, in[x]);
        break;
    case 16:
        for (int x = 0; x < width; ++x)
            out[x] = fields.Colour(ReadUInt16(in + 2 * x));
        break;
    case 24:
        // Never indexed: only pictures of up to 8 bits keep their indexes.
        if constexpr (std::is_same_v<Out, QRgb>)
            ExpandBgrRow(in, out, width);
        break;
    case 32:
        for (int x = 0; x < width; ++x)
            out[x] = fields.Colour(ReadUInt32(in + 4 * x));
        break;
    }
}

// Run-length pixels: pairs of a count and a value, or an escape (0 then 0 for
// the end of a row, 1 for the end of the picture, 2 for a jump, any other
// count for that many literal pixels padded to a 16-bit boundary). Every step
// takes at least two bytes of input and writes at most one row, and pixels
// outside the picture are dropped, so the work follows the input's size.
template<typename Out, typename IndexPut>
void DecodeRunLength(const uchar* in, const uchar* end, QImage& image, const BmpHeader& header, IndexPut putIndex)
{
    const bool fourBits = header.compression == kRunLength4;
    const int width = header.width;
    const int rows = header.Rows();
    const bool bottomUp = header.height > 0;
    qint64 x = 0;
    qint64 y = 0;
    auto row = [&] { return reinterpret_cast<Out*>(image.scanLine(int(bottomUp ? rows - 1 - y : y))); };
    auto put = [&](qint64 count, auto indexAt) {
        if (y < rows && x < width) {
            Out* out = row();
            const qint64 stop = std::min<qint64>(width, x + count);
            for (qint64 i = 0; x + i < stop; ++i)
                putIndex(out, int(x + i), indexAt(i));
        }
        x += count;
    };
    while (end - in >= 2 && y < rows) {
        const int count = in[0];
        const uchar value = in[1];
        in += 2;
        if (count > 0) {
            put(count, [&](qint64 i) { return fourBits ? ((i & 1) ? value & 0x0f : value >> 4) : value; });
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            if (end - in < 2)
                return;
            x += in[0];
            y += in[1];
            in += 2;
        } else {
            const qint64 bytes = fourBits ? (value + 1) / 2 : value;
            const qint64 padded = (bytes + 1) & ~qint64(1);
            if (end - in < bytes)
                return;
            const uchar* literal = in;
            put(value, [&](qint64 i) { return fourBits ? ((i & 1) ? literal[i >> 1] & 0x0f : literal[i >> 1] >> 4) : literal[i]; });
            in += std::min<qint64>(padded, end - in);
        }
    }
}

}

BmpHeader ReadBmpHeader(const QByteArray& data, qsizetype offset, const QString& what)
{
    const qsizetype available = data.size() - offset;
    if (available < kFileHeaderSize)
        Fail(what, QStringLiteral("runs past the end of the package"));
    const auto* file = reinterpret_cast<const uchar*>(data.constData() + offset);
    if (file[0] != 'B' || file[1] != 'M')
        Fail(what, QStringLiteral("is not a BMP picture (no \"BM\" at byte %1)").arg(offset));

    BmpHeader header;
    const quint32 size = ReadUInt32(file + 2);
    if (size < kFileHeaderSize + kCoreHeaderSize)
        Fail(what, QStringLiteral("has a BMP size field of %1 bytes, too small for a picture").arg(size));
    if (size > quint64(available))
        Fail(what, QStringLiteral("runs past the end of the package (%1 bytes announced, %2 left)").arg(size).arg(available));
    header.size = size;

    header.pixelOffset = ReadUInt32(file + 10);
    header.infoSize = ReadUInt32(file + kFileHeaderSize);
    if (header.infoSize != kCoreHeaderSize && (header.infoSize < kInfoHeaderSize || header.infoSize > size - kFileHeaderSize))
        Fail(what, QStringLiteral("has an unknown BMP header of %1 bytes").arg(header.infoSize));
    if (header.pixelOffset < kFileHeaderSize + header.infoSize || header.pixelOffset > size)
        Fail(what, QStringLiteral("has its pixel rows outside the picture (offset %1)").arg(header.pixelOffset));

    const uchar* info = file + kFileHeaderSize;
    if (header.infoSize == kCoreHeaderSize) {
        header.width = ReadUInt16(info + 4);
        header.height = ReadUInt16(info + 6);
        header.bitsPerPixel = ReadUInt16(info + 10);
    } else {
        header.width = static_cast<qint32>(ReadUInt32(info + 4));
        header.height = static_cast<qint32>(ReadUInt32(info + 8));
        header.bitsPerPixel = ReadUInt16(info + 14);
        header.compression = ReadUInt32(info + 16);
        header.colorsUsed = ReadUInt32(info + 32);
    }
    // One picture of more pixels than a whole skin may have is as impossible
    // as one of negative width.
    if (header.width <= 0 || header.width > kMaxSkinPictureSide || header.height == 0 || header.height == INT_MIN
        || header.Rows() > kMaxSkinPictureSide || header.Pixels() > kMaxSkinPixels)
        Fail(what, QStringLiteral("has an impossible size of %1 x %2 pixels").arg(header.width).arg(header.height));
    if (!IsKnownBitDepth(header.bitsPerPixel))
        Fail(what, QStringLiteral("has an unknown pixel format of %1 bits").arg(header.bitsPerPixel));
    if (!FitsBitDepth(header.compression, header.bitsPerPixel))
        Fail(what, QStringLiteral("cannot be decoded: compression %1 does not fit %2 bits per pixel").arg(header.compression).arg(header.bitsPerPixel));
    if (header.compression == kBitFields && header.infoSize < kInfoHeaderWithMasksSize
        && header.pixelOffset < kFileHeaderSize + kInfoHeaderSize + 12)
        Fail(what, QStringLiteral("has no room for its colour masks"));
    if (header.compression == kUncompressed || header.compression == kBitFields) {
        if (RowStride(header) * header.Rows() > qint64(size - header.pixelOffset))
            Fail(what, QStringLiteral("has fewer pixel bytes than its %1 x %2 pixels need").arg(header.width).arg(header.Rows()));
    }
    return header;
}

QImage DecodeBmp(const QByteArray& data, qsizetype offset, const BmpHeader& header, const QString& what, BmpPixels pixels)
{
    const bool indexed = pixels == BmpPixels::AsStored && header.bitsPerPixel <= 8;
    const bool mono = indexed && header.bitsPerPixel == 1 && header.compression == kUncompressed;
    const QImage::Format format = mono ? QImage::Format_Mono : indexed ? QImage::Format_Indexed8 : kSkinBitmapFormat;
    QImage image(header.width, header.Rows(), format);
    if (image.isNull())
        Fail(what, QStringLiteral("needs more memory than there is for its %1 x %2 pixels").arg(header.width).arg(header.Rows()));
    const auto* file = reinterpret_cast<const uchar*>(data.constData() + offset);
    const Palette palette = ReadPalette(file, header);
    if (indexed)
        image.setColorTable(QList<QRgb>(palette.colours.begin(), palette.colours.begin() + palette.count));
    // 1- and 8-bit rows are stored as QImage holds them, padding included,
    // so that writing them back gives the same bytes.
    const bool rawRows = (mono || header.bitsPerPixel == 8) && indexed && header.compression == kUncompressed;
    if (indexed && !rawRows)
        image.fill(0);

    const uchar* rows = file + header.pixelOffset;
    const qint64 stride = RowStride(header);
    const auto colour = [&palette](QRgb* out, int x, int index) { out[x] = palette.colours[index]; };
    const auto index = [](uchar* out, int x, int value) { out[x] = uchar(value); };
    if (header.compression == kRunLength8 || header.compression == kRunLength4) {
        const uchar* end = file + header.size;
        // Pixels no run reaches stay black, or index 0.
        if (!indexed)
            image.fill(kOpaque);
        if (indexed)
            DecodeRunLength<uchar>(rows, end, image, header, index);
        else
            DecodeRunLength<QRgb>(rows, end, image, header, colour);
        return image;
    }
    const BitFields fields = ReadBitFields(file, header);
    const int height = header.Rows();
    // The image is new and not shared: its rows are taken from one pointer
    // rather than through scanLine(), which checks for sharing every time.
    uchar* const firstRow = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    for (int y = 0; y < height; ++y) {
        const uchar* in = rows + (header.height > 0 ? height - 1 - y : y) * stride;
        uchar* const row = firstRow + y * bytesPerLine;
        if (rawRows)
            std::copy_n(in, std::min<qint64>(stride, bytesPerLine), row);
        else if (indexed)
            DecodeRow(in, row, header, index, fields);
        else
            DecodeRow(in, reinterpret_cast<QRgb*>(row), header, colour, fields);
    }
    return image;
}

QByteArray EncodeBmp(const QImage& image, const QString& what)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "BMP"))
        Fail(what, QStringLiteral("cannot be written as a BMP picture"));
    return bytes;
}
