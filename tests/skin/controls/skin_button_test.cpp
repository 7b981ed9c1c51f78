#include "face_pixels.h"

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_xform_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kFace = 0xD4D0C8;
constexpr QRgb kShadow = 0x808080;
constexpr QRgb kNavy = 0x000080;
const QRgb kHotFill = Rgb(182, 189, 210);
const QRgb kDownFill = Rgb(133, 147, 181);

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

void MoveMouse(QWidget& widget, QPoint to)
{
    QMouseEvent event(QEvent::MouseMove, to, widget.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Bounding box of the pixels that are not one of the face colours.
QRect InkBounds(const QImage& image, QRgb fill, QRgb frame)
{
    QRect bounds;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x) {
            const QRgb pixel = PixelAt(image, x, y);
            if (pixel != fill && pixel != frame)
                bounds |= QRect(x, y, 1, 1);
        }
    return bounds;
}

} // namespace

TEST(SkinButton, ClicksOnlyWhenReleasedInside)
{
    TbsSkinButton button;
    button.resize(121, 25);
    QSignalSpy clicks(&button, &TbsSkinButton::OnClick);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(60, 12));
    EXPECT_EQ(clicks.count(), 0) << "pressing alone does not click";
    EXPECT_TRUE(button.Down());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(60, 12));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button.Down());

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(60, 12));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 12));
    EXPECT_EQ(clicks.count(), 1) << "released outside: no click";
    EXPECT_FALSE(button.Down());

    // Leaving while held and coming back still clicks.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(60, 12));
    MoveMouse(button, QPoint(60, 40));
    EXPECT_FALSE(button.MouseInside());
    MoveMouse(button, QPoint(30, 10));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(clicks.count(), 2);

    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(60, 12));
    EXPECT_EQ(clicks.count(), 2) << "the right button does not click";
}

TEST(SkinButton, FallbackFacesFollowHoverPressAndDisable)
{
    TbsSkinButton button;
    button.resize(40, 20);

    QImage face = GrabFace(button);
    EXPECT_EQ(PixelAt(face, 0, 0), kShadow);
    EXPECT_EQ(PixelAt(face, 39, 19), kShadow);
    EXPECT_EQ(PixelAt(face, 20, 10), kFace);

    SendEnter(button);
    face = GrabFace(button);
    EXPECT_EQ(PixelAt(face, 0, 0), kNavy);
    EXPECT_EQ(PixelAt(face, 20, 10), kHotFill);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 10));
    face = GrabFace(button);
    EXPECT_EQ(PixelAt(face, 39, 10), kNavy);
    EXPECT_EQ(PixelAt(face, 20, 10), kDownFill);

    // Still down, but with the mouse outside the button looks up.
    MoveMouse(button, QPoint(80, 10));
    face = GrabFace(button);
    EXPECT_EQ(PixelAt(face, 20, 10), kFace);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(80, 10));

    SendLeave(button);
    face = GrabFace(button);
    EXPECT_EQ(PixelAt(face, 20, 10), kFace);
}

TEST(SkinButton, CaptionIsCentredAndGreyWhenDisabled)
{
    TbsSkinButton button;
    button.resize(121, 25);
    button.SetCaption(QStringLiteral("MMMM"));
    QImage face = GrabFace(button);
    const QRect ink = InkBounds(face, kFace, kShadow);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 60, 3);
    EXPECT_NEAR(ink.center().y(), 12, 3);
    EXPECT_GT(CountColor(face, ink, 0x000000), 0) << "enabled captions use the default font colour";

    button.setEnabled(false);
    face = GrabFace(button);
    EXPECT_EQ(CountColor(face, ink, 0x000000), 0);
    EXPECT_GT(CountColor(face, ink, kShadow), 0);

    // Pressed, the caption moves one pixel right and down.
    button.setEnabled(true);
    SendEnter(button);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(60, 12));
    face = GrabFace(button);
    const QRect pressedInk = InkBounds(face, kDownFill, kNavy);
    EXPECT_EQ(pressedInk.topLeft(), ink.topLeft() + QPoint(1, 1));
}

TEST(SkinButton, KeyboardClicksOnlyWhenItCanTakeFocus)
{
    QWidget window;
    TbsSkinButton button(&window);
    button.resize(60, 20);
    window.show();
    button.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(button.hasFocus());
    QSignalSpy clicks(&button, &TbsSkinButton::OnClick);

    QTest::keyPress(&button, Qt::Key_Space);
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(PixelAt(GrabFace(button), 30, 10), kDownFill) << "pressed from the keyboard";
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(&button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(PixelAt(GrabFace(button), 30, 10), kHotFill) << "focused shows the mouse-over face";

    button.SetTabStop(false);
    EXPECT_EQ(button.focusPolicy(), Qt::ClickFocus) << "without TabStop a click still focuses it";
    EXPECT_FALSE(button.TabStop());
    button.SetTabStop(true);
    EXPECT_TRUE(button.TabStop());

    button.SetCanFocused(false);
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(SkinButton, RepeatModeClicksAfterTheDelayWhileHeld)
{
    TbsSkinButton button;
    button.resize(60, 20);
    button.SetRepeatMode(true);
    button.SetRepeatInterval(100);
    QSignalSpy clicks(&button, &TbsSkinButton::OnClick);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(30, 10));
    QTest::qWait(400);
    EXPECT_EQ(clicks.count(), 0) << "nothing within the first 500 ms";
    QTest::qWait(450);
    const int whileHeld = static_cast<int>(clicks.count());
    EXPECT_GE(whileHeld, 1);
    EXPECT_LE(whileHeld, 3);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(clicks.count(), whileHeld + 1) << "release clicks once more";
    QTest::qWait(250);
    EXPECT_EQ(clicks.count(), whileHeld + 1) << "repeat stops at release";
}

TEST(SkinXFormButton, DrawsItsOwnPicturesAndShapeWithoutASkin)
{
    QWidget window;
    TbsSkinXFormButton button(&window);
    EXPECT_FALSE(button.CanFocused());
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);

    QImage normal(30, 16, QImage::Format_RGB32);
    normal.fill(QColor(0, 200, 0));
    QImage active(30, 16, QImage::Format_RGB32);
    active.fill(QColor(0, 0, 200));
    QImage mask(30, 16, QImage::Format_RGB32);
    mask.fill(Qt::white);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 10; ++x)
            mask.setPixel(x, y, 0xFF000000);
    button.SetDefImage(normal);
    button.SetDefActiveImage(active);
    button.SetDefMask(mask);
    window.show();
    EXPECT_EQ(button.size(), QSize(30, 16));
    button.resize(100, 50);
    EXPECT_EQ(button.size(), QSize(30, 16)) << "its picture fixes its size";
    EXPECT_TRUE((button.mask() ^ QRegion(0, 0, 10, 16)).isEmpty());

    EXPECT_EQ(PixelAt(GrabFace(button), 20, 2), Rgb(0, 200, 0));
    SendEnter(button);
    EXPECT_EQ(PixelAt(GrabFace(button), 20, 2), Rgb(0, 0, 200));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(PixelAt(GrabFace(button), 20, 2), Rgb(0, 0, 200)) << "no down picture: the active one stays";
}

TEST(SkinXFormButton, HoverAndDownCaptionColoursApplyToItsOwnPictures)
{
    TbsSkinXFormButton button;
    QImage normal(60, 20, QImage::Format_RGB32);
    normal.fill(Qt::white);
    button.SetDefImage(normal);
    button.SetCaption(QStringLiteral("MMM"));
    button.SetDefActiveFontColor(clRed);
    button.SetDefDownFontColor(clBlue);

    EXPECT_GT(CountColor(GrabFace(button), button.rect(), 0x000000), 0);
    SendEnter(button);
    QImage face = GrabFace(button);
    EXPECT_GT(CountColor(face, button.rect(), 0xFF0000), 0);
    EXPECT_EQ(CountColor(face, button.rect(), 0x000000), 0);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(30, 10));
    face = GrabFace(button);
    EXPECT_GT(CountColor(face, button.rect(), 0x0000FF), 0);
    EXPECT_EQ(CountColor(face, button.rect(), 0xFF0000), 0);
}

TEST(SkinXFormButton, WithoutPicturesLooksLikeAPlainButton)
{
    TbsSkinXFormButton button;
    button.resize(121, 25);
    const QImage face = GrabFace(button);
    EXPECT_EQ(PixelAt(face, 0, 0), kShadow);
    EXPECT_EQ(PixelAt(face, 60, 12), kFace);
    EXPECT_EQ(button.size(), QSize(121, 25));
}

TEST(SkinButton, GroupedButtonsStayDownOneAtATime)
{
    QWidget parent;
    TbsSkinButton first(&parent);
    TbsSkinButton second(&parent);
    TbsSkinButton otherGroup(&parent);
    first.SetGroupIndex(1);
    second.SetGroupIndex(1);
    otherGroup.SetGroupIndex(2);
    EXPECT_FALSE(first.CanFocused()) << "a grouped button does not take focus";
    otherGroup.SetDown(true);
    QSignalSpy firstClicks(&first, &TbsSkinButton::OnClick);
    QSignalSpy secondClicks(&second, &TbsSkinButton::OnClick);

    QTest::mousePress(&first, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(firstClicks.count(), 1) << "a grouped button clicks when pressed";
    QTest::mouseRelease(&first, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(first.Down());
    EXPECT_EQ(PixelAt(GrabFace(first), 30, 12), kDownFill) << "down shows pressed without the mouse";

    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(second.Down());
    EXPECT_FALSE(first.Down());
    EXPECT_TRUE(otherGroup.Down());

    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(second.Down()) << "pressing the down one again does nothing";
    EXPECT_EQ(secondClicks.count(), 1);

    second.SetAllowAllUp(true);
    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(second.Down()) << "with AllowAllUp a second click releases it";
    EXPECT_EQ(secondClicks.count(), 2);
}

TEST(SkinButton, GlyphFrameFollowsTheButtonsState)
{
    // Four 10 × 10 frames, each with a transparent bottom-left pixel.
    QImage strip(40, 10, QImage::Format_RGB32);
    const QRgb frames[4] = { Rgb(200, 0, 0), Rgb(100, 100, 100), Rgb(0, 0, 200), Rgb(0, 160, 0) };
    for (int frame = 0; frame < 4; ++frame)
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                strip.setPixel(frame * 10 + x, y, x == 0 && y == 9 ? 0xFFFF00FF : frames[frame]);
    TbsSkinButton button;
    button.resize(40, 30);
    button.SetGlyph(strip);
    button.SetNumGlyphs(4);
    EXPECT_EQ(PixelAt(GrabFace(button), 20, 15), frames[0]);
    SendEnter(button);
    EXPECT_EQ(PixelAt(GrabFace(button), 20, 15), frames[3]);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(PixelAt(GrabFace(button), 20, 15), frames[2]);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 15));
    button.setEnabled(false);
    EXPECT_EQ(PixelAt(GrabFace(button), 20, 15), frames[1]);
    button.SetNumGlyphs(5);
    EXPECT_EQ(button.NumGlyphs(), 4);
}
