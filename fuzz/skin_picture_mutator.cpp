#include "fuzz/skin_picture_mutator.h"

#include "fuzz/fuzz_numbers.h"

#include <QtEndian>

namespace {

// Where the fields lie in a BMP file with the 40-byte (or longer) info header.
constexpr qsizetype kSizeField = 2;
constexpr qsizetype kPixelOffsetField = 10;
constexpr qsizetype kInfoSizeField = 14;
constexpr qsizetype kWidthField = 18;
constexpr qsizetype kHeightField = 22;
constexpr qsizetype kBitsField = 28;
constexpr qsizetype kCompressionField = 30;
constexpr qsizetype kImageSizeField = 34;
constexpr qsizetype kColorsUsedField = 46;
constexpr qsizetype kInfoHeaderEnd = 54;
constexpr quint32 kRunLength8 = 1;

QImage* PickPicture(SkinPackage& package, std::minstd_rand& random)
{
    QList<QImage*> pictures;
    for (QImage* slot : { &package.picture, &package.inactivePicture, &package.mask }) {
        if (!slot->isNull())
            pictures.append(slot);
    }
    for (QImage& active : package.activePictures)
        pictures.append(&active);
    return pictures.isEmpty() ? nullptr : pictures[random() % pictures.size()];
}

quint32 Field32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

void SetField32(QByteArray& bytes, qsizetype at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// An 8-bit picture's rows as RLE8 runs of up to 255 equal bytes.
QByteArray RunLength8Rows(const QByteArray& bmp, qsizetype pixelOffset, int width, int rows)
{
    const qsizetype stride = (qsizetype(width) + 3) & ~qsizetype(3);
    QByteArray runs;
    for (int row = 0; row < rows; ++row) {
        const char* pixels = bmp.constData() + pixelOffset + row * stride;
        for (int x = 0; x < width;) {
            int count = 1;
            while (x + count < width && count < 255 && pixels[x + count] == pixels[x])
                ++count;
            runs.append(char(count)).append(pixels[x]);
            x += count;
        }
        runs.append('\0').append('\0');
    }
    return runs.append('\0').append('\1');
}

// The BMP at offset stored again in the run-length form, when it is an
// uncompressed 8-bit picture whose rows are all there.
void StoreRunLength8(QByteArray& package, const SkinPackageBitmap& bitmap)
{
    const qsizetype at = bitmap.offset;
    const qsizetype pixelOffset = Field32(package, at + kPixelOffsetField);
    const qsizetype stride = (qsizetype(bitmap.width) + 3) & ~qsizetype(3);
    const int rows = std::abs(bitmap.height);
    if (bitmap.bitsPerPixel != 8 || Field32(package, at + kCompressionField) != 0 || bitmap.height <= 0
        || pixelOffset + stride * rows > bitmap.size)
        return;
    const QByteArray bmp = package.mid(at, bitmap.size);
    QByteArray encoded = bmp.first(pixelOffset) + RunLength8Rows(bmp, pixelOffset, bitmap.width, rows);
    SetField32(encoded, kSizeField, quint32(encoded.size()));
    SetField32(encoded, kCompressionField, kRunLength8);
    SetField32(encoded, kImageSizeField, quint32(encoded.size() - pixelOffset));
    package.replace(at, bitmap.size, encoded);
}

quint32 OneOf(std::initializer_list<quint32> values, std::minstd_rand& random)
{
    return values.begin()[random() % values.size()];
}

void MutateHeaderField(QByteArray& package, const SkinPackageBitmap& bitmap, std::minstd_rand& random)
{
    const qsizetype at = bitmap.offset;
    const QList<QSize> sizes { QSize(bitmap.width, std::abs(bitmap.height)) };
    switch (random() % 8) {
    case 0: SetField32(package, at + kWidthField, quint32(InterestingNumber(bitmap.width, sizes, random))); break;
    case 1: SetField32(package, at + kHeightField, quint32(InterestingNumber(bitmap.height, sizes, random))); break;
    case 2: qToLittleEndian(quint16(OneOf({ 0, 1, 2, 4, 8, 16, 24, 32, 64 }, random)), package.data() + at + kBitsField); break;
    case 3: SetField32(package, at + kCompressionField, OneOf({ 0, 1, 2, 3, 4, 5, 6 }, random)); break;
    case 4: SetField32(package, at + kColorsUsedField, OneOf({ 0, 1, 2, 15, 16, 17, 255, 256, 257, 65536, 0xFFFFFFFF }, random)); break;
    case 5: SetField32(package, at + kInfoSizeField, OneOf({ 0, 12, 16, 40, 52, 56, 64, 108, 124, 0xFFFF }, random)); break;
    case 6: SetField32(package, at + kPixelOffsetField, quint32(InterestingNumber(Field32(package, at + kPixelOffsetField), {}, random))); break;
    default: SetField32(package, at + kSizeField, quint32(InterestingNumber(bitmap.size, {}, random))); break;
    }
}

}

void MutatePackagePicture(SkinPackage& package, std::minstd_rand& random)
{
    QImage* picture = PickPicture(package, random);
    switch (random() % 6) {
    case 0:
        if (picture) {
            const int width = 1 + random() % picture->width();
            const int height = 1 + random() % picture->height();
            *picture = picture->copy(random() % (picture->width() - width + 1), random() % (picture->height() - height + 1), width, height);
        }
        break;
    case 1:
        if (picture)
            *picture = picture->convertToFormat(random() % 2 ? QImage::Format_Indexed8 : QImage::Format_Mono);
        break;
    case 2:
        if (picture)
            *picture = QImage();
        break;
    case 3:
        if (picture)
            package.activePictures.append(*picture);
        break;
    case 4:
        if (!package.activePictures.isEmpty())
            package.activePictures.removeAt(random() % package.activePictures.size());
        break;
    default:
        if (picture && !package.activePictures.isEmpty())
            std::swap(*picture, package.activePictures[random() % package.activePictures.size()]);
        break;
    }
}

void MutatePackageBitmapBytes(QByteArray& package, std::minstd_rand& random)
{
    QList<SkinPackageBitmap> bitmaps;
    try {
        bitmaps = ListSkinPackageBitmaps(package);
    } catch (const SkinPackageError&) {
        return;
    }
    bitmaps.removeIf([](const SkinPackageBitmap& bitmap) { return !bitmap.present || bitmap.size < kInfoHeaderEnd; });
    if (bitmaps.isEmpty())
        return;
    const SkinPackageBitmap& bitmap = bitmaps[random() % bitmaps.size()];
    switch (random() % 3) {
    case 0:
        StoreRunLength8(package, bitmap);
        break;
    case 1: {
        const qsizetype rows = bitmap.size - kInfoHeaderEnd;
        for (int i = 1 + random() % 8; i > 0 && rows > 0; --i)
            package[bitmap.offset + kInfoHeaderEnd + random() % rows] = char(random());
        break;
    }
    default:
        MutateHeaderField(package, bitmap, random);
        break;
    }
}

void StoreRunLength8Pictures(QByteArray& package)
{
    const QList<SkinPackageBitmap> bitmaps = ListSkinPackageBitmaps(package);
    // From the last to the first, so that the offsets still to come stay
    // where they were.
    for (auto bitmap = bitmaps.crbegin(); bitmap != bitmaps.crend(); ++bitmap) {
        if (bitmap->present && bitmap->size >= kInfoHeaderEnd)
            StoreRunLength8(package, *bitmap);
    }
}
