#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/draw/system_colors.h"
#include "skin/hints/skin_hint.h"
#include "skin/hints/skin_hint_window.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// A 12 x 10 hint picture whose every pixel tells its place, points that cut
// it into 4-pixel-wide and 2-pixel-high middle bands, the client piece
// (3, 3)-(9, 7), red text, and a mask that leaves the four corner pixels
// out.
class HintSkin {
public:
    static constexpr QSize kPicture { 12, 10 };

    static QRgb PicturePixel(int x, int y) { return qRgb(20 + x * 16, 20 + y * 20, 100); }

    HintSkin()
    {
        const QString folder = m_folder.path();
        QImage picture(kPicture, QImage::Format_RGB32);
        for (int y = 0; y < kPicture.height(); ++y)
            for (int x = 0; x < kPicture.width(); ++x)
                picture.setPixel(x, y, PicturePixel(x, y));
        picture.save(folder + "/hint.bmp", "BMP");
        QImage mask(kPicture, QImage::Format_RGB32);
        mask.fill(Qt::black);
        for (const QPoint corner : { QPoint(0, 0), QPoint(11, 0), QPoint(0, 9), QPoint(11, 9) })
            mask.setPixel(corner, qRgb(255, 255, 255));
        mask.save(folder + "/hintmask.bmp", "BMP");
        QFile ini(folder + "/skin.ini");
        if (ini.open(QIODevice::WriteOnly)) {
            ini.write("[VERSION]\nskinname=hints\n"
                      "[PICTURES]\npicture=\ninactivepicture=\nmask=\nactivepicturescount=2\n0=hint.bmp\n1=hintmask.bmp\n"
                      "[FORMINFO]\nborderwidth=4\n"
                      "[HINTWINDOW]\nwindowpictureindex=0\nmaskpictureindex=1\nlefttoppoint=4,4\nrighttoppoint=8,4\n"
                      "leftbottompoint=4,6\nrightbottompoint=8,6\nclientrect=3,3,9,7\nfontname=Arial\nfontheight=12\n"
                      "fontcolor=255\n"
                      "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n");
        }
        ini.close();
        m_stored.LoadFromSkinFile(ini.fileName());
        m_data.LoadCompressedStoredSkin(m_stored);
    }

    TbsSkinData* Data() { return &m_data; }

private:
    QTemporaryDir m_folder;
    TbsCompressedStoredSkin m_stored;
    TbsSkinData m_data;
};

QImage WindowPixels(const TbsSkinHint& hint)
{
    return hint.HintWindow()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// One pixel of the window against the picture pixel it must come from.
void ExpectFromPicture(const QImage& window, QPoint at, QPoint from, const char* part)
{
    EXPECT_EQ(window.pixel(at) & 0xFFFFFF, HintSkin::PicturePixel(from.x(), from.y()) & 0xFFFFFF)
        << "window pixel (" << at.x() << ", " << at.y() << ") of the " << part << " should be picture pixel ("
        << from.x() << ", " << from.y() << ")";
}

} // namespace

TEST(SkinHint, TheWindowIsComposedFromTheSkinsHintPictureAndShapedByItsMask)
{
    HintSkin skin;
    TbsSkinHint hint;
    hint.SetSkinData(skin.Data());
    hint.ActivateHint(QPoint(100, 100), QStringLiteral("Hint 42 and more"));
    ASSERT_TRUE(hint.HintVisible());
    const QImage window = WindowPixels(hint);
    const int w = window.width();
    const int h = window.height();
    ASSERT_GT(w, 40) << "the window grows with its text";
    ASSERT_GT(h, HintSkin::kPicture.height());

    ExpectFromPicture(window, { 1, 1 }, { 1, 1 }, "left-top corner");
    ExpectFromPicture(window, { w - 2, 1 }, { 10, 1 }, "right-top corner");
    ExpectFromPicture(window, { 1, h - 2 }, { 1, 8 }, "left-bottom corner");
    ExpectFromPicture(window, { w - 2, h - 2 }, { 10, 8 }, "right-bottom corner");
    // The middle bands repeat from the left-top point: 4 wide, 2 high.
    for (const int x : { 4, 9, 14, 19 })
        ExpectFromPicture(window, { x, 0 }, { 4 + (x - 4) % 4, 0 }, "top band");
    for (const int x : { 5, 10, 15 })
        ExpectFromPicture(window, { x, h - 1 }, { 4 + (x - 4) % 4, 9 }, "bottom band");
    for (const int y : { 4, 5, 7 })
        ExpectFromPicture(window, { 0, y }, { 0, 4 + (y - 4) % 2 }, "left band");
    // The client piece repeats from the client's corner; its first columns
    // are padding, never text.
    for (const int y : { 3, 4, 6, 8 })
        ExpectFromPicture(window, { 3, y }, { 3, 3 + (y - 3) % 4 }, "client padding");

    int redPixels = 0;
    for (int y = 3; y < h - 3; ++y)
        for (int x = 5; x < w - 5; ++x)
            redPixels += qRed(window.pixel(x, y)) > 200 && qGreen(window.pixel(x, y)) < 90;
    EXPECT_GT(redPixels, 10) << "the text in the skin's font colour";

    const QRegion shape = hint.HintWindow()->mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(w - 1, 0)));
    EXPECT_FALSE(shape.contains(QPoint(w - 1, h - 1)));
    EXPECT_TRUE(shape.contains(QPoint(1, 0)));
    EXPECT_TRUE(shape.contains(QPoint(w / 2, h / 2)));
}

TEST(SkinHint, WithoutASkinHintWindowItIsAPlainTooltipThatNeverTakesTheFocus)
{
    QWidget owner;
    auto* edit = new QLineEdit(&owner);
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    edit->setFocus();
    TbsSkinData emptySkin;
    TbsSkinHint hint;
    hint.SetSkinData(&emptySkin);
    hint.ActivateHint(QPoint(10, 10), QStringLiteral("plain"));

    const QImage window = WindowPixels(hint);
    EXPECT_EQ(window.pixel(0, 0) & 0xFFFFFF, SkinColorToRgb(clInfoText) & 0xFFFFFF) << "the border";
    EXPECT_EQ(window.pixel(2, 1) & 0xFFFFFF, SkinColorToRgb(clInfoBk) & 0xFFFFFF) << "the background";
    EXPECT_TRUE(hint.HintWindow()->mask().isEmpty());
    EXPECT_TRUE(hint.HintWindow()->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_EQ(QApplication::activeWindow(), &owner);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(hint.HintSize(QStringLiteral("plain")), hint.HintWindow()->size());
}

TEST(SkinHint, ShowsTheTooltipsOfItsWindowInPlaceOfThePlatformsUntilAKeyIsPressed)
{
    HintSkin skin;
    QWidget owner;
    auto* labelled = new QLineEdit(&owner);
    labelled->setToolTip(QStringLiteral("keyword"));
    auto* inner = new QWidget(labelled);
    inner->resize(5, 5);
    QWidget stranger;
    stranger.setToolTip(QStringLiteral("not mine"));
    owner.show();
    stranger.show();
    TbsSkinHint hint(&owner);
    hint.SetSkinData(skin.Data());

    const QPoint at = labelled->mapToGlobal(QPoint(2, 2));
    QHelpEvent onChild(QEvent::ToolTip, QPoint(2, 2), at);
    QApplication::sendEvent(inner, &onChild);
    EXPECT_EQ(hint.HintText(), QStringLiteral("keyword")) << "the nearest ancestor's tooltip";
    EXPECT_EQ(hint.HintWindow()->pos(), at + TbsSkinHint::kCursorOffset);
    EXPECT_FALSE(QToolTip::isVisible());

    QTest::keyClick(labelled, Qt::Key_A);
    EXPECT_FALSE(hint.HintVisible());

    QHelpEvent onStranger(QEvent::ToolTip, QPoint(1, 1), stranger.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&stranger, &onStranger);
    EXPECT_FALSE(hint.HintVisible()) << "another window's tooltip is not this hint's";
    QToolTip::hideText();

    hint.SetActive(false);
    QApplication::sendEvent(inner, &onChild);
    EXPECT_FALSE(hint.HintVisible());
    QToolTip::hideText();
}
