#include "face_pixels.h"
#include "synthetic_skin.h"

#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_memo.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Edit: left part, tiled middle and right part of the normal and the active
// face, and the button images.
const QRgb kEditLeft = Rgb(200, 0, 0);
const QRgb kEditMiddle = Rgb(255, 210, 210);
const QRgb kEditRight = Rgb(120, 0, 0);
const QRgb kActiveLeft = Rgb(0, 200, 0);
const QRgb kActiveMiddle = Rgb(210, 255, 210);
const QRgb kActiveRight = Rgb(0, 120, 0);
const QRgb kButton = Rgb(0, 0, 220);
const QRgb kActiveButton = Rgb(0, 220, 220);
// Memo: frame ring and client piece (with a marker at its top-left) of the
// normal and the active face.
const QRgb kMemoFrame = Rgb(40, 40, 100);
const QRgb kMemoClient = Rgb(230, 230, 250);
const QRgb kMemoMarker = Rgb(250, 130, 0);
const QRgb kActiveFrame = Rgb(100, 40, 40);
const QRgb kActiveClient = Rgb(250, 230, 230);
const QRgb kWhite = Rgb(255, 255, 255);
const QRgb kBlack = Rgb(0, 0, 0);

void Fill(QPainter& painter, int left, int top, int right, int bottom, QRgb rgb)
{
    painter.fillRect(QRect(left, top, right - left, bottom - top), QColor::fromRgb(rgb));
}

QImage MakePicture()
{
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    Fill(painter, 0, 0, 5, 20, kEditLeft);
    Fill(painter, 5, 0, 25, 20, kEditMiddle);
    Fill(painter, 25, 0, 30, 20, kEditRight);
    Fill(painter, 30, 0, 35, 20, kActiveLeft);
    Fill(painter, 35, 0, 55, 20, kActiveMiddle);
    Fill(painter, 55, 0, 60, 20, kActiveRight);
    Fill(painter, 60, 0, 70, 10, kButton);
    Fill(painter, 70, 0, 80, 10, kActiveButton);
    Fill(painter, 0, 30, 40, 70, kMemoFrame);
    Fill(painter, 2, 32, 38, 68, kMemoClient);
    Fill(painter, 2, 32, 3, 33, kMemoMarker);
    Fill(painter, 40, 30, 80, 70, kActiveFrame);
    Fill(painter, 42, 32, 78, 68, kActiveClient);
    return picture;
}

const QString kEditKeys = QStringLiteral(
    "pictureindex=0\nskinrect=0,0,30,20\nlefttoppoint=5,10\nrighttoppoint=25,10\nclientrect=3,4,27,16\n"
    "activeskinrect=30,0,60,20\nfontname=Arial\nfontheight=13\nfontstyle=fsbold\n"
    "fontcolor=255\nactivefontcolor=65280\ndisabledfontcolor=16711680\n"
    "buttonrect=60,0,70,10\nactivebuttonrect=70,0,80,10\n");

const QString kMemoKeys = QStringLiteral(
    "pictureindex=0\nskinrect=0,30,40,70\nlefttoppoint=4,4\nrighttoppoint=36,4\nleftbottompoint=4,36\n"
    "rightbottompoint=36,36\nclientrect=2,2,38,38\nactiveskinrect=40,30,80,70\nfontname=Arial\nfontheight=15\n"
    "fontcolor=255\nactivefontcolor=65280\nbgcolor=8421504\nactivebgcolor=12632256\n");

// A memo face without corner points or an active face.
const QString kBareMemoKeys = QStringLiteral(
    "pictureindex=0\nskinrect=0,30,40,70\nclientrect=2,2,38,38\nbgcolor=8421504\nactivebgcolor=12632256\n");

std::unique_ptr<SyntheticSkin> MakeSkin(bool withEdit = true)
{
    QList<SyntheticSkin::Control> controls { { "memo", "memo", kMemoKeys }, { "barememo", "memo", kBareMemoKeys },
        { "flatedit", "edit", QStringLiteral("pictureindex=0\nskinrect=0,0,30,0\nclientrect=3,4,27,16\n") },
        { "hugememo", "memo", QStringLiteral("pictureindex=0\nskinrect=0,30,40,70\nclientrect=2,2,3000000,38\n") },
        // Client rectangles reaching past their faces: below a 5-pixel edit,
        // right of a memo.
        { "lowedit", "edit", QStringLiteral("pictureindex=0\nskinrect=0,0,30,5\nclientrect=4,3,26,19\nfontheight=13\n") },
        { "widememo", "memo", QStringLiteral("pictureindex=0\nskinrect=0,30,40,70\nclientrect=2,2,70,60\n") } };
    if (withEdit)
        controls.append({ "edit", "edit", kEditKeys });
    return std::make_unique<SyntheticSkin>(MakePicture(), controls);
}

void SendEnter(QWidget& widget)
{
    const QPointF inside(2, 2);
    QEnterEvent event(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &event);
}

void SendLeave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

QRgb TextColor(const QWidget& editor, QPalette::ColorGroup group = QPalette::Active)
{
    return editor.palette().color(group, QPalette::Text).rgb() & 0x00FFFFFFu;
}

} // namespace

// A hidden widget gets its resize events only when shown, so every test shows
// its window before it sizes the control.

TEST(SkinnedEdit, TakesTheSkinHeightFrameFontAndTextArea)
{
    auto skin = MakeSkin();
    QWidget window;
    TbsSkinEdit edit(&window);
    window.show();
    edit.setGeometry(0, 0, 100, 33);
    edit.SetSkinData(skin->Data());
    ASSERT_TRUE(edit.HasSkinDefinition());
    EXPECT_EQ(edit.size(), QSize(100, 20)) << "the skin's height, whatever height was given";
    edit.resize(80, 40);
    EXPECT_EQ(edit.size(), QSize(80, 20));

    const QImage face = edit.RenderFace();
    EXPECT_EQ(PixelAt(face, 0, 0), kEditLeft);
    EXPECT_EQ(PixelAt(face, 4, 19), kEditLeft);
    EXPECT_EQ(PixelAt(face, 5, 10), kEditMiddle);
    EXPECT_EQ(PixelAt(face, 74, 10), kEditMiddle);
    EXPECT_EQ(PixelAt(face, 75, 0), kEditRight);
    EXPECT_EQ(PixelAt(face, 79, 19), kEditRight);

    EXPECT_EQ(edit.TextRect(), QRect(3, 4, 80 - 3 - 3, 12));
    EXPECT_EQ(edit.Editor()->font().pixelSize(), 13);
    EXPECT_TRUE(edit.Editor()->font().bold());
    EXPECT_EQ(TextColor(*edit.Editor()), Rgb(255, 0, 0));
    EXPECT_EQ(TextColor(*edit.Editor(), QPalette::Disabled), Rgb(0, 0, 255));
    // A line of the font is taller than the text area: the editor grows
    // around the area's centre, within the control.
    const QRect editor = edit.Editor()->geometry();
    EXPECT_EQ(editor.left(), 3);
    EXPECT_EQ(editor.width(), 74);
    EXPECT_TRUE(QRect(0, 0, 80, 20).contains(editor));
    EXPECT_LE(std::abs(editor.center().y() - edit.TextRect().center().y()), 1);
}

TEST(SkinnedEdit, MouseAndFocusShowTheActiveFaceAndColour)
{
    auto skin = MakeSkin();
    QWidget window;
    window.resize(200, 100);
    TbsSkinEdit edit(&window);
    QLineEdit other(&window);
    other.move(0, 50);
    other.show();
    edit.SetSkinData(skin->Data());
    // Away from the window's corner, where the pointer may rest.
    edit.setGeometry(100, 60, 60, 20);

    SendEnter(edit);
    EXPECT_TRUE(edit.IsActive());
    QImage face = edit.RenderFace();
    EXPECT_EQ(PixelAt(face, 0, 0), kActiveLeft);
    EXPECT_EQ(PixelAt(face, 30, 10), kActiveMiddle);
    EXPECT_EQ(PixelAt(face, 59, 19), kActiveRight);
    EXPECT_EQ(TextColor(*edit.Editor()), Rgb(0, 255, 0));

    SendLeave(edit);
    EXPECT_FALSE(edit.IsActive());
    face = edit.RenderFace();
    EXPECT_EQ(PixelAt(face, 0, 0), kEditLeft);
    EXPECT_EQ(TextColor(*edit.Editor()), Rgb(255, 0, 0));

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit.setFocus();
    ASSERT_TRUE(edit.hasFocus());
    EXPECT_EQ(PixelAt(edit.RenderFace(), 30, 10), kActiveMiddle);
    EXPECT_EQ(TextColor(*edit.Editor()), Rgb(0, 255, 0));
    other.setFocus();
    ASSERT_TRUE(other.hasFocus());
    ASSERT_FALSE(edit.hasFocus());
    EXPECT_EQ(PixelAt(edit.RenderFace(), 30, 10), kEditMiddle);
    EXPECT_EQ(TextColor(*edit.Editor()), Rgb(255, 0, 0));
}

TEST(SkinnedEdit, WithoutSkinFontTheHeightFollowsDefaultFontAndTheFaceStretches)
{
    auto skin = MakeSkin();
    QWidget window;
    TbsSkinEdit edit(&window);
    window.show();
    edit.SetUseSkinFont(false);
    QFont font = TbsSkinCustomControl::StandardDefaultFont();
    font.setPixelSize(20);
    edit.SetDefaultFont(font);
    edit.SetSkinData(skin->Data());
    edit.resize(90, 10);
    // The frame around the client rectangle is 20 - 12 pixels high.
    const int expected = QFontMetrics(font).height() + 8;
    ASSERT_GT(expected, 20);
    EXPECT_EQ(edit.height(), expected);
    EXPECT_EQ(edit.Editor()->font().pixelSize(), 20);
    EXPECT_EQ(TextColor(*edit.Editor()), Rgb(255, 0, 0)) << "the colours still come from the skin";

    const QImage face = edit.RenderFace();
    EXPECT_EQ(PixelAt(face, 0, 0), kEditLeft);
    EXPECT_EQ(PixelAt(face, 0, expected - 1), kEditLeft);
    EXPECT_EQ(PixelAt(face, 45, expected / 2), kEditMiddle);
    EXPECT_EQ(PixelAt(face, 89, expected - 1), kEditRight);
    EXPECT_EQ(CountColor(face, face.rect(), kBlack), 0);
    EXPECT_EQ(edit.TextRect(), QRect(3, 4, 84, expected - 8));
}

TEST(SkinnedEdit, ButtonModeShowsTheSkinButtonAtTheRightEnd)
{
    auto skin = MakeSkin();
    QWidget window;
    TbsSkinEdit edit(&window);
    window.show();
    edit.SetButtonMode(true);
    edit.SetSkinData(skin->Data());
    edit.resize(80, 20);
    // Client area 3..77 x 4..16; the 10x10 button is centred on it.
    EXPECT_EQ(edit.ButtonRect(), QRect(67, 5, 10, 10));
    EXPECT_EQ(edit.TextRect(), QRect(3, 4, 64, 12));
    QImage face = edit.RenderFace();
    EXPECT_EQ(CountColor(face, QRect(67, 5, 10, 10), kButton), 100);
    SendEnter(edit);
    face = edit.RenderFace();
    EXPECT_EQ(CountColor(face, QRect(67, 5, 10, 10), kActiveButton), 100);
    QTest::mousePress(&edit, Qt::LeftButton, {}, QPoint(70, 8));
    face = edit.RenderFace();
    EXPECT_EQ(CountColor(face, QRect(67, 5, 10, 10), kActiveButton), 100)
        << "held down without a pressed picture, the button keeps its hot face";
    QTest::mouseRelease(&edit, Qt::LeftButton, {}, QPoint(70, 8));
    edit.setEnabled(false);
    face = edit.RenderFace();
    EXPECT_EQ(CountColor(face, QRect(67, 5, 10, 10), kButton), 100) << "disabled without a picture of its own";
}

TEST(SkinnedEdit, DefinitionOfAnotherKindOrNoneKeepsTheBuiltInLook)
{
    auto skin = MakeSkin();
    QWidget window;
    TbsSkinEdit edit(&window);
    window.show();
    edit.SetSkinDataName(QStringLiteral("nothing"));
    edit.SetSkinData(skin->Data());
    edit.resize(60, 30);
    EXPECT_FALSE(edit.HasSkinDefinition());
    EXPECT_EQ(edit.height(), 30);
    QImage face = edit.RenderFace();
    EXPECT_EQ(PixelAt(face, 0, 0), 0x808080u);
    EXPECT_EQ(PixelAt(face, 10, 10), kWhite);

    // A face without height cannot frame the text.
    edit.SetSkinDataName(QStringLiteral("flatedit"));
    edit.ChangeSkinData();
    EXPECT_FALSE(edit.HasSkinDefinition());
    EXPECT_EQ(edit.height(), 30);

    // A memo definition is a kind of edit definition, so the edit accepts it.
    edit.SetSkinDataName(QStringLiteral("memo"));
    edit.ChangeSkinData();
    EXPECT_TRUE(edit.HasSkinDefinition());
    EXPECT_EQ(edit.height(), 40);
}

TEST(SkinnedMemo, BitmapBackgroundTilesTheClientPieceWithoutBorder)
{
    auto skin = MakeSkin();
    QWidget window;
    TbsSkinMemo memo(&window);
    window.show();
    memo.SetBorderStyle(TBorderStyle::bsNone);
    memo.SetSkinData(skin->Data());
    memo.resize(100, 80);
    ASSERT_TRUE(memo.HasSkinDefinition());

    const QImage face = memo.RenderFace();
    // The 36x36 client piece repeats from the top-left corner.
    for (const QPoint& marker : { QPoint(0, 0), QPoint(36, 0), QPoint(72, 36), QPoint(0, 72) })
        EXPECT_EQ(PixelAt(face, marker.x(), marker.y()), kMemoMarker) << marker.x() << "," << marker.y();
    EXPECT_EQ(PixelAt(face, 1, 0), kMemoClient);
    EXPECT_EQ(PixelAt(face, 99, 79), kMemoClient);
    EXPECT_EQ(CountColor(face, face.rect(), kMemoFrame), 0);
    EXPECT_EQ(CountColor(face, face.rect(), kMemoMarker), 9);

    EXPECT_EQ(memo.Editor()->geometry(), QRect(0, 0, 100, 80));
    EXPECT_EQ(memo.Editor()->font().pixelSize(), 15);
    EXPECT_EQ(TextColor(*memo.Editor()), Rgb(255, 0, 0));
    EXPECT_EQ(TextColor(*memo.Editor(), QPalette::Disabled), Rgb(0, 0, 255))
        << "disabled text takes the colour of the skin's edit";
    EXPECT_EQ(memo.Editor()->palette().color(QPalette::Base).alpha(), 0) << "the editor paints no background";
}

TEST(SkinnedMemo, SingleBorderDrawsTheSkinFrameAndTheActiveFace)
{
    auto skin = MakeSkin();
    QWidget window;
    TbsSkinMemo memo(&window);
    window.show();
    memo.SetSkinData(skin->Data());
    memo.resize(100, 80);

    QImage face = memo.RenderFace();
    for (const QPoint& frame : { QPoint(0, 0), QPoint(1, 1), QPoint(99, 0), QPoint(98, 78), QPoint(0, 79), QPoint(50, 1) })
        EXPECT_EQ(PixelAt(face, frame.x(), frame.y()), kMemoFrame) << frame.x() << "," << frame.y();
    EXPECT_EQ(PixelAt(face, 50, 40), kMemoClient);
    EXPECT_EQ(PixelAt(face, 3, 3), kMemoClient);
    EXPECT_EQ(PixelAt(face, 97, 77), kMemoClient);
    // The text keeps inside the frame: client margins 2, plus some air.
    EXPECT_EQ(memo.TextRect(), QRect(3, 3, 92, 73));
    EXPECT_EQ(memo.Editor()->geometry(), memo.TextRect());

    SendEnter(memo);
    face = memo.RenderFace();
    EXPECT_EQ(PixelAt(face, 0, 0), kActiveFrame);
    EXPECT_EQ(PixelAt(face, 99, 79), kActiveFrame);
    EXPECT_EQ(PixelAt(face, 50, 40), kActiveClient);
    EXPECT_EQ(CountColor(face, face.rect(), kMemoFrame), 0);
    EXPECT_EQ(TextColor(*memo.Editor()), Rgb(0, 255, 0));
    SendLeave(memo);
    EXPECT_EQ(PixelAt(memo.RenderFace(), 50, 40), kMemoClient);
    EXPECT_EQ(TextColor(*memo.Editor()), Rgb(255, 0, 0));
}

TEST(SkinnedMemo, PlainColourAndOwnFontColourWhenAsked)
{
    auto skin = MakeSkin(false);
    QWidget window;
    TbsSkinMemo memo(&window);
    window.show();
    memo.SetBitMapBG(false);
    memo.SetBorderStyle(TBorderStyle::bsNone);
    memo.SetUseSkinFontColor(false);
    memo.SetDefaultFontColor(0x00FF00FF);
    memo.SetSkinData(skin->Data());
    memo.resize(60, 50);

    QImage face = memo.RenderFace();
    EXPECT_EQ(CountColor(face, face.rect(), Rgb(128, 128, 128)), 60 * 50);
    SendEnter(memo);
    face = memo.RenderFace();
    EXPECT_EQ(CountColor(face, face.rect(), Rgb(192, 192, 192)), 60 * 50);
    EXPECT_EQ(TextColor(*memo.Editor()), Rgb(255, 0, 255));
    EXPECT_EQ(TextColor(*memo.Editor(), QPalette::Disabled), 0x808080u) << "no edit definition: system grey";

    // With a border, a plain background keeps the text further in.
    memo.SetBorderStyle(TBorderStyle::bsSingle);
    EXPECT_EQ(memo.TextRect(), QRect(5, 4, 50, 42));
}

TEST(SkinnedMemo, EditDefinitionIsNotAMemoDefinition)
{
    auto skin = MakeSkin();
    QWidget window;
    TbsSkinMemo memo(&window);
    window.show();
    memo.SetSkinDataName(QStringLiteral("edit"));
    memo.SetSkinData(skin->Data());
    memo.resize(50, 40);
    EXPECT_FALSE(memo.HasSkinDefinition());
    const QImage face = memo.RenderFace();
    EXPECT_EQ(PixelAt(face, 0, 0), 0x808080u);
    EXPECT_EQ(PixelAt(face, 20, 20), kWhite);
    EXPECT_EQ(memo.Editor()->font().pixelSize(), 14);

    // Coordinates only a corrupt skin gives leave the built-in look too.
    memo.SetSkinDataName(QStringLiteral("hugememo"));
    memo.ChangeSkinData();
    EXPECT_FALSE(memo.HasSkinDefinition());
    EXPECT_EQ(memo.Editor()->geometry(), QRect(2, 2, 46, 36));
}

TEST(SkinnedMemo, DefinitionWithoutPointsOrActiveFaceKeepsTheSizeAndTheNormalFace)
{
    auto skin = MakeSkin();
    QWidget window;
    TbsSkinMemo memo(&window);
    window.show();
    memo.SetSkinDataName(QStringLiteral("barememo"));
    memo.SetSkinData(skin->Data());
    memo.resize(90, 60);
    ASSERT_TRUE(memo.HasSkinDefinition());
    EXPECT_EQ(memo.size(), QSize(90, 60)) << "a memo is not held to the skin's size";
    SendEnter(memo);
    const QImage face = memo.RenderFace();
    EXPECT_EQ(PixelAt(face, 45, 30), kMemoClient);
    EXPECT_EQ(CountColor(face, face.rect(), kActiveClient), 0);
}

// The skin decides how much room the text gets, but the text box never
// leaves the control, whatever the client rectangle says: a line taller than
// a 5-pixel face is cut to the face rather than hanging below it.
TEST(SkinnedEdit, AClientRectanglePastTheFaceKeepsTheTextOnTheControl)
{
    auto skin = MakeSkin();
    QWidget window;
    window.resize(300, 200);
    TbsSkinEdit edit(&window);
    TbsSkinMemo memo(&window);
    window.show();
    edit.SetSkinDataName(QStringLiteral("lowedit"));
    edit.SetSkinData(skin->Data());
    edit.resize(80, 20);
    ASSERT_TRUE(edit.HasSkinDefinition());
    ASSERT_EQ(edit.size(), QSize(80, 5));
    EXPECT_EQ(edit.TextRect(), QRect(4, 3, 80 - 4 - 4, 2));
    EXPECT_TRUE(edit.rect().contains(edit.Editor()->geometry())) << edit.Editor()->geometry().height();

    memo.SetSkinDataName(QStringLiteral("widememo"));
    memo.SetSkinData(skin->Data());
    memo.resize(60, 50);
    ASSERT_TRUE(memo.HasSkinDefinition());
    EXPECT_TRUE(memo.rect().contains(memo.Editor()->geometry())) << memo.Editor()->geometry().right();
}
