#include "face_pixels.h"

#include "skin/controls/skin_gauge.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const QRgb kBar = Rgb(182, 189, 210);
constexpr QRgb kWindow = 0xFFFFFF;
constexpr QRgb kShadow = 0x808080;

} // namespace

TEST(SkinGauge, BarLengthIsTruncated)
{
    TbsSkinGauge gauge;
    gauge.resize(15, 20);
    gauge.SetValue(0);
    QImage face = GrabFace(gauge);
    EXPECT_EQ(CountColor(face, face.rect(), kBar), 0) << "no bar at the minimum";
    EXPECT_EQ(PixelAt(face, 0, 0), kShadow);
    EXPECT_EQ(PixelAt(face, 1, 1), kWindow);

    // 13 pixels of progress area at one half fill 6 of them (6.5 truncated).
    gauge.SetValue(50);
    face = GrabFace(gauge);
    EXPECT_EQ(CountColor(face, QRect(0, 10, 15, 1), kBar), 6);
    EXPECT_EQ(PixelAt(face, 1, 10), kBar);
    EXPECT_EQ(PixelAt(face, 6, 10), kBar);
    EXPECT_EQ(PixelAt(face, 7, 10), kWindow);
    EXPECT_EQ(PixelAt(face, 6, 0), kShadow);

    gauge.SetValue(99);
    EXPECT_EQ(CountColor(GrabFace(gauge), QRect(0, 10, 15, 1), kBar), 12);
    gauge.SetValue(250);
    EXPECT_EQ(gauge.Value(), 100);
    EXPECT_EQ(CountColor(GrabFace(gauge), QRect(0, 10, 15, 1), kBar), 13);
}

TEST(SkinGauge, VerticalBarGrowsFromTheBottom)
{
    TbsSkinGauge gauge;
    gauge.resize(20, 15);
    gauge.SetVertical(true);
    gauge.SetValue(50);
    const QImage face = GrabFace(gauge);
    EXPECT_EQ(CountColor(face, QRect(10, 0, 1, 15), kBar), 6);
    EXPECT_EQ(PixelAt(face, 10, 13), kBar);
    EXPECT_EQ(PixelAt(face, 10, 8), kBar);
    EXPECT_EQ(PixelAt(face, 10, 7), kWindow);
}

TEST(SkinGauge, TextShowsProgressTextThenTruncatedPercent)
{
    TbsSkinGauge gauge;
    gauge.resize(100, 20);
    gauge.SetValue(33);
    EXPECT_EQ(gauge.GaugeText(), QString());
    EXPECT_EQ(CountColor(GrabFace(gauge), gauge.rect(), 0x000000), 0);
    gauge.SetShowPercent(true);
    EXPECT_EQ(gauge.GaugeText(), QStringLiteral("33%"));
    EXPECT_GT(CountColor(GrabFace(gauge), gauge.rect(), 0x000000), 0);
    gauge.SetProgressText(QStringLiteral("Done "));
    EXPECT_EQ(gauge.GaugeText(), QStringLiteral("33%")) << "ProgressText only with ShowProgressText";
    gauge.SetShowProgressText(true);
    EXPECT_EQ(gauge.GaugeText(), QStringLiteral("Done 33%"));

    gauge.SetMinValue(0);
    gauge.SetMaxValue(3);
    gauge.SetValue(2);
    EXPECT_EQ(gauge.GaugeText(), QStringLiteral("Done 66%")) << "two thirds truncate to 66";
}

TEST(SkinGauge, RangeChangesPullTheValueInAndNeverDivideByZero)
{
    TbsSkinGauge gauge;
    EXPECT_EQ(gauge.Value(), 50);
    gauge.SetMaxValue(20);
    EXPECT_EQ(gauge.Value(), 20);
    gauge.SetMinValue(30);
    EXPECT_EQ(gauge.Value(), 30);
    EXPECT_EQ(gauge.Fraction(), 0.0) << "a crossed range shows no progress";
    gauge.SetMaxValue(30);
    EXPECT_EQ(gauge.Fraction(), 0.0);
    gauge.SetProgressAnimationPause(-1);
    EXPECT_EQ(gauge.ProgressAnimationPause(), 3000);
    gauge.resize(50, 10);
    EXPECT_EQ(CountColor(GrabFace(gauge), gauge.rect(), kBar), 0);
}

TEST(SkinGauge, TheWholeIntRangeFillsWithoutOverflow)
{
    TbsSkinGauge gauge;
    gauge.resize(15, 20);
    gauge.SetMinValue(std::numeric_limits<int>::min());
    gauge.SetMaxValue(std::numeric_limits<int>::max());
    gauge.SetValue(0);
    EXPECT_EQ(CountColor(GrabFace(gauge), QRect(0, 10, 15, 1), kBar), 6) << "zero is half way";
    gauge.SetValue(std::numeric_limits<int>::max());
    EXPECT_EQ(CountColor(GrabFace(gauge), QRect(0, 10, 15, 1), kBar), 13);
}
