#include "fuzz/definition_text_mutator.h"
#include "fuzz/skin_picture_mutator.h"
#include "skin/data/form_info.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_text_codec.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// The default skin's [FORMINFO] and [PICTURES], as a skin writes them.
QByteArray DefaultFrameText()
{
    QFile file(QDir::cleanPath(QStringLiteral(LUMENO_TEST_DATA_DIR "/../../../skins/default/skin.ini")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const TbsIniFile skin = TbsIniFile::FromText(DecodeSkinText(file.readAll()));
    TbsIniFile frame;
    for (const QString section : { QStringLiteral("FORMINFO"), QStringLiteral("PICTURES") }) {
        for (const QString& key : skin.Keys(section))
            frame.WriteString(section, key, skin.ReadString(section, key));
    }
    return EncodeSkinText(frame.ToText());
}

// The keys of one section whose value differs from before, or that are new.
QSet<QString> ChangedKeys(const TbsIniFile& before, const TbsIniFile& after, const QString& section)
{
    QSet<QString> changed;
    for (const QString& key : after.Keys(section)) {
        if (before.Value(section, key) != after.Value(section, key))
            changed.insert(key.toLower());
    }
    return changed;
}

}

// Over many seeds the text mutations set every key the window's frame
// definition reads, also those the skin leaves out, and with values the
// reader does not simply skip: each changed value still holds a number.
TEST(DefinitionTextMutator, ReachesEveryKeyTheFrameDefinitionReads)
{
    const QByteArray text = DefaultFrameText();
    const TbsIniFile original = TbsIniFile::FromText(DecodeSkinText(text));
    const QString section = QStringLiteral("FORMINFO");
    TbsIniFile written;
    TbsFormInfo().WriteToIni(written);
    const QStringList wanted = written.Keys(section);
    ASSERT_GT(wanted.size(), 20);
    int missingInSkin = 0;
    for (const QString& key : wanted)
        missingInSkin += original.ValueExists(section, key) ? 0 : 1;
    ASSERT_GT(missingInSkin, 0);

    QSet<QString> reached;
    FuzzRandom random(7);
    for (int i = 0; i < 1500; ++i) {
        const QByteArray mutated = MutateDefinitionText(text, { QSize(160, 120) }, random);
        reached += ChangedKeys(original, TbsIniFile::FromText(DecodeSkinText(mutated)), section);
        // A few lines change at most; the rest of the text stays as it was.
        ASSERT_LT(std::abs(SplitSkinTextLines(mutated).size() - SplitSkinTextLines(text).size()), 4);
    }
    for (const QString& key : wanted)
        EXPECT_TRUE(reached.contains(key.toLower())) << key.toStdString();
}

// The run-length form written for an 8-bit picture decodes to the same
// pixels, so the picture reader's run-length path sees valid pictures too.
TEST(SkinPictureMutator, RunLengthFormDecodesToTheSamePicture)
{
    QImage picture(37, 5, QImage::Format_Indexed8);
    // More than 16 colours, or the picture is written with 4 bits a pixel.
    QList<QRgb> colors;
    for (int i = 0; i < 20; ++i)
        colors.append(qRgb(i * 12, 255 - i * 12, i * 5));
    picture.setColorTable(colors);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, x < 30 ? y : x % 20);
    }
    SkinPackage package;
    package.activePictures = { picture };
    package.definitionText = "[VERSION]\r\n";
    const QByteArray written = WriteSkinPackage(package);
    const SkinPackageBitmap bitmap = ListSkinPackageBitmaps(written).last();
    ASSERT_EQ(bitmap.bitsPerPixel, 8);

    int runLengthPackages = 0;
    for (unsigned seed = 0; seed < 200; ++seed) {
        QByteArray mutated = written;
        std::minstd_rand random(seed);
        MutatePackageBitmapBytes(mutated, random);
        if (qFromLittleEndian<quint32>(mutated.constData() + bitmap.offset + 30) != 1 || mutated.size() == written.size())
            continue;
        ++runLengthPackages;
        const SkinPackage read = ReadSkinPackage(mutated, BmpPixels::Engine);
        ASSERT_EQ(read.activePictures.size(), 1);
        const QImage expected = ReadSkinPackage(written, BmpPixels::Engine).activePictures.first();
        EXPECT_EQ(read.activePictures.first(), expected);
        EXPECT_EQ(read.definitionText, package.definitionText);
    }
    EXPECT_GT(runLengthPackages, 0);
}
