#include "app/window/folder_icon.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void WritePicture(const QTemporaryDir& folder, int size, QRgb colour)
{
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("icon-%1.png").arg(size))));
}

QRgb CentreOf(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

} // namespace

// Each picture is one size of the icon, read as it stands when the icon is
// first used rather than when it was made; a size in between is drawn from
// the next larger picture.
TEST(FolderIconTest, OffersEachPictureAsASizeReadAtFirstUse)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    WritePicture(folder, 16, qRgb(200, 0, 0));
    WritePicture(folder, 32, qRgb(0, 0, 200));
    const QIcon icon = FolderIcon(folder.path());
    ASSERT_FALSE(icon.isNull());

    WritePicture(folder, 16, qRgb(0, 150, 0));
    EXPECT_EQ(icon.availableSizes(), (QList<QSize> { QSize(16, 16), QSize(32, 32) }));
    const QPixmap small = icon.pixmap(QSize(16, 16), 1.0);
    EXPECT_EQ(small.size(), QSize(16, 16));
    EXPECT_EQ(CentreOf(small), qRgb(0, 150, 0)) << "the 16-pixel picture was read before the icon was used";
    const QPixmap between = icon.pixmap(QSize(24, 24), 1.0);
    EXPECT_EQ(between.size(), QSize(24, 24));
    EXPECT_EQ(CentreOf(between), qRgb(0, 0, 200));

    // Copies share the pictures read.
    const QIcon copy = icon;
    EXPECT_EQ(CentreOf(copy.pixmap(QSize(32, 32), 1.0)), qRgb(0, 0, 200));
}

TEST(FolderIconTest, EmptyOrMissingFolderGivesANullIcon)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_TRUE(FolderIcon(folder.path()).isNull());
    EXPECT_TRUE(FolderIcon(folder.filePath(QStringLiteral("missing"))).isNull());
}
