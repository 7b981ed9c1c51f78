#include "skin/controls/range_value.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_slider.h"
#include "skin/controls/skin_up_down.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <limits>

TEST(RangeValue, ClampsIntoTheRangeThePageLowersTheTopAndCrossedBoundsLeaveMin)
{
    RangeValue range(0, 99, 0);
    EXPECT_TRUE(range.SetValue(120));
    EXPECT_EQ(range.Value(), 99);
    EXPECT_FALSE(range.SetValue(99)) << "no move, no change";
    range.SetPage(10);
    EXPECT_EQ(range.Upper(), 90);
    EXPECT_TRUE(range.Clamp());
    EXPECT_EQ(range.Value(), 90);
    EXPECT_EQ(range.Clamped(std::numeric_limits<std::int64_t>::min()), 0);
    range.SetMin(200);
    EXPECT_EQ(range.Clamped(95), 200) << "crossed bounds: Min wins";
    EXPECT_EQ(range.Fraction(), 0.0);

    RangeValue wide(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 0);
    EXPECT_DOUBLE_EQ(wide.Fraction(), 2147483648.0 / 4294967295.0) << "the span does not overflow";
}

TEST(RangeValue, GaugeClampsAndRepaintsWithoutAnEventAndLetsItsBoundsCross)
{
    TbsSkinGauge gauge;
    gauge.SetValue(150);
    EXPECT_EQ(gauge.Value(), 100);
    gauge.SetValue(-5);
    EXPECT_EQ(gauge.Value(), 0);
    gauge.SetValue(50);
    gauge.SetMaxValue(40);
    EXPECT_EQ(gauge.Value(), 40) << "a bound pulls the value in";
    // The gauge takes every bound; crossed ones leave the value at the lower.
    gauge.SetMinValue(60);
    EXPECT_EQ(gauge.MinValue(), 60);
    EXPECT_EQ(gauge.Value(), 60);
    EXPECT_EQ(gauge.Fraction(), 0.0);
}

TEST(RangeValue, SliderRefusesCrossingBoundsShrinksItsIncrementAndFiresOnChange)
{
    TbsSkinSlider slider;
    slider.SetMinValue(2);
    slider.SetMaxValue(30);
    QSignalSpy changes(&slider, &TbsSkinSlider::OnChange);
    slider.SetMinValue(40);
    EXPECT_EQ(slider.MinValue(), 2) << "a minimum not below the maximum is refused";
    slider.SetMaxValue(2);
    EXPECT_EQ(slider.MaxValue(), 30);
    slider.SetValue(100);
    EXPECT_EQ(slider.Value(), 30);
    EXPECT_EQ(changes.count(), 1);
    slider.SetMaxValue(7);
    EXPECT_EQ(slider.Value(), 7) << "the range pulls the value in";
    EXPECT_EQ(changes.count(), 2) << "and says so";
    EXPECT_EQ(slider.Increment(), 5) << "an increment wider than the range shrinks to it";
}

TEST(RangeValue, ScrollBarKeepsItsPageRulesAndFiresOnlyForPositionChanges)
{
    TbsSkinScrollBar bar;
    QSignalSpy changes(&bar, &TbsSkinScrollBar::OnChange);
    bar.SetRange(0, 99, 10, 0);
    bar.SetPosition(95);
    EXPECT_EQ(bar.Position(), 90) << "with a page the position stops at Max - PageSize + 1";
    EXPECT_EQ(changes.count(), 1);

    bar.SetMax(50);
    EXPECT_EQ(bar.Position(), 41) << "the last position that fits the page";
    bar.SetPageSize(20);
    EXPECT_EQ(bar.PageSize(), 10) << "20 + 41 does not fit 51 positions";
    bar.SetMin(45);
    EXPECT_EQ(bar.Position(), 45);
    bar.SetRange(0, 0, 0, 0);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(changes.count(), 1) << "bounds, page and the range set fire nothing";
}

TEST(RangeValue, UpDownTakesAMaxBelowMinAsMinAndReportsThePositionItMoves)
{
    TbsSkinUpDown upDown;
    QSignalSpy changes(&upDown, &TbsSkinUpDown::OnChange);
    upDown.SetRange(10, 5);
    EXPECT_EQ(upDown.Max(), 10);
    EXPECT_EQ(upDown.Position(), 10);
    EXPECT_EQ(changes.count(), 1) << "the range moved the position";
    upDown.SetPosition(-3);
    EXPECT_EQ(upDown.Position(), 10);
    EXPECT_EQ(changes.count(), 1);
}
