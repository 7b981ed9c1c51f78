#include "fuzz/small_skin_seed.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/data_skin_object.h"
#include "skin/data/loaded_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skins/built_in_skins.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QRgb> Colours(const QImage& picture)
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    }
    return colours;
}

qsizetype DifferentPixels(const QImage& a, const QImage& b)
{
    qsizetype count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}

} // namespace

// A seed must reach what the skin reaches: the same definitions, and
// pictures of the same size with a face wherever the skin has one. Pictures
// of 256 colours or fewer stay pixel for pixel; of a picture with more, all
// but its rarest colours do.
TEST(SmallSkinSeed, KeepsTheDefinitionsAndThePicturesInAFraction)
{
    for (const QString& name : BuiltInSkinNames()) {
        const QByteArray package = DecompressSkinPackage(BuiltInSkinCompressedData(name));
        const QByteArray seed = SmallSkinSeed(package, 4096);
        EXPECT_LT(seed.size(), package.size() / 5) << name.toStdString();
        const SkinPackage skin = ReadSkinPackage(package);
        const SkinPackage small = ReadSkinPackage(seed);
        EXPECT_EQ(small.definitionText, skin.definitionText);
        ASSERT_EQ(small.activePictures.size(), skin.activePictures.size());
        QList<std::pair<QImage, QImage>> pairs { { skin.picture, small.picture }, { skin.mask, small.mask } };
        for (int i = 0; i < skin.activePictures.size(); ++i)
            pairs.append({ skin.activePictures[i], small.activePictures[i] });
        for (const auto& [before, after] : pairs) {
            ASSERT_EQ(after.size(), before.size());
            const qsizetype pixels = qsizetype(before.width()) * before.height();
            if (Colours(before).size() <= 256)
                EXPECT_EQ(DifferentPixels(before, after), 0);
            else
                EXPECT_LT(DifferentPixels(before, after), pixels / 100);
        }
    }
    // The small pictures keep their form: the hint window's 24 bits.
    const QByteArray light = DecompressSkinPackage(BuiltInSkinCompressedData(QStringLiteral("light")));
    QSet<int> depths;
    for (const SkinPackageBitmap& bitmap : ListSkinPackageBitmaps(SmallSkinSeed(light, 4096)))
        depths.insert(bitmap.present ? bitmap.bitsPerPixel : 0);
    EXPECT_TRUE(depths.contains(24) && depths.contains(8) && depths.contains(1));
}

// 256 colours used twice each and a rare one close to the eleventh: the
// palette holds the frequent ones, and the rare one takes its neighbour's.
TEST(SmallSkinSeed, APaletteOf256KeepsTheFrequentColoursAndMapsTheRareToTheNearest)
{
    QImage picture(2 * 256 + 1, 1, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i) {
        picture.setPixel(2 * i, 0, qRgb(i, 0, 0));
        picture.setPixel(2 * i + 1, 0, qRgb(i, 0, 0));
    }
    picture.setPixel(512, 0, qRgb(10, 0, 3));
    const QImage indexed = WithPaletteOf256(picture);
    ASSERT_EQ(indexed.format(), QImage::Format_Indexed8);
    for (int x = 0; x < 512; ++x)
        EXPECT_EQ(indexed.pixel(x, 0), picture.pixel(x, 0)) << x;
    EXPECT_EQ(indexed.pixel(512, 0), qRgb(10, 0, 0));
}

// Corpus inputs are shrunk like seeds, and a mutated package may hold no
// active pictures at all: only the pictures it has are touched.
TEST(SmallSkinSeed, APackageWithoutActivePicturesShrinksItsMainPicture)
{
    SkinPackage package;
    package.picture = QImage(64, 64, QImage::Format_RGB32);
    package.picture.fill(qRgb(10, 20, 30));
    package.definitionText = "[VERSION]\r\n";
    const SkinPackage small = ReadSkinPackage(SmallSkinSeed(WriteSkinPackage(package), 4096));
    EXPECT_TRUE(small.activePictures.isEmpty());
    EXPECT_EQ(small.definitionText, package.definitionText);
    EXPECT_EQ(small.picture.format(), QImage::Format_Indexed8);
    EXPECT_EQ(small.picture.pixel(63, 63), qRgb(10, 20, 30));
}

// The effects seed is the small seed with its frame's morphs, its inactive
// effect and an animation switched on: every object the skin left without a
// morph morphs, the kinds taken in turn; the pictures stay byte for byte.
TEST(SmallSkinSeed, TheEffectsSeedSwitchesOnMorphsTheInactiveEffectAndAnAnimation)
{
    for (const QString& name : BuiltInSkinNames()) {
        const QByteArray seed = SmallSkinSeed(DecompressSkinPackage(BuiltInSkinCompressedData(name)), 4096);
        const QByteArray effects = WithFrameEffects(seed);
        const qsizetype pictures = seed.size() - ReadSkinPackage(seed).definitionText.size();
        EXPECT_EQ(effects.left(pictures), seed.left(pictures));

        TbsCompressedStoredSkin plainStored;
        plainStored.SetCompressedData(CompressSkinPackage(seed));
        TbsSkinData plain;
        plain.SetCompressedStoredSkin(&plainStored);
        TbsCompressedStoredSkin stored;
        stored.SetCompressedData(CompressSkinPackage(effects));
        TbsSkinData data;
        data.SetCompressedStoredSkin(&stored);
        const TbsLoadedSkin& skin = *data.Skin();
        EXPECT_FALSE(plain.Skin()->formInfo.autoRenderingInactiveImage);
        EXPECT_TRUE(skin.formInfo.autoRenderingInactiveImage) << name.toStdString();

        const auto& before = plain.Skin()->objectDefinitions;
        ASSERT_EQ(skin.objectDefinitions.size(), before.size() + 1) << name.toStdString();
        QSet<int> kinds;
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(skin.objectDefinitions[i]->IDName(), before[i]->IDName());
            EXPECT_TRUE(skin.objectDefinitions[i]->morphing || before[i]->TypeName() == QLatin1String("userobject"))
                << before[i]->IDName().toStdString();
            kinds.insert(int(skin.objectDefinitions[i]->morphKind));
        }
        EXPECT_GE(kinds.size(), 5);
        const auto* animation = dynamic_cast<const TbsDataSkinAnimate*>(skin.objectDefinitions.back().get());
        ASSERT_NE(animation, nullptr);
        EXPECT_EQ(animation->countFrames, 3);
        EXPECT_TRUE(animation->buttonStyle);
    }
}
