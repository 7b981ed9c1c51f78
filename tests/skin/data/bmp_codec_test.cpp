#include "skin/data/bmp_codec.h"

#include "skin/data/skin_package.h"
#include "skin/data/skin_pixel_format.h"
#include "tests/support/test_skin_folder.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

void PutUInt32(QByteArray& bytes, qsizetype at, quint32 value) { qToLittleEndian(value, bytes.data() + at); }
void PutUInt16(QByteArray& bytes, qsizetype at, quint16 value) { qToLittleEndian(value, bytes.data() + at); }

// A BMP file with a 40-byte info header, written field by field so that the
// formats Qt's writer never produces (run lengths, bit fields, top-down rows)
// can be tried.
QByteArray BmpFile(int width, int height, int bits, quint32 compression, const QList<QRgb>& palette,
    const QByteArray& pixels, const QByteArray& masks = {})
{
    const qsizetype headers = 14 + 40 + masks.size() + 4 * palette.size();
    QByteArray file(headers, '\0');
    file[0] = 'B';
    file[1] = 'M';
    PutUInt32(file, 2, quint32(headers + pixels.size()));
    PutUInt32(file, 10, quint32(headers));
    PutUInt32(file, 14, 40);
    PutUInt32(file, 18, quint32(width));
    PutUInt32(file, 22, quint32(height));
    PutUInt16(file, 26, 1);
    PutUInt16(file, 28, quint16(bits));
    PutUInt32(file, 30, compression);
    PutUInt32(file, 34, quint32(pixels.size()));
    PutUInt32(file, 46, quint32(palette.size()));
    file.replace(54, masks.size(), masks);
    for (qsizetype i = 0; i < palette.size(); ++i)
        PutUInt32(file, 54 + masks.size() + 4 * i, palette[i] & 0xffffff);
    return file + pixels;
}

QByteArray QtBmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The first pixel where our decoding differs from Qt's own BMP reader.
std::string FirstDifference(const QByteArray& file)
{
    const QImage ours = DecodeBmp(file, 0, ReadBmpHeader(file, 0, "test"), "test");
    const QImage qt = QImage::fromData(file, "BMP").convertToFormat(kSkinBitmapFormat);
    if (ours.format() != kSkinBitmapFormat)
        return "not in the engine's format";
    if (ours.size() != qt.size())
        return "size differs";
    for (int y = 0; y < qt.height(); ++y) {
        for (int x = 0; x < qt.width(); ++x) {
            if (ours.pixel(x, y) != qt.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(ours.pixel(x, y), 8, 16)
                    .arg(qt.pixel(x, y), 8, 16)
                    .toStdString();
        }
    }
    return "same";
}

QImage Gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 37 % 256, y * 53 % 256, (x * y) % 256));
    }
    return image;
}

} // namespace

// Every picture decodes to the pixels Qt's own reader gives, straight in the
// engine's format.
TEST(BmpCodec, DecodesEveryFormatLikeQt)
{
    const QList<QRgb> colours { qRgb(10, 20, 30), qRgb(200, 100, 50), qRgb(0, 255, 0), qRgb(255, 255, 255) };
    // Wide enough for rows taken four pixels at a time and remainders of both kinds.
    EXPECT_EQ(FirstDifference(QtBmp(Gradient(41, 7))), "same") << "24 bits";
    EXPECT_EQ(FirstDifference(QtBmp(test_skin::Frame())), "same") << "the test frame";
    // Rows of 1-bit pixels are taken a byte at a time: widths below, at and
    // past whole bytes.
    for (const int width : { 1, 7, 8, 16, 19, 33 }) {
        QImage mono(width, 5, QImage::Format_Mono);
        mono.setColorTable({ qRgb(1, 2, 3), qRgb(250, 240, 230) });
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x)
                mono.setPixel(x, y, (x + y) % 3 == 0);
        EXPECT_EQ(FirstDifference(QtBmp(mono)), "same") << "1 bit, " << width << " pixels wide";
    }
    EXPECT_EQ(FirstDifference(QtBmp(Gradient(9, 6).convertToFormat(QImage::Format_Indexed8))), "same") << "8 bits";

    // 4 bits, 3 x 2: rows bottom-up, each padded to 4 bytes.
    EXPECT_EQ(FirstDifference(BmpFile(3, 2, 4, 0, colours, QByteArray::fromHex("01200000" "32100000"))), "same") << "4 bits";
    // The same rows top-down.
    EXPECT_EQ(FirstDifference(BmpFile(3, -2, 4, 0, colours, QByteArray::fromHex("01200000" "32100000"))), "same") << "top-down";
    // 16 bits, 5-6-5 bit fields, 2 x 1.
    EXPECT_EQ(FirstDifference(BmpFile(2, 1, 16, 3, {}, QByteArray::fromHex("1ff8e007"), QByteArray::fromHex("00f80000e00700001f000000"))), "same") << "16 bits";
    // 32 bits without bit fields, 2 x 1.
    EXPECT_EQ(FirstDifference(BmpFile(2, 1, 32, 0, {}, QByteArray::fromHex("10203000" "a0b0c0ff"))), "same") << "32 bits";

    // Run lengths on a 6 x 3 picture: runs, literals padded to 16 bits, the
    // end of a row, a run cut at the right edge, the end of the picture.
    const QByteArray rle8 = QByteArray::fromHex("0201" "000302030100" "0100" "0000" "0803" "0000" "000401020300" "0201" "0001");
    EXPECT_EQ(FirstDifference(BmpFile(6, 3, 8, 1, colours, rle8)), "same") << "RLE8";
    const QByteArray rle4 = QByteArray::fromHex("0312" "00031230" "0000" "0723" "0000" "0601" "0001");
    EXPECT_EQ(FirstDifference(BmpFile(6, 3, 4, 2, colours, rle4)), "same") << "RLE4";
}

// Hostile run lengths: jumps and runs far outside the picture, escapes cut
// short, a picture with no pixel bytes at all. Nothing may be written outside
// the picture (the sanitizer build checks) and the work follows the input.
TEST(BmpCodec, RunLengthsOutsideThePictureAreDropped)
{
    const QList<QRgb> colours { qRgb(9, 9, 9), qRgb(200, 100, 50) };
    for (const char* pixels : { "", "00", "0002", "0002ff", "0002ffff" "ff01" "ff01", "ff01" "0000" "ff01" "0000" "ff01" "0000" "ff01",
             "0002" "0000" "0201", "00ff01", "0004" "0101" }) {
        const QByteArray file = BmpFile(4, 2, 8, 1, colours, QByteArray::fromHex(pixels));
        const QImage image = DecodeBmp(file, 0, ReadBmpHeader(file, 0, "test"), "test");
        ASSERT_EQ(image.size(), QSize(4, 2)) << pixels;
    }
    const QByteArray firstRowOnly = BmpFile(4, 2, 8, 1, colours, QByteArray::fromHex("0901"));
    const QImage image = DecodeBmp(firstRowOnly, 0, ReadBmpHeader(firstRowOnly, 0, "test"), "test");
    EXPECT_EQ(image.pixel(3, 1), qRgb(200, 100, 50)) << "the bottom row is the first in the file";
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)) << "pixels no run reaches are black";
}
