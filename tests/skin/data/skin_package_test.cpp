#include "skin/data/skin_compression.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_package_builder.h"
#include "skin/data/skin_text_codec.h"
#include "tests/support/test_skin_folder.h"

#include <QBuffer>
#include <QtEndian>
#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

QByteArray Int32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray Bmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

template <typename Call>
std::string MessageOf(Call call)
{
    try {
        call();
    } catch (const SkinPackageError& error) {
        return error.what();
    }
    return "no error";
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

}

TEST(SkinPackage, FolderRoundTripKeepsPicturesBitDepthsAndText)
{
    QTemporaryDir dir;
    const SkinPackage built = BuildSkinPackage(test_skin::Write(dir));
    const QByteArray compressed = CompressSkinPackage(WriteSkinPackage(built));
    ASSERT_GE(compressed.size(), 2);
    EXPECT_EQ(quint8(compressed[0]), 0x78);
    EXPECT_EQ(quint8(compressed[1]), 0xDA);

    const QByteArray decompressed = DecompressSkinPackage(compressed);
    const SkinPackage read = ReadSkinPackage(decompressed);
    EXPECT_EQ(read.version, 3);
    EXPECT_TRUE(test_skin::SamePixels(read.picture, test_skin::Frame()));
    EXPECT_TRUE(read.inactivePicture.isNull());
    EXPECT_TRUE(test_skin::SamePixels(read.mask, test_skin::Mask()));
    ASSERT_EQ(read.activePictures.size(), 2);
    EXPECT_TRUE(test_skin::SamePixels(read.activePictures[0], test_skin::Controls()));
    EXPECT_TRUE(test_skin::SamePixels(read.activePictures[1], test_skin::HintMask()));
    EXPECT_EQ(read.definitionText, test_skin::PackedDefinition());

    // Field by field the package ends exactly where the text does.
    const QList<SkinPackageBitmap> bitmaps = ListSkinPackageBitmaps(decompressed);
    ASSERT_EQ(bitmaps.size(), 5);
    EXPECT_EQ(bitmaps[0].offset, 5);
    EXPECT_EQ(bitmaps[0].bitsPerPixel, 24);
    EXPECT_FALSE(bitmaps[1].present);
    EXPECT_EQ(bitmaps[2].offset, bitmaps[0].offset + bitmaps[0].size + 2);
    EXPECT_EQ(bitmaps[2].bitsPerPixel, 8);
    EXPECT_EQ(bitmaps[3].offset, bitmaps[2].offset + bitmaps[2].size + 4);
    EXPECT_EQ(bitmaps[3].bitsPerPixel, 4);
    EXPECT_EQ(bitmaps[4].bitsPerPixel, 1);
    EXPECT_EQ(bitmaps[4].slot, "active 1");
    EXPECT_EQ(bitmaps[4].width, 10);
    EXPECT_EQ(bitmaps[4].height, 3);
    EXPECT_EQ(bitmaps[4].offset + bitmaps[4].size + read.definitionText.size(), decompressed.size());

    // Writing what was read gives the same bytes again.
    EXPECT_EQ(WriteSkinPackage(read), decompressed);
}

TEST(SkinPackage, VersionsUpToThreeAreReadAndNewerOnesRefused)
{
    const QByteArray picture = Bmp(test_skin::Frame());
    const QByteArray extra = Bmp(test_skin::ColourPicture(2, 2));
    const QByteArray tail = Int32(1) + picture + "[VERSION]\r\n";
    for (const int version : { 0, 1, 3 }) {
        const SkinPackage package = ReadSkinPackage(Int32(version) + '\0' + picture + '\1' + '\1' + tail);
        EXPECT_EQ(package.version, version);
        EXPECT_TRUE(test_skin::SamePixels(package.picture, test_skin::Frame()));
        ASSERT_EQ(package.activePictures.size(), 1);
        EXPECT_EQ(package.definitionText, "[VERSION]\r\n");
    }

    // Version 2 has two more slots, read and dropped.
    const QByteArray version2 = Int32(2) + '\1' + '\1' + '\1' + '\0' + extra + '\1' + tail;
    const SkinPackage package = ReadSkinPackage(version2);
    EXPECT_TRUE(package.picture.isNull());
    ASSERT_EQ(package.activePictures.size(), 1);
    EXPECT_TRUE(test_skin::SamePixels(package.activePictures[0], test_skin::Frame()));
    EXPECT_EQ(package.definitionText, "[VERSION]\r\n");
    EXPECT_EQ(ListSkinPackageBitmaps(version2).size(), 6);

    try {
        ReadSkinPackage(Int32(4) + '\1' + '\1' + '\1' + Int32(0));
        FAIL() << "version 4 was read";
    } catch (const UnsupportedSkinVersionError& error) {
        EXPECT_EQ(error.Version(), 4);
    }
}

TEST(SkinPackage, EveryFlagButZeroMeansAnEmptySlot)
{
    const QByteArray mask = Bmp(test_skin::Mask());
    for (const char flag : { '\1', '\2', '\xFF' }) {
        const SkinPackage package = ReadSkinPackage(Int32(3) + flag + flag + '\0' + mask + Int32(0) + "text");
        EXPECT_TRUE(package.picture.isNull());
        EXPECT_TRUE(package.inactivePicture.isNull());
        EXPECT_TRUE(test_skin::SamePixels(package.mask, test_skin::Mask()));
        EXPECT_TRUE(package.activePictures.isEmpty());
        EXPECT_EQ(package.definitionText, "text");
    }
    // The writer marks an empty slot with 1.
    EXPECT_EQ(WriteSkinPackage(SkinPackage {}), Int32(3) + '\1' + '\1' + '\1' + Int32(0));
}

TEST(SkinPackage, MalformedPicturesAndCountsAreClearErrors)
{
    const QByteArray picture = Bmp(test_skin::Frame());
    const QByteArray head = Int32(3) + '\1' + '\1' + '\1';
    const auto readActive = [&](const QByteArray& bitmap) {
        return MessageOf([&] { ReadSkinPackage(head + Int32(1) + bitmap); });
    };

    EXPECT_TRUE(Contains(readActive(picture.left(picture.size() - 1)), "runs past the end"));
    QByteArray notBmp = picture;
    notBmp[0] = 'X';
    EXPECT_TRUE(Contains(readActive(notBmp), "no \"BM\""));
    QByteArray tooSmall = picture;
    qToLittleEndian<quint32>(10, tooSmall.data() + 2);
    EXPECT_TRUE(Contains(readActive(tooSmall), "too small"));
    QByteArray tooLarge = picture;
    qToLittleEndian<quint32>(0xFFFFFFF0u, tooLarge.data() + 2);
    EXPECT_TRUE(Contains(readActive(tooLarge), "runs past the end"));
    QByteArray hugeWidth = picture;
    qToLittleEndian<qint32>(1 << 30, hugeWidth.data() + 18);
    EXPECT_TRUE(Contains(readActive(hugeWidth), "impossible size"));
    // Bytes enough for a 1-bit picture whose 32-bit copy would take 256 MB and more.
    QImage wideMono(32767, 2049, QImage::Format_Mono);
    wideMono.fill(0);
    EXPECT_TRUE(Contains(readActive(Bmp(wideMono)), "impossible size"));
    QByteArray shortRows = picture;
    qToLittleEndian<qint32>(500, shortRows.data() + 22);
    EXPECT_TRUE(Contains(readActive(shortRows), "fewer pixel bytes"));
    QByteArray badDepth = picture;
    qToLittleEndian<quint16>(7, badDepth.data() + 28);
    EXPECT_TRUE(Contains(readActive(badDepth), "unknown pixel format"));
    QByteArray badRle = picture;
    qToLittleEndian<quint32>(1, badRle.data() + 30);  // RLE8 on a 24-bit picture
    EXPECT_TRUE(Contains(readActive(badRle), "cannot be decoded"));

    EXPECT_TRUE(Contains(MessageOf([&] { ReadSkinPackage(head + Int32(-1)); }), "negative active picture count"));
    EXPECT_TRUE(Contains(MessageOf([&] { ReadSkinPackage(head + Int32(0x7FFFFFFF) + picture); }), "announces"));
    EXPECT_TRUE(Contains(MessageOf([&] { ReadSkinPackage(head + Int32(2) + picture); }), "active 1"));
    EXPECT_TRUE(Contains(MessageOf([&] { ReadSkinPackage(head + "\1\0"); }), "active picture count"));
    EXPECT_TRUE(Contains(MessageOf([&] { ReadSkinPackage(Int32(3) + '\1'); }), "inactivepicture slot"));
    EXPECT_TRUE(Contains(MessageOf([&] { ReadSkinPackage("\3\0"); }), "version"));
    EXPECT_TRUE(Contains(MessageOf([&] { WriteSkinPackage(SkinPackage { 3, {}, {}, {}, { QImage() }, {} }); }), "active 0"));
}

TEST(SkinPackageBuilder, NeedsTheFiveSectionsAndEveryPicture)
{
    QTemporaryDir dir;
    const QString path = test_skin::Write(dir, QByteArray(test_skin::Definition()).replace("[FORMINFO]", "[FORMINF0]"));
    EXPECT_TRUE(Contains(MessageOf([&] { BuildSkinPackage(path); }), "[FORMINFO]"));

    test_skin::Write(dir);
    QFile::remove(QDir(dir.path()).filePath("hintmask.bmp"));
    EXPECT_TRUE(Contains(MessageOf([&] { BuildSkinPackage(path); }), "hintmask.bmp"));
    EXPECT_TRUE(Contains(MessageOf([&] { BuildSkinPackage(dir.filePath("none.ini")); }), "none.ini"));
}

TEST(SkinTextCodec, DecodesCodePage936AndSplitsLinesAtAnyBreak)
{
    ASSERT_TRUE(SkinTextCodecAvailable());
    const QByteArray bytes("\xC4\xE3\xBA\xC3=\xCE\xC4\xD5\xC2");
    EXPECT_EQ(DecodeSkinText(bytes), QString::fromUtf8("你好=文章"));
    EXPECT_EQ(EncodeSkinText(DecodeSkinText(bytes)), bytes);
    // ASCII lines skip the decoder; the whole text still reads as one decoding
    // would read it, a line break after a cut character and a lone CR included.
    const QByteArray mixed("[s]\r\n\xC4\xE3=\xBA\xC3\r\nkey=value\n\xC4\n\x81\x30\x81\x30 x\rtail\xCE");
    EXPECT_EQ(DecodeSkinText(mixed), QStringDecoder("GB18030").decode(mixed));
    // Every two-byte code, a line for each lead byte.
    QByteArray everyCode;
    for (int lead = 0x81; lead <= 0xfe; ++lead) {
        for (int trail = 0x40; trail <= 0xfe; ++trail) {
            if (trail != 0x7f)
                everyCode.append(char(lead)).append(char(trail));
        }
        everyCode.append("\r\n");
    }
    EXPECT_EQ(DecodeSkinText(everyCode), QStringDecoder("GB18030").decode(everyCode));

    EXPECT_EQ(SplitSkinTextLines("a\r\nb\rc\nd"), (QList<QByteArray> { "a", "b", "c", "d" }));
    EXPECT_EQ(SplitSkinTextLines("a\r\n\r\n"), (QList<QByteArray> { "a", "" }));
    EXPECT_TRUE(SplitSkinTextLines("").isEmpty());
    EXPECT_EQ(JoinSkinTextLines({ "a", "", "b" }), "a\r\n\r\nb\r\n");
}
