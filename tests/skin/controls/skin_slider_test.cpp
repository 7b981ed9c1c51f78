#include "face_pixels.h"

#include "skin/controls/skin_slider.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>

namespace {

// The keyword-frequency slider of the main window, shown so that its layout
// follows its size.
void MakeFrequencySlider(TbsSkinSlider& slider)
{
    slider.resize(369, 27);
    slider.show();
    slider.SetMinValue(2);
    slider.SetMaxValue(30);
    slider.SetValue(5);
}

QPoint ThumbCentre(const TbsSkinSlider& slider) { return slider.ThumbRect().center(); }

void Drag(TbsSkinSlider& slider, QPoint from, QPoint to)
{
    QTest::mousePress(&slider, Qt::LeftButton, {}, from);
    QTest::mouseMove(&slider, (from + to) / 2);
    QMouseEvent move(QEvent::MouseMove, to, slider.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &move);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, to);
}

} // namespace

TEST(SkinSlider, RangeAndValueStayConsistent)
{
    TbsSkinSlider slider;
    MakeFrequencySlider(slider);
    EXPECT_EQ(slider.Value(), 5);
    slider.SetValue(100);
    EXPECT_EQ(slider.Value(), 30);
    slider.SetValue(-7);
    EXPECT_EQ(slider.Value(), 2);
    slider.SetMinValue(40);
    EXPECT_EQ(slider.MinValue(), 2) << "a minimum above the maximum is refused";
    slider.SetMaxValue(2);
    EXPECT_EQ(slider.MaxValue(), 30);
    slider.SetIncrement(0);
    EXPECT_EQ(slider.Increment(), 10);
    slider.SetMaxValue(8);
    EXPECT_EQ(slider.Increment(), 6) << "the step never exceeds the range";
}

TEST(SkinSlider, DraggingTheThumbReachesBothEndsExactly)
{
    TbsSkinSlider slider;
    MakeFrequencySlider(slider);
    QSignalSpy changes(&slider, &TbsSkinSlider::OnChange);
    QSignalSpy finished(&slider, &TbsSkinSlider::OnChanged);

    Drag(slider, ThumbCentre(slider), QPoint(1000, 13));
    EXPECT_EQ(slider.Value(), 30);
    EXPECT_FALSE(slider.Dragging());
    EXPECT_GE(changes.count(), 1);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(slider.ThumbRect().right(), slider.RulerRect().right()) << "the thumb ends with the ruler";

    Drag(slider, ThumbCentre(slider), QPoint(-500, 13));
    EXPECT_EQ(slider.Value(), 2);
    EXPECT_EQ(slider.ThumbRect().left(), slider.RulerRect().left());

    // Half way along the ruler is half way through the range.
    const QPoint grab = ThumbCentre(slider);
    Drag(slider, grab, grab + QPoint(slider.TrackLength() / 2, 0));
    EXPECT_EQ(slider.Value(), 16);
}

TEST(SkinSlider, KeysStepByIncrementWithinTheRange)
{
    TbsSkinSlider slider;
    MakeFrequencySlider(slider);
    QSignalSpy finished(&slider, &TbsSkinSlider::OnChanged);
    const int startLeft = slider.ThumbRect().left();

    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.Value(), 10) << "5 lies nearer 0 than 10 (ties go even), one step up is 10";
    EXPECT_GT(slider.ThumbRect().left(), startLeft);
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.Value(), 30);
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(slider.Value(), 20);
    QTest::keyClick(&slider, Qt::Key_Home);
    EXPECT_EQ(slider.Value(), 2);
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(slider.Value(), 2);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(slider.Value(), 30);
    EXPECT_EQ(finished.count(), 8);
    QTest::keyClick(&slider, Qt::Key_Up);
    EXPECT_EQ(finished.count(), 8) << "up and down belong to a vertical slider";
}

TEST(SkinSlider, TheWholeIntRangeMapsWithoutOverflow)
{
    TbsSkinSlider slider;
    slider.resize(369, 27);
    slider.show();
    slider.SetMinValue(std::numeric_limits<int>::min());
    slider.SetMaxValue(std::numeric_limits<int>::max());
    slider.SetIncrement(1);
    slider.SetValue(0);
    const int track = slider.TrackLength();
    ASSERT_GT(track, 0);
    EXPECT_NEAR(slider.ThumbRect().left(), slider.ValueToPosition(std::numeric_limits<int>::min()) + track / 2, 1)
        << "zero lies half way along the track";
    EXPECT_EQ(slider.PositionToValue(slider.ValueToPosition(std::numeric_limits<int>::max())),
        std::numeric_limits<int>::max());

    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(slider.Value(), std::numeric_limits<int>::max());
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.Value(), std::numeric_limits<int>::max()) << "a step past the end stays at the end";
    QTest::keyClick(&slider, Qt::Key_Home);
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(slider.Value(), std::numeric_limits<int>::min());

    // Ticks over a range of 2^32 values.
    slider.SetOptions(soShowPoints);
    EXPECT_FALSE(slider.grab().isNull());
}

TEST(SkinSlider, PressingTheRulerPagesUntilTheThumbPassesTheMouse)
{
    TbsSkinSlider slider;
    MakeFrequencySlider(slider);
    // The mouse rests where the thumb of value 15 would be centred.
    const QPoint mouse(slider.ValueToPosition(15) + slider.ThumbRect().width() / 2, ThumbCentre(slider).y());

    QTest::mousePress(&slider, Qt::LeftButton, {}, mouse);
    EXPECT_EQ(slider.Value(), 10) << "one step at once";
    QTest::qWait(1300);
    EXPECT_EQ(slider.Value(), 20) << "one more step, then the thumb has passed the mouse";
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, mouse);

    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(8, ThumbCentre(slider).y()));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(8, ThumbCentre(slider).y()));
    EXPECT_EQ(slider.Value(), 10);
    QTest::qWait(500);
    EXPECT_EQ(slider.Value(), 10) << "paging stops at release";

    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(200, 26));
    EXPECT_EQ(slider.Value(), 10) << "below the ruler is no page area";
}

TEST(SkinSlider, TicksMarkMinimumIncrementsAndMaximum)
{
    TbsSkinSlider slider;
    MakeFrequencySlider(slider);
    const QImage face = GrabFace(slider);
    const int halfThumb = slider.ThumbRect().width() / 2;
    const int top = slider.TickArea().top();
    for (const int value : { 2, 12, 22, 30 }) {
        const int x = slider.ValueToPosition(value) + halfThumb;
        EXPECT_EQ(PixelAt(face, x, top), 0x000000u) << "tick of " << value;
        EXPECT_EQ(PixelAt(face, x, top + 2), 0x000000u) << "tick of " << value;
    }
    const int between = slider.ValueToPosition(7) + halfThumb;
    EXPECT_NE(PixelAt(face, between, top), 0x000000u);
    // Ends are longer than the ticks between them.
    const int first = slider.ValueToPosition(2) + halfThumb;
    const int second = slider.ValueToPosition(12) + halfThumb;
    EXPECT_EQ(PixelAt(face, first, top + 3), 0x000000u);
    EXPECT_NE(PixelAt(face, second, top + 3), 0x000000u);
}

TEST(SkinSlider, VerticalSliderGrowsUpwards)
{
    TbsSkinSlider slider;
    slider.SetOrientation(soVertical);
    slider.resize(40, 200);
    slider.show();
    slider.SetValue(0);
    const int bottom = slider.ThumbRect().top();
    slider.SetValue(100);
    EXPECT_LT(slider.ThumbRect().top(), bottom);
    EXPECT_EQ(slider.ThumbRect().top(), TbsSkinSlider::kBorder);

    QTest::keyClick(&slider, Qt::Key_Down);
    EXPECT_EQ(slider.Value(), 90);
    QTest::keyClick(&slider, Qt::Key_Up);
    EXPECT_EQ(slider.Value(), 100);
    Drag(slider, ThumbCentre(slider), QPoint(20, 500));
    EXPECT_EQ(slider.Value(), 0);
}

TEST(SkinSlider, FocusIsMarkedAndTheFaceFillsWithColour)
{
    QWidget window;
    TbsSkinSlider slider(&window);
    MakeFrequencySlider(slider);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    slider.clearFocus();
    EXPECT_EQ(PixelAt(GrabFace(slider), 2, 2), 0xD4D0C8u);
    EXPECT_EQ(PixelAt(GrabFace(slider), 0, 0), 0xD4D0C8u);
    slider.setFocus();
    ASSERT_TRUE(slider.hasFocus());
    const QImage focused = GrabFace(slider);
    EXPECT_EQ(PixelAt(focused, 2, 2), 0x2B2F37u) << "focus marker inverts the face";
    EXPECT_EQ(PixelAt(focused, 0, 0), 0xD4D0C8u);
}

TEST(SkinSlider, DoubleClickPagesOnlyOnce)
{
    TbsSkinSlider slider;
    MakeFrequencySlider(slider);
    const QPoint right(300, ThumbCentre(slider).y());
    QTest::mouseClick(&slider, Qt::LeftButton, {}, right);
    QTest::mouseDClick(&slider, Qt::LeftButton, {}, right);
    EXPECT_EQ(slider.Value(), 10);
    QTest::qWait(500);
    EXPECT_EQ(slider.Value(), 10);
}
