#include "face_pixels.h"
#include "synthetic_skin.h"

#include "skin/controls/scroll_bar.h"
#include "skin/draw/system_colors.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Face of the vertical bar: the down button on top, the repeated track, the
// up button at the bottom.
const QRgb kDownFace = Rgb(200, 0, 0);
const QRgb kTrackFace = Rgb(230, 230, 230);
const QRgb kUpFace = Rgb(0, 0, 200);
const QRgb kActiveUp = Rgb(0, 180, 0);
const QRgb kPressedUp = Rgb(0, 90, 0);
const QRgb kActiveDown = Rgb(180, 180, 0);
// The thumb's two fixed ends and its repeated middle, in three looks.
const QRgb kThumbEnd1 = Rgb(10, 10, 10);
const QRgb kThumbMiddle = Rgb(60, 60, 60);
const QRgb kThumbEnd2 = Rgb(110, 110, 110);
const QRgb kActiveThumb = Rgb(255, 128, 0);
const QRgb kPressedThumb = Rgb(128, 0, 255);
const QRgb kGlyph = Rgb(0, 255, 255);
const QRgb kKey = Rgb(255, 0, 255);
// Horizontal faces, plain and with the corner where two bars meet.
const QRgb kHorizontalFace = Rgb(100, 150, 200);
const QRgb kCornerSquare = Rgb(40, 80, 40);

void Fill(QPainter& painter, int left, int top, int right, int bottom, QRgb rgb)
{
    painter.fillRect(QRect(left, top, right - left, bottom - top), QColor::fromRgb(rgb));
}

QImage MakePicture()
{
    QImage picture(100, 70, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    Fill(painter, 0, 0, 10, 8, kDownFace);
    Fill(painter, 0, 8, 10, 32, kTrackFace);
    Fill(painter, 0, 32, 10, 40, kUpFace);
    Fill(painter, 20, 0, 30, 8, kActiveUp);
    Fill(painter, 30, 0, 40, 8, kPressedUp);
    Fill(painter, 20, 10, 30, 18, kActiveDown);
    Fill(painter, 50, 0, 60, 2, kThumbEnd1);
    Fill(painter, 50, 2, 60, 4, kThumbMiddle);
    Fill(painter, 50, 4, 60, 6, kThumbEnd2);
    picture.setPixel(50, 0, kKey);
    Fill(painter, 60, 0, 70, 6, kActiveThumb);
    Fill(painter, 70, 0, 80, 6, kPressedThumb);
    Fill(painter, 80, 0, 84, 2, kGlyph);
    // Horizontal thumb: 6 wide, 10 high.
    Fill(painter, 50, 10, 56, 20, kThumbMiddle);
    Fill(painter, 0, 40, 40, 50, kHorizontalFace);
    Fill(painter, 0, 50, 40, 60, kHorizontalFace);
    Fill(painter, 30, 50, 40, 60, kCornerSquare);
    return picture;
}

const QString kVerticalKeys = QStringLiteral(
    "pictureindex=0\nskinrect=0,0,10,40\nlefttoppoint=0,8\nleftbottompoint=0,32\nclientrect=0,8,10,32\n"
    "trackarea=0,8,10,32\ndownbuttonrect=0,0,10,8\nupbuttonrect=0,32,10,40\n"
    "activeupbuttonrect=20,0,30,8\ndownupbuttonrect=30,0,40,8\nactivedownbuttonrect=20,10,30,18\n"
    "thumbrect=50,0,60,6\nactivethumbrect=60,0,70,6\ndownthumbrect=70,0,80,6\n"
    "thumboffset1=2\nthumboffset2=2\nthumbtransparent=1\nthumbtransparentcolor=16711935\n"
    "glyphrect=80,0,84,2\n");

QString HorizontalKeys(int skinTop)
{
    return QStringLiteral("pictureindex=0\nskinrect=0,%1,40,%2\nlefttoppoint=8,0\nrighttoppoint=22,0\n"
                          "clientrect=8,0,22,10\ntrackarea=8,0,22,10\ndownbuttonrect=0,0,8,10\n"
                          "upbuttonrect=22,0,30,10\nthumbrect=50,10,56,20\n")
        .arg(skinTop)
        .arg(skinTop + 10);
}

SyntheticSkin MakeSkin()
{
    return SyntheticSkin(MakePicture(),
        {
            { QStringLiteral("vscrollbar"), QStringLiteral("scrollbar"), kVerticalKeys },
            { QStringLiteral("hscrollbar"), QStringLiteral("scrollbar"), HorizontalKeys(40) },
            { QStringLiteral("bothhscrollbar"), QStringLiteral("scrollbar"), HorizontalKeys(50) },
            { QStringLiteral("plainbutton"), QStringLiteral("button"),
                QStringLiteral("pictureindex=0\nskinrect=0,0,10,40\n") },
            { QStringLiteral("corruptbar"), QStringLiteral("scrollbar"),
                QString(kVerticalKeys).replace(QStringLiteral("thumbrect=50,0,60,6"),
                    QStringLiteral("thumbrect=50,0,60,2000000000")) },
        });
}

// A vertical bar bound to the skin, shown so that real mouse events reach it.
std::unique_ptr<TbsSkinScrollBar> MakeSkinnedVerticalBar(SyntheticSkin& skin)
{
    auto bar = std::make_unique<TbsSkinScrollBar>();
    bar->SetKind(TScrollBarKind::sbVertical);
    bar->SetSkinDataName(QStringLiteral("vscrollbar"));
    bar->resize(19, 100);
    bar->SetSkinData(skin.Data());
    bar->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
    return bar;
}

// How many rows of the column x, from top to bottom, have the colour.
int RowsOf(const QImage& face, int x, int top, int bottom, QRgb rgb)
{
    return CountColor(face, QRect(x, top, 1, bottom - top), rgb);
}

} // namespace

TEST(ScrollBarSkinnedTest, VerticalBarTakesTheSkinWidthAndMovesItsFarButton)
{
    SyntheticSkin skin = MakeSkin();
    auto bar = MakeSkinnedVerticalBar(skin);
    EXPECT_EQ(bar->size(), QSize(10, 100));
    bar->resize(30, 150);
    EXPECT_EQ(bar->size(), QSize(10, 150)) << "the width stays the skin's";
    bar->resize(10, 100);

    bar->SetRange(0, 100, 0, 0);
    auto layout = bar->CalcLayout();
    EXPECT_EQ(layout.downButton, QRect(0, 0, 10, 8));
    EXPECT_EQ(layout.upButton, QRect(0, 92, 10, 8));
    EXPECT_EQ(layout.track, QRect(0, 8, 10, 84));
    // A fixed 6-pixel thumb travels between centres 11 and 89.
    EXPECT_EQ(layout.thumb, QRect(0, 8, 10, 6));
    EXPECT_EQ(layout.thumbTravel, 78);
    bar->SetPosition(50);
    EXPECT_EQ(bar->CalcLayout().thumb, QRect(0, 47, 10, 6));
    bar->SetPosition(100);
    EXPECT_EQ(bar->CalcLayout().thumb, QRect(0, 86, 10, 6));

    // A page of half the range makes the thumb half the track long.
    bar->SetRange(0, 99, 50, 0);
    layout = bar->CalcLayout();
    EXPECT_EQ(layout.thumb, QRect(0, 8, 10, 42));
    EXPECT_EQ(layout.thumbTravel, 42);
    bar->SetPosition(50);
    EXPECT_EQ(bar->CalcLayout().thumb, QRect(0, 50, 10, 42));
}

TEST(ScrollBarSkinnedTest, FaceShowsButtonsTrackAndTheThumbCopiedOrComposed)
{
    SyntheticSkin skin = MakeSkin();
    auto bar = MakeSkinnedVerticalBar(skin);
    bar->SetRange(0, 100, 0, 50);

    QImage face = GrabFace(*bar);
    EXPECT_EQ(CountColor(face, QRect(0, 0, 10, 8), kDownFace), 80);
    EXPECT_EQ(CountColor(face, QRect(0, 92, 10, 8), kUpFace), 80);
    EXPECT_EQ(RowsOf(face, 5, 8, 47, kTrackFace), 39);
    EXPECT_EQ(RowsOf(face, 5, 53, 92, kTrackFace), 39);
    // Without a page the thumb is its picture as it is, the key colour
    // letting the track show through.
    EXPECT_EQ(PixelAt(face, 0, 47), kTrackFace);
    EXPECT_EQ(PixelAt(face, 1, 47), kThumbEnd1);
    EXPECT_EQ(RowsOf(face, 1, 47, 53, kThumbEnd1), 2);
    EXPECT_EQ(RowsOf(face, 1, 47, 53, kThumbMiddle), 2);
    EXPECT_EQ(RowsOf(face, 1, 47, 53, kThumbEnd2), 2);
    EXPECT_EQ(CountColor(face, QRect(3, 49, 4, 2), kGlyph), 8);

    // With a page its ends stay and the middle repeats; the glyph (4 x 2)
    // sits in its centre.
    bar->SetRange(0, 99, 50, 0);
    face = GrabFace(*bar);
    EXPECT_EQ(RowsOf(face, 1, 8, 50, kThumbEnd1), 2);
    EXPECT_EQ(RowsOf(face, 1, 8, 50, kThumbEnd2), 2);
    EXPECT_EQ(PixelAt(face, 1, 48), kThumbEnd2);
    EXPECT_EQ(RowsOf(face, 1, 8, 50, kThumbMiddle), 38);
    EXPECT_EQ(CountColor(face, QRect(0, 8, 10, 42), kGlyph), 8);
    EXPECT_EQ(CountColor(face, QRect(3, 28, 4, 2), kGlyph), 8);
    EXPECT_EQ(RowsOf(face, 5, 50, 92, kTrackFace), 42);

    // A disabled bar shows no thumb.
    bar->setEnabled(false);
    face = GrabFace(*bar);
    EXPECT_EQ(RowsOf(face, 5, 8, 92, kTrackFace), 84);
}

TEST(ScrollBarSkinnedTest, PartsTakeTheirHoverAndPressedFaces)
{
    SyntheticSkin skin = MakeSkin();
    auto bar = MakeSkinnedVerticalBar(skin);
    bar->SetRange(0, 100, 0, 50);
    const auto layout = bar->CalcLayout();

    QTest::mouseMove(bar.get(), layout.upButton.center());
    EXPECT_EQ(CountColor(GrabFace(*bar), layout.upButton, kActiveUp), 80);
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, layout.upButton.center());
    EXPECT_EQ(CountColor(GrabFace(*bar), layout.upButton, kPressedUp), 80);
    // Held but no longer under the mouse, the button shows the face's own drawing.
    QTest::mouseMove(bar.get(), QPoint(5, 60));
    EXPECT_EQ(CountColor(GrabFace(*bar), layout.upButton, kUpFace), 80);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, QPoint(5, 60));

    // The down button has no pressed face of its own: the active one serves.
    const QPoint downCentre = layout.downButton.center();
    QTest::mouseMove(bar.get(), downCentre);
    EXPECT_EQ(CountColor(GrabFace(*bar), layout.downButton, kActiveDown), 80);
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, downCentre);
    EXPECT_EQ(CountColor(GrabFace(*bar), layout.downButton, kActiveDown), 80);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, downCentre);

    const QRect thumb = bar->CalcLayout().thumb;
    QTest::mouseMove(bar.get(), thumb.center());
    QImage face = GrabFace(*bar);
    // The glyph (8 pixels) stays on every look of the thumb.
    EXPECT_EQ(CountColor(face, thumb, kActiveThumb), 52);
    EXPECT_EQ(CountColor(face, thumb, kGlyph), 8);
    EXPECT_EQ(CountColor(face, layout.downButton, kDownFace), 80);
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, thumb.center());
    EXPECT_EQ(CountColor(GrabFace(*bar), thumb, kPressedThumb), 52);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, thumb.center());

    // A bar with the focus shows its thumb pressed.
    QTest::mouseMove(bar.get(), QPoint(5, 20));
    bar->SetCanFocused(true);
    bar->activateWindow();
    bar->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&bar] { return bar->hasFocus(); }));
    EXPECT_EQ(CountColor(GrabFace(*bar), bar->CalcLayout().thumb, kPressedThumb), 52);
}

TEST(ScrollBarSkinnedTest, HorizontalBarAndBothModeUseTheirOwnDefinitions)
{
    SyntheticSkin skin = MakeSkin();
    TbsSkinScrollBar bar;
    bar.resize(100, 30);
    bar.SetSkinData(skin.Data());
    EXPECT_EQ(bar.size(), QSize(100, 10)) << "a horizontal bar takes the skin height";
    bar.SetRange(0, 100, 0, 0);
    auto layout = bar.CalcLayout();
    EXPECT_EQ(layout.downButton, QRect(0, 0, 8, 10));
    EXPECT_EQ(layout.upButton, QRect(82, 0, 8, 10));
    EXPECT_EQ(layout.thumb, QRect(8, 0, 6, 10));
    bar.SetPosition(100);
    EXPECT_EQ(bar.CalcLayout().thumb, QRect(76, 0, 6, 10));
    QImage face = bar.RenderFace();
    EXPECT_EQ(CountColor(face, QRect(90, 0, 10, 10), kHorizontalFace), 100);
    EXPECT_EQ(CountColor(face, QRect(76, 0, 6, 10), kThumbMiddle), 60);

    // Meeting a vertical bar, it draws the corner square from its other definition.
    bar.SetBoth(true);
    EXPECT_EQ(bar.SkinDataName(), QStringLiteral("bothhscrollbar"));
    face = bar.RenderFace();
    EXPECT_EQ(CountColor(face, QRect(90, 0, 10, 10), kCornerSquare), 100);
    bar.SetBoth(false);
    EXPECT_EQ(bar.SkinDataName(), QStringLiteral("hscrollbar"));
    EXPECT_EQ(CountColor(bar.RenderFace(), QRect(90, 0, 10, 10), kHorizontalFace), 100);
}

TEST(ScrollBarSkinnedTest, DefinitionOfAnotherKindMissingOrCorruptGivesTheDefaultFace)
{
    SyntheticSkin skin = MakeSkin();
    const QRgb buttonFace = SkinColorToRgb(clBtnFace) & 0x00FFFFFFu;
    for (const QString& name :
        { QStringLiteral("plainbutton"), QStringLiteral("nosuchbar"), QStringLiteral("corruptbar") }) {
        TbsSkinScrollBar bar;
        bar.SetKind(TScrollBarKind::sbVertical);
        bar.SetDefaultHeight(0);
        bar.SetSkinDataName(name);
        bar.resize(19, 100);
        bar.SetSkinData(skin.Data());
        EXPECT_FALSE(bar.HasSkinDefinition()) << name.toStdString();
        EXPECT_EQ(bar.size(), QSize(19, 100)) << name.toStdString();
        EXPECT_EQ(bar.CalcLayout().downButton, QRect(1, 1, 17, 16)) << name.toStdString();
        EXPECT_EQ(PixelAt(bar.RenderFace(), 9, 50), buttonFace) << name.toStdString();
    }
}

TEST(ScrollBarSkinnedTest, DragFollowsTheSkinTrackAndAShortTrackKeepsTheThumbAtItsStart)
{
    SyntheticSkin skin = MakeSkin();
    auto bar = MakeSkinnedVerticalBar(skin);
    bar->SetRange(0, 100, 0, 0);
    const QPoint grip = bar->CalcLayout().thumb.center();
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, grip);
    // Half of the 78-pixel travel is half the range.
    QTest::mouseMove(bar.get(), grip + QPoint(0, 39));
    EXPECT_EQ(bar->Position(), 50);
    QTest::mouseMove(bar.get(), grip + QPoint(0, 500));
    EXPECT_EQ(bar->Position(), 100);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, grip + QPoint(0, 500));

    // A 4-pixel track is shorter than the 6-pixel thumb: no travel at all.
    bar->resize(10, 20);
    bar->SetPosition(50);
    const auto layout = bar->CalcLayout();
    EXPECT_EQ(layout.track, QRect(0, 8, 10, 4));
    EXPECT_EQ(layout.thumbTravel, 0);
    EXPECT_EQ(layout.thumb, QRect(0, 8, 10, 6));
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, QPoint(5, 10));
    QTest::mouseMove(bar.get(), QPoint(5, 11));
    EXPECT_EQ(bar->Position(), 0);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, QPoint(5, 11));

    // Shorter than the face's fixed ends, the bar still paints without fault.
    bar->resize(10, 3);
    EXPECT_EQ(bar->RenderFace().size(), QSize(10, 3));
}

TEST(ScrollBarSkinnedTest, NarrowSkinOnTheMemoBarSize)
{
    const QString keys = QStringLiteral(
        "pictureindex=0\nskinrect=0,0,17,68\nlefttoppoint=0,16\nleftbottompoint=0,52\nclientrect=1,18,16,50\n"
        "trackarea=0,16,17,52\nupbuttonrect=0,52,17,68\ndownbuttonrect=0,0,17,16\nthumbrect=50,0,67,14\n");
    SyntheticSkin skin(MakePicture(), { { QStringLiteral("vscrollbar"), QStringLiteral("scrollbar"), keys } });
    TbsSkinScrollBar bar;
    bar.SetKind(TScrollBarKind::sbVertical);
    bar.SetSkinDataName(QStringLiteral("vscrollbar"));
    bar.SetDefaultWidth(19);
    bar.resize(19, 333);
    bar.SetSkinData(skin.Data());
    bar.SetRange(0, 0, 0, 0);
    EXPECT_EQ(bar.size(), QSize(17, 333));
    const auto layout = bar.CalcLayout();
    EXPECT_EQ(layout.track, QRect(0, 16, 17, 301));
    EXPECT_EQ(layout.upButton, QRect(0, 317, 17, 16));
    EXPECT_EQ(layout.thumb, QRect(0, 16, 17, 14));
}
