#include "skin/draw/system_colors.h"
#include "skin/data/skin_data.h"
#include "skin/frame/client_background.h"
#include "tests/skin/data/test_skin_package.h"

#include <gtest/gtest.h>

namespace {

// A frame picture whose every pixel has its own colour, so a pixel of the
// background names the picture pixel it came from.
QImage NumberedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(10 * x, 10 * y, 7));
    }
    return picture;
}

std::unique_ptr<TbsSkinData> LoadedSkin(const QString& formInfo)
{
    SkinPackage package;
    package.picture = NumberedPicture(8, 6);
    package.activePictures = { SolidPicture(3, 3, qRgb(1, 2, 3)) };
    package.definitionText = QStringLiteral("[FORMINFO]\r\n%1\r\n").arg(formInfo).toLatin1();
    auto stored = StoredSkinFromPackageBytes(WriteSkinPackage(package));
    auto skinData = std::make_unique<TbsSkinData>();
    skinData->LoadCompressedStoredSkin(*stored);
    return skinData;
}

TEST(ClientBackground, RepeatsTheClientPartOfTheFramePictureFromTheTopLeft)
{
    const auto skin = LoadedSkin(QStringLiteral("clientrect=2,1,4,3"));
    const QImage background = ClientBackground(skin.get(), QSize(5, 3));
    ASSERT_EQ(background.size(), QSize(5, 3));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(background.pixel(x, y), qRgb(10 * (2 + x % 2), 10 * (1 + y % 2), 7)) << "pixel " << x << "," << y;
    }
}

TEST(ClientBackground, PrefersTheSkinsBackgroundPictureAndStretchesItWhenAsked)
{
    const auto tiled = LoadedSkin(QStringLiteral("clientrect=2,1,4,3\r\nbgpictureindex=0"));
    EXPECT_EQ(ClientBackground(tiled.get(), QSize(7, 7)).pixel(6, 6), qRgb(1, 2, 3));

    // A two-pixel piece stretched over four columns: each picture pixel
    // covers two of them, where repeating would alternate.
    const auto stretched = LoadedSkin(QStringLiteral("clientrect=0,0,2,1\r\nstretcheffect=1\r\nstretchtype=stfull"));
    const QImage background = ClientBackground(stretched.get(), QSize(4, 4));
    EXPECT_EQ(background.pixel(1, 3), qRgb(0, 0, 7));
    EXPECT_EQ(background.pixel(2, 0), qRgb(10, 0, 7));
}

// A paint that shows part of the client area composes that part alone: it
// has the pixels of the whole at its place, whether the piece repeats from
// the top-left, is stretched over the whole or is missing; an area reaching
// past the client is cut to it.
TEST(ClientBackground, APartHasThePixelsOfTheWholeAtItsPlace)
{
    const QSize size(9, 7);
    const auto tiled = LoadedSkin(QStringLiteral("clientrect=2,1,5,3"));
    const auto stretched = LoadedSkin(QStringLiteral("clientrect=0,0,3,2\r\nstretcheffect=1\r\nstretchtype=stfull"));
    for (const TbsSkinData* skin : std::initializer_list<const TbsSkinData*> { tiled.get(), stretched.get(), nullptr }) {
        const QImage whole = ClientBackground(skin, size);
        for (const QRect& area : { QRect(4, 3, 4, 3), QRect(0, 0, 1, 1), QRect(5, 2, 10, 10) }) {
            const QRect shown = area.intersected(QRect(QPoint(), size));
            EXPECT_EQ(ClientBackground(skin, size, area), whole.copy(shown))
                << (skin == tiled.get() ? "repeated" : skin ? "stretched" : "no skin") << " part at " << area.x() << ","
                << area.y();
        }
    }
}

TEST(ClientBackground, FallsBackToTheButtonFace)
{
    const QRgb buttonFace = SkinColorToQColor(clBtnFace).rgb();
    EXPECT_EQ(ClientBackground(nullptr, QSize(3, 2)).pixel(2, 1), buttonFace);

    const auto noClient = LoadedSkin(QStringLiteral("clientrect=0,0,0,0"));
    EXPECT_EQ(ClientBackground(noClient.get(), QSize(3, 2)).pixel(0, 0), buttonFace);

    const auto missingPicture = LoadedSkin(QStringLiteral("clientrect=2,1,4,3\r\nbgpictureindex=5"));
    EXPECT_EQ(ClientBackground(missingPicture.get(), QSize(3, 2)).pixel(1, 1), buttonFace);

    TbsSkinData empty;
    EXPECT_EQ(ClientBackground(&empty, QSize(3, 2)).pixel(1, 1), buttonFace);
}

} // namespace
