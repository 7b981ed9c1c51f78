#include "bmp_writer.h"

#include <QtEndian>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPixelsPerMetre = 3780; // 96 pixels per inch

void Append16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void Append32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray Headers(const QImage& image, int bitsPerPixel, int paletteSize, int rowBytes)
{
    const quint32 pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * paletteSize;
    const quint32 pixelBytes = static_cast<quint32>(rowBytes * image.height());
    QByteArray out;
    out.append("BM");
    Append32(out, pixelOffset + pixelBytes);
    Append16(out, 0);
    Append16(out, 0);
    Append32(out, pixelOffset);
    Append32(out, kInfoHeaderSize);
    Append32(out, static_cast<quint32>(image.width()));
    Append32(out, static_cast<quint32>(image.height())); // positive: rows bottom-up
    Append16(out, 1);
    Append16(out, static_cast<quint16>(bitsPerPixel));
    Append32(out, 0); // no compression
    Append32(out, pixelBytes);
    Append32(out, kPixelsPerMetre);
    Append32(out, kPixelsPerMetre);
    Append32(out, static_cast<quint32>(paletteSize));
    Append32(out, static_cast<quint32>(paletteSize));
    return out;
}

int PaddedRowBytes(int bits) { return ((bits + 31) / 32) * 4; }

} // namespace

QByteArray EncodeBmp24(const QImage& image)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = PaddedRowBytes(24 * source.width());
    QByteArray out = Headers(source, 24, 0, rowBytes);
    for (int y = source.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            row[3 * x] = static_cast<char>(qBlue(pixel));
            row[3 * x + 1] = static_cast<char>(qGreen(pixel));
            row[3 * x + 2] = static_cast<char>(qRed(pixel));
        }
        out.append(row);
    }
    return out;
}

QByteArray EncodeBmpMask(const QImage& mask)
{
    const QImage source = mask.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = PaddedRowBytes(source.width());
    QByteArray out = Headers(source, 1, 2, rowBytes);
    Append32(out, 0x00000000); // index 0: black, inside
    Append32(out, 0x00FFFFFF); // index 1: white, outside
    for (int y = source.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < source.width(); ++x) {
            if (qGray(source.pixel(x, y)) >= 128)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}
