#include "face_pixels.h"

#include "skin/controls/skin_panel.h"
#include "skin/controls/std_label.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kFace = 0xD4D0C8;
constexpr QRgb kShadow = 0x808080;
constexpr QRgb kHighlight = 0xFFFFFF;

} // namespace

TEST(SkinPanel, BorderStylesDrawTheirFrames)
{
    TbsSkinPanel panel;
    panel.resize(745, 73);
    EXPECT_EQ(panel.BorderStyle(), bvFrame);
    QImage face = GrabFace(panel);
    EXPECT_EQ(PixelAt(face, 0, 0), kShadow);
    EXPECT_EQ(PixelAt(face, 744, 72), kShadow);
    EXPECT_EQ(PixelAt(face, 0, 40), kShadow);
    EXPECT_EQ(PixelAt(face, 1, 1), kFace);
    EXPECT_EQ(CountColor(face, face.rect(), kShadow), 2 * 745 + 2 * 71);

    panel.SetBorderStyle(bvRaised);
    face = GrabFace(panel);
    EXPECT_EQ(PixelAt(face, 10, 0), kHighlight);
    EXPECT_EQ(PixelAt(face, 0, 10), kHighlight);
    EXPECT_EQ(PixelAt(face, 10, 72), kShadow);
    EXPECT_EQ(PixelAt(face, 744, 10), kShadow);

    panel.SetBorderStyle(bvLowered);
    face = GrabFace(panel);
    EXPECT_EQ(PixelAt(face, 10, 0), kShadow);
    EXPECT_EQ(PixelAt(face, 744, 10), kHighlight);

    panel.SetBorderStyle(bvNone);
    panel.resize(745, 8);
    face = GrabFace(panel);
    EXPECT_EQ(CountColor(face, face.rect(), kFace), 745 * 8);
}

TEST(SkinPanel, ClientAreaLeavesBorderAndCaptionBarToThePanel)
{
    TbsSkinPanel panel;
    panel.resize(200, 100);
    EXPECT_EQ(panel.ClientRect(), QRect(1, 1, 198, 98));
    EXPECT_EQ(panel.contentsRect(), panel.ClientRect());
    panel.SetCaptionMode(true);
    EXPECT_EQ(panel.ClientRect(), QRect(1, 23, 198, 76));
    EXPECT_EQ(panel.contentsRect(), panel.ClientRect());
    panel.SetBorderStyle(bvNone);
    panel.SetCaptionMode(false);
    EXPECT_EQ(panel.ClientRect(), panel.rect());
    EXPECT_EQ(panel.contentsRect(), panel.rect());
}

TEST(SkinPanel, CaptionBarShowsTheCaptionAligned)
{
    TbsSkinPanel panel;
    panel.resize(200, 100);
    panel.SetCaptionMode(true);
    panel.SetCaption(QStringLiteral("MM"));
    QImage face = GrabFace(panel);
    // Double raised frame: light outside, highlight inside, dark shadow at the bottom.
    EXPECT_EQ(PixelAt(face, 1, 1), kFace);
    EXPECT_EQ(PixelAt(face, 2, 2), kHighlight);
    EXPECT_EQ(PixelAt(face, 100, 22), 0x404040u);
    EXPECT_EQ(PixelAt(face, 100, 21), kShadow);
    EXPECT_GT(CountColor(face, QRect(3, 3, 40, 18), 0x000000), 0) << "left aligned";
    EXPECT_EQ(CountColor(face, QRect(150, 3, 47, 18), 0x000000), 0);

    panel.SetDefaultAlignment(Alignment::taRightJustify);
    face = GrabFace(panel);
    EXPECT_EQ(CountColor(face, QRect(3, 3, 40, 18), 0x000000), 0);
    EXPECT_GT(CountColor(face, QRect(150, 3, 47, 18), 0x000000), 0);
    EXPECT_EQ(CountColor(face, QRect(1, 23, 198, 76), 0x000000), 0) << "no text below the bar";
}

TEST(SkinStdLabel, DisabledTextIsDrawnTwiceOnePixelApart)
{
    TbsSkinPanel panel;
    panel.resize(120, 40);
    TbsSkinStdLabel label(&panel);
    label.SetAutoSize(false);
    label.setGeometry(10, 10, 100, 20);
    label.SetCaption(QStringLiteral("IHI"));
    // Without smoothing every text pixel has one of the two colours.
    QFont font = label.DefaultFont();
    font.setStyleStrategy(QFont::NoAntialias);
    label.SetDefaultFont(font);

    const QRect area = label.geometry();
    QImage face = GrabFace(panel).copy(area);
    EXPECT_GT(CountColor(face, face.rect(), 0x000000), 0);
    EXPECT_EQ(CountColor(face, face.rect(), kHighlight), 0);
    EXPECT_EQ(PixelAt(face, 99, 19), kFace) << "the parent shows through";

    label.setEnabled(false);
    face = GrabFace(panel).copy(area);
    EXPECT_EQ(CountColor(face, face.rect(), 0x000000), 0);
    // Every shadow pixel of a stem has a highlight pixel one right and down
    // unless the shadow covers that spot too.
    int shadow = 0;
    int echoed = 0;
    for (int y = 0; y < face.height() - 1; ++y)
        for (int x = 0; x < face.width() - 1; ++x) {
            if (PixelAt(face, x, y) != kShadow)
                continue;
            ++shadow;
            const QRgb below = PixelAt(face, x + 1, y + 1);
            echoed += below == kHighlight || below == kShadow ? 1 : 0;
        }
    EXPECT_GT(shadow, 0);
    EXPECT_EQ(echoed, shadow);
    EXPECT_GT(CountColor(face, face.rect(), kHighlight), 0);
}

TEST(SkinStdLabel, FollowsDefaultFontOrItsOwnFont)
{
    TbsSkinStdLabel label;
    label.SetDefaultFontColor(clRed);
    label.SetFontColor(clBlue);
    EXPECT_EQ(label.TextColor(), clRed);
    EXPECT_EQ(label.TextFont().pixelSize(), 14);
    label.SetUseSkinFont(false);
    QFont own(QStringLiteral("Liberation Serif"));
    own.setPixelSize(20);
    label.setFont(own);
    EXPECT_EQ(label.TextColor(), clBlue);
    EXPECT_EQ(label.TextFont().pixelSize(), 20);
}

TEST(SkinStdLabel, AutoSizeFollowsTheText)
{
    TbsSkinStdLabel label;
    label.setGeometry(47, 44, 70, 13);
    label.SetCaption(QStringLiteral("MMMM"));
    const QSize four = label.size();
    EXPECT_EQ(label.pos(), QPoint(47, 44));
    EXPECT_GE(four.height(), 14);
    label.SetCaption(QStringLiteral("MMMMMMMM"));
    EXPECT_GT(label.width(), four.width() + four.width() / 2);
    EXPECT_EQ(label.height(), four.height());
    label.SetCaption(QString());
    EXPECT_GT(label.width(), 0) << "an empty caption keeps the room of a space";
    EXPECT_LT(label.width(), four.width() / 2);

    label.SetAutoSize(false);
    label.resize(70, 13);
    label.SetCaption(QStringLiteral("MMMMMMMMMMMM"));
    EXPECT_EQ(label.size(), QSize(70, 13));
}

TEST(SkinStdLabel, PathEllipsisKeepsTheLastPartOfThePath)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    const QFontMetrics metrics(font);
    const QString path = QStringLiteral("C:\\articles\\drafts\\today.txt");
    EXPECT_EQ(PathWithEllipsis(metrics, path, metrics.horizontalAdvance(path)), path);

    const int limit = metrics.horizontalAdvance(QStringLiteral("C:\\art...\\today.txt"));
    const QString shortened = PathWithEllipsis(metrics, path, limit);
    EXPECT_TRUE(shortened.endsWith(QStringLiteral("...\\today.txt"))) << shortened.toStdString();
    EXPECT_TRUE(shortened.startsWith(QStringLiteral("C:\\"))) << shortened.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(shortened), limit);

    const QString tiny = PathWithEllipsis(metrics, path, 10);
    EXPECT_LE(metrics.horizontalAdvance(tiny), metrics.horizontalAdvance(QStringLiteral("...")));
    EXPECT_EQ(PathWithEllipsis(metrics, QStringLiteral("no separators at all"), 30).right(3), QStringLiteral("..."));
}
