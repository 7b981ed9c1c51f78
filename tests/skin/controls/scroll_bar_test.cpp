#include "skin/controls/scroll_bar.h"
#include "skin/draw/system_colors.h"

#include <QApplication>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace {

// A vertical bar the size of the main window's memo bars, shown so that real
// mouse events reach it.
std::unique_ptr<TbsSkinScrollBar> MakeVerticalBar()
{
    auto bar = std::make_unique<TbsSkinScrollBar>();
    bar->SetKind(TScrollBarKind::sbVertical);
    bar->SetDefaultHeight(0);
    bar->resize(19, 333);
    bar->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
    return bar;
}

QRgb PixelAt(TbsSkinScrollBar& bar, QPoint point)
{
    return bar.RenderFace().pixel(point) & 0xFFFFFFu;
}

constexpr QRgb kNavy = 0x000080;
constexpr QRgb kShadow = 0x808080;

} // namespace

TEST(ScrollBarTest, PositionStaysInsideRangeAndPage)
{
    TbsSkinScrollBar bar;
    QSignalSpy changes(&bar, &TbsSkinScrollBar::OnChange);
    bar.SetRange(0, 99, 10, 0);
    EXPECT_EQ(changes.count(), 0);

    bar.SetPosition(95);
    EXPECT_EQ(bar.Position(), 90);
    EXPECT_EQ(changes.count(), 1);
    bar.SetPosition(90);
    EXPECT_EQ(changes.count(), 1) << "an unchanged position fires nothing";
    bar.SetPosition(-5);
    EXPECT_EQ(bar.Position(), 0);

    // A page that does not fit beside the position is refused.
    bar.SetPosition(50);
    bar.SetPageSize(60);
    EXPECT_EQ(bar.PageSize(), 10);
    bar.SetPageSize(40);
    EXPECT_EQ(bar.PageSize(), 40);

    // Lowering Max pulls the position back inside the page, also when the
    // range does not start at 0.
    bar.SetMax(70);
    EXPECT_EQ(bar.Position(), 31);
    bar.SetRange(-10, 100, 10, 85);
    bar.SetMax(50);
    EXPECT_EQ(bar.Position(), 41);
    bar.SetRange(0, 100, 0, 80);
    bar.SetMax(60);
    EXPECT_EQ(bar.Position(), 60);

    bar.SetRange(0, 0, 0, 0);
    EXPECT_EQ(bar.Position(), 0);
    bar.SetRange(0, 10, 0, 25);
    EXPECT_EQ(bar.Position(), 10);
    bar.SetMin(12);
    EXPECT_EQ(bar.Position(), 12);
    EXPECT_EQ(changes.count(), 3);

    // A page larger than the range leaves the position at Min.
    bar.SetRange(0, 5, 20, 3);
    EXPECT_EQ(bar.Position(), 0);
}

TEST(ScrollBarTest, DefaultLayoutOfAVerticalBar)
{
    TbsSkinScrollBar bar;
    bar.SetKind(TScrollBarKind::sbVertical);
    bar.resize(19, 333);
    bar.SetRange(0, 100, 0, 0);

    auto layout = bar.CalcLayout();
    EXPECT_EQ(layout.downButton, QRect(1, 1, 17, 16));
    EXPECT_EQ(layout.upButton, QRect(1, 316, 17, 16));
    EXPECT_EQ(layout.track, QRect(1, 17, 17, 299));
    EXPECT_EQ(layout.thumb, QRect(1, 17, 17, 16));

    bar.SetPosition(100);
    EXPECT_EQ(bar.CalcLayout().thumb, QRect(1, 300, 17, 16));
    bar.SetPosition(50);
    // Half of the 283-pixel travel, 141.5, rounds to the even 142.
    EXPECT_EQ(bar.CalcLayout().thumb.top(), 17 + 142);

    // A proportional thumb: 299 × 10 / 100 = 29.9 pixels.
    bar.SetRange(0, 99, 10, 0);
    layout = bar.CalcLayout();
    EXPECT_EQ(layout.thumb.height(), 30);
    EXPECT_EQ(layout.thumbTravel, 269);
    // A tiny page keeps the 16-pixel minimum.
    bar.SetRange(0, 999, 1, 0);
    EXPECT_EQ(bar.CalcLayout().thumb.height(), 16);
}

TEST(ScrollBarTest, DefaultLayoutOfAHorizontalBarLeavesTheBothMarker)
{
    TbsSkinScrollBar bar;
    bar.resize(200, 19);
    auto layout = bar.CalcLayout();
    EXPECT_EQ(layout.downButton, QRect(1, 1, 16, 17));
    EXPECT_EQ(layout.upButton, QRect(183, 1, 16, 17));

    bar.SetBoth(true);
    EXPECT_EQ(bar.SkinDataName(), QStringLiteral("bothhscrollbar"));
    layout = bar.CalcLayout();
    EXPECT_EQ(layout.upButton, QRect(164, 1, 16, 17));
    EXPECT_EQ(layout.track, QRect(17, 1, 147, 17));
    bar.SetBoth(false);
    EXPECT_EQ(bar.SkinDataName(), QStringLiteral("hscrollbar"));

    bar.SetBothMarkerWidth(-3);
    EXPECT_EQ(bar.BothMarkerWidth(), 19);

    // A page larger than the range never lets the thumb leave the track.
    bar.SetRange(0, 5, 10, 0);
    layout = bar.CalcLayout();
    EXPECT_EQ(layout.thumb, layout.track);
}

TEST(ScrollBarTest, ArrowButtonsStepAndRepeatWhileHeld)
{
    auto bar = MakeVerticalBar();
    bar->SetRange(0, 1000, 0, 500);
    const auto layout = bar->CalcLayout();

    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, layout.upButton.center());
    EXPECT_EQ(bar->Position(), 501);
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, layout.downButton.center());
    EXPECT_EQ(bar->Position(), 500);

    // One step at the press, nothing during the first delay, then repetition.
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, layout.upButton.center());
    QTest::qWait(200);
    EXPECT_EQ(bar->Position(), 501);
    QTest::qWait(900);
    const int held = bar->Position();
    EXPECT_GE(held, 504);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, layout.upButton.center());
    QTest::qWait(150);
    EXPECT_EQ(bar->Position(), held) << "releasing ends the repetition";
}

TEST(ScrollBarTest, ConnectedArrowEventReplacesTheStep)
{
    auto bar = MakeVerticalBar();
    bar->SetRange(0, 100, 0, 50);
    QSignalSpy clicks(bar.get(), &TbsSkinScrollBar::OnUpButtonClick);
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->CalcLayout().upButton.center());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(bar->Position(), 50);
}

TEST(ScrollBarTest, TrackPressPagesTowardTheMouseUntilTheThumbArrives)
{
    auto bar = MakeVerticalBar();
    bar->SetRange(0, 100, 0, 0);
    bar->SetLargeChange(10);
    QSignalSpy pageDowns(bar.get(), &TbsSkinScrollBar::OnPageDown);
    QSignalSpy pageUps(bar.get(), &TbsSkinScrollBar::OnPageUp);

    const QPoint belowThumb(9, 250);
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, belowThumb);
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_EQ(pageDowns.count(), 1);
    QTest::qWait(1500);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, belowThumb);
    // Paging stops once the thumb covers the mouse.
    const auto thumb = bar->CalcLayout().thumb;
    EXPECT_LE(thumb.top(), belowThumb.y());
    EXPECT_GT(bar->Position(), 10);
    EXPECT_LT(bar->Position(), 100);

    const int before = bar->Position();
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, QPoint(9, 20));
    EXPECT_EQ(bar->Position(), before - 10);
    EXPECT_EQ(pageUps.count(), 1);
}

TEST(ScrollBarTest, DraggingTheThumbFollowsTheMouse)
{
    auto bar = MakeVerticalBar();
    bar->SetRange(0, 99, 10, 0);
    QSignalSpy lastChanges(bar.get(), &TbsSkinScrollBar::OnLastChange);
    const auto layout = bar->CalcLayout();
    const QPoint grip = layout.thumb.center();

    QTest::mousePress(bar.get(), Qt::LeftButton, {}, grip);
    EXPECT_EQ(bar->CapturedPart(), TbsSkinScrollBar::kThumb);
    // Half the travel: 90 positions × 0.5 = 45.
    QTest::mouseMove(bar.get(), grip + QPoint(0, layout.thumbTravel / 2 + 1));
    EXPECT_NEAR(bar->Position(), 45, 1);
    // Far beyond the end clamps to the last position of the page.
    QTest::mouseMove(bar.get(), grip + QPoint(0, 1000));
    EXPECT_EQ(bar->Position(), 90);
    QTest::mouseMove(bar.get(), grip - QPoint(0, 1000));
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(lastChanges.count(), 0);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, grip);
    EXPECT_EQ(lastChanges.count(), 1);
    EXPECT_EQ(bar->CapturedPart(), -1);
}

TEST(ScrollBarTest, DefaultFaceShowsHoverAndHidesTheThumbWhenDisabled)
{
    auto bar = MakeVerticalBar();
    bar->SetRange(0, 100, 0, 0);
    const auto layout = bar->CalcLayout();

    EXPECT_EQ(PixelAt(*bar, layout.thumb.topLeft()), kShadow);
    EXPECT_EQ(PixelAt(*bar, layout.upButton.topLeft()), kShadow);
    // The arrow of the lower button points down: its widest row is on top.
    const QPoint centre(layout.upButton.left() + layout.upButton.width() / 2, layout.upButton.top() + layout.upButton.height() / 2);
    EXPECT_EQ(PixelAt(*bar, centre + QPoint(-3, -1)), 0x000000u);
    EXPECT_EQ(PixelAt(*bar, centre + QPoint(0, 2)), 0x000000u);
    EXPECT_EQ(PixelAt(*bar, centre + QPoint(-1, 2)), SkinColorToRgb(clBtnFace) & 0xFFFFFFu);

    QTest::mouseMove(bar.get(), layout.thumb.center());
    EXPECT_EQ(bar->HoveredPart(), TbsSkinScrollBar::kThumb);
    EXPECT_EQ(PixelAt(*bar, layout.thumb.topLeft()), kNavy);
    EXPECT_EQ(PixelAt(*bar, layout.thumb.center()), 0xB6BDD2u);

    bar->setEnabled(false);
    EXPECT_EQ(PixelAt(*bar, layout.thumb.topLeft()), SkinColorToRgb(clBtnFace) & 0xFFFFFFu);
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, layout.upButton.center());
    EXPECT_EQ(bar->Position(), 0) << "a disabled bar ignores the mouse";
}

TEST(ScrollBarTest, FocusableBarStepsWithKeysAndWheel)
{
    auto bar = MakeVerticalBar();
    bar->SetRange(0, 100, 0, 50);
    // Without CanFocused the keys are not the bar's.
    QTest::keyClick(bar.get(), Qt::Key_Down);
    EXPECT_EQ(bar->Position(), 50);

    bar->SetCanFocused(true);
    bar->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(bar.get()));
    bar->setFocus();
    ASSERT_TRUE(bar->hasFocus());
    QTest::keyClick(bar.get(), Qt::Key_Down);
    QTest::keyClick(bar.get(), Qt::Key_Right);
    EXPECT_EQ(bar->Position(), 52);
    QTest::keyClick(bar.get(), Qt::Key_Up);
    EXPECT_EQ(bar->Position(), 51);

    // A notch moves wheelScrollLines() small changes, as Qt's scroll bars do.
    const auto wheel = [&bar](int delta) {
        QWheelEvent event(QPointF(9, 100), bar->mapToGlobal(QPointF(9, 100)), {}, QPoint(0, delta), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar.get(), &event);
    };
    const int lines = QApplication::wheelScrollLines();
    wheel(-120);
    EXPECT_EQ(bar->Position(), 51 + lines);
    wheel(120);
    EXPECT_EQ(bar->Position(), 51);
    // A delta of zero is no step; fine deltas add up to whole ones.
    wheel(0);
    EXPECT_EQ(bar->Position(), 51);
    bar->SetSmallChange(2);
    for (int i = 0; i < 4; ++i)
        wheel(-30);
    EXPECT_EQ(bar->Position(), 51 + 2 * lines);
    bar->SetSmallChange(1);
    bar->SetPosition(51);

    // A focused bar shows its thumb pressed.
    const QRect thumb = bar->CalcLayout().thumb;
    EXPECT_EQ(PixelAt(*bar, thumb.center()), 0x8593B5u);
}

TEST(ScrollBarTest, TheWholeIntRangeWorksWithoutOverflow)
{
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    auto bar = MakeVerticalBar();
    bar->SetRange(kMin, kMax, 0, kMax);
    const TbsSkinScrollBar::Layout plain = bar->CalcLayout();
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, plain.upButton.center());
    EXPECT_EQ(bar->Position(), kMax) << "a step past Max stays at Max";
    bar->SetPosition(kMin);
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, plain.downButton.center());
    EXPECT_EQ(bar->Position(), kMin);

    // A page of a quarter of the 2^32 positions makes a thumb of a quarter of
    // the track, two thirds of the way along at position 0.
    bar->SetRange(kMin, kMax, 1 << 30, 0);
    const TbsSkinScrollBar::Layout layout = bar->CalcLayout();
    EXPECT_NEAR(layout.thumb.height(), layout.track.height() / 4.0, 1);
    EXPECT_NEAR(layout.thumbOffset, layout.thumbTravel * 2.0 / 3.0, 1);

    const QPoint grab = layout.thumb.center();
    const QPoint end(grab.x(), bar->height() + 100);
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, grab);
    QMouseEvent move(QEvent::MouseMove, end, bar->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar.get(), &move);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, end);
    EXPECT_EQ(bar->Position(), kMax - (1 << 30) + 1) << "dragged to the end, the page ends at Max";
}
