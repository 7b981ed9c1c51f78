#include "skin/data/compressed_skin_list.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_package.h"
#include "tests/support/test_skin_folder.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray Int32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

}

TEST(CompressedStoredSkin, BuildsFromASkinFileAndUnpacksToThePackage)
{
    QTemporaryDir dir;
    TbsCompressedStoredSkin skin;
    EXPECT_TRUE(skin.IsEmpty());
    skin.LoadFromSkinFile(test_skin::Write(dir));
    ASSERT_FALSE(skin.IsEmpty());
    EXPECT_EQ(quint8(skin.CompressedData()[0]), 0x78);

    QByteArray package;
    QBuffer destination(&package);
    destination.open(QIODevice::WriteOnly);
    skin.Unpack(destination);
    const SkinPackage read = ReadSkinPackage(package);
    EXPECT_EQ(read.activePictures.size(), 2);
    EXPECT_EQ(read.definitionText, test_skin::PackedDefinition());

    // A failed build keeps what was stored.
    const QByteArray before = skin.CompressedData();
    QFile::remove(QDir(dir.path()).filePath("frame.bmp"));
    EXPECT_THROW(skin.LoadFromSkinFile(dir.filePath("skin.ini")), SkinPackageError);
    EXPECT_EQ(skin.CompressedData(), before);
}

TEST(CompressedStoredSkin, FramedRoundTripAndCompressedFiles)
{
    TbsCompressedStoredSkin skin;
    skin.SetCompressedData(CompressSkinPackage("package bytes"));
    QByteArray framed("junk before");
    QBuffer stream(&framed);
    stream.open(QIODevice::ReadWrite);
    stream.seek(0);
    skin.WriteFramed(stream);
    EXPECT_EQ(framed.left(8), Int32(3) + Int32(skin.CompressedData().size()));

    TbsCompressedStoredSkin copy;
    stream.seek(5);
    copy.ReadFramed(stream);
    EXPECT_EQ(copy.CompressedData(), skin.CompressedData());

    QTemporaryDir dir;
    const QString path = dir.filePath("skin.skn");
    ASSERT_TRUE(test_skin::WriteFile(path, framed));
    TbsCompressedStoredSkin fromFile;
    fromFile.LoadFromCompressedFile(path);
    EXPECT_EQ(fromFile.CompressedData(), skin.CompressedData());

    // A newer version leaves the stored data empty, and says so.
    ASSERT_TRUE(test_skin::WriteFile(path, Int32(4) + Int32(2) + "xx"));
    try {
        fromFile.LoadFromCompressedFile(path);
        FAIL() << "version 4 was read";
    } catch (const UnsupportedSkinVersionError& error) {
        EXPECT_EQ(error.Version(), 4);
    }
    EXPECT_TRUE(fromFile.IsEmpty());
}

TEST(CompressedStoredSkin, RejectsBadFrames)
{
    const auto readFramed = [](const QByteArray& bytes) {
        QByteArray data = bytes;
        QBuffer stream(&data);
        stream.open(QIODevice::ReadOnly);
        TbsCompressedStoredSkin skin;
        skin.SetCompressedData("old");
        EXPECT_THROW(skin.ReadFramed(stream), SkinPackageError);
        return skin.IsEmpty();
    };
    EXPECT_TRUE(readFramed(Int32(3) + Int32(-1)));
    EXPECT_TRUE(readFramed(Int32(3) + Int32(100) + "short"));
    EXPECT_TRUE(readFramed(Int32(3)));
    EXPECT_TRUE(readFramed("\3"));

    TbsCompressedStoredSkin skin;
    EXPECT_THROW(skin.LoadFromCompressedFile("/nonexistent/skin.skn"), SkinPackageError);
}

TEST(CompressedSkinList, ItemsAreNamedAfterTheirIndexAndOwnTheirSkins)
{
    TbsCompressedSkinList list;
    TbsSkinListItem& first = list.Skins().Add();
    TbsSkinListItem& second = list.Skins().Add();
    EXPECT_EQ(first.Name(), "bsSkin0");
    EXPECT_EQ(second.Name(), "bsSkin1");
    EXPECT_EQ(list.Skins().Count(), 2);

    second.SetDescription("blue");
    second.StoredSkin().SetCompressedData(CompressSkinPackage("two"));
    QByteArray framed;
    QBuffer stream(&framed);
    stream.open(QIODevice::ReadWrite);
    second.WriteSkin(stream);
    first.ReadSkin(stream);
    EXPECT_EQ(first.StoredSkin().CompressedData(), second.StoredSkin().CompressedData());
    EXPECT_EQ(list.Skins().Item(1).Description(), "blue");

    list.Skins().Delete(0);
    EXPECT_EQ(list.Skins().Count(), 1);
    EXPECT_EQ(list.Skins().Add().Name(), "bsSkin1");
}
