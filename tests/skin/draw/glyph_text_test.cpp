#include "gui_application.h"
#include "skin/data/skin_rect.h"
#include "skin/draw/glyph_text_layout.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/text_ellipsis.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QPainter>

#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

// The positions of the non-white pixels after drawing on a white canvas.
Pixels Drawn(int width, int height, const std::function<void(QPainter&)>& draw)
{
    QImage canvas = FilledPicture(width, height, 0xffffffff);
    {
        QPainter painter(&canvas);
        draw(painter);
    }
    Pixels drawn;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((canvas.pixel(x, y) & 0xffffffu) != 0xffffffu)
                drawn.insert({ x, y });
    return drawn;
}

Pixels Span(int x0, int x1, int y)
{
    Pixels pixels;
    for (int x = x0; x <= x1; ++x)
        pixels.insert({ x, y });
    return pixels;
}

Pixels Joined(std::initializer_list<Pixels> parts)
{
    Pixels all;
    for (Pixels const& p : parts)
        all.insert(p.begin(), p.end());
    return all;
}

} // namespace

TEST(GlyphLayout, MarginPlacesTheGlyphFromItsSide)
{
    QRect const r = SkinRect { 10, 20, 110, 60 }.ToQRect(); // centre (60, 40)
    GlyphTextPositions p = LayoutGlyphAndText(blGlyphLeft, r, 16, 12, 4, 3, 30, 10);
    EXPECT_EQ(p.glyph, QPoint(14, 34));
    EXPECT_EQ(p.text, QPoint(33, 35));
    p = LayoutGlyphAndText(blGlyphRight, r, 16, 12, 4, 3, 30, 10);
    EXPECT_EQ(p.glyph, QPoint(90, 34));
    EXPECT_EQ(p.text, QPoint(57, 35));
    p = LayoutGlyphAndText(blGlyphTop, r, 16, 12, 4, 3, 30, 10);
    EXPECT_EQ(p.glyph, QPoint(52, 24));
    EXPECT_EQ(p.text, QPoint(45, 39));
    p = LayoutGlyphAndText(blGlyphBottom, r, 16, 12, 4, 3, 30, 10);
    EXPECT_EQ(p.glyph, QPoint(52, 44));
    EXPECT_EQ(p.text, QPoint(45, 31));
}

TEST(GlyphLayout, CentredPairsAndNoGlyph)
{
    QRect const r = SkinRect { 10, 20, 110, 60 }.ToQRect();
    // Row span 16 + 31 + 3 = 50 (div 2 = 25), column span 11 + 12 + 3 = 26 (13).
    GlyphTextPositions p = LayoutGlyphAndText(blGlyphLeft, r, 16, 12, -1, 3, 31, 11);
    EXPECT_EQ(p.glyph, QPoint(35, 34));
    EXPECT_EQ(p.text, QPoint(54, 35));
    p = LayoutGlyphAndText(blGlyphRight, r, 16, 12, -1, 3, 31, 11);
    EXPECT_EQ(p.text, QPoint(35, 35));
    EXPECT_EQ(p.glyph, QPoint(69, 34));
    p = LayoutGlyphAndText(blGlyphTop, r, 16, 12, -1, 3, 31, 11);
    EXPECT_EQ(p.glyph, QPoint(52, 27));
    EXPECT_EQ(p.text, QPoint(45, 42));
    p = LayoutGlyphAndText(blGlyphBottom, r, 16, 12, -1, 3, 31, 11);
    EXPECT_EQ(p.text, QPoint(45, 27));
    EXPECT_EQ(p.glyph, QPoint(52, 41));
    // Without a glyph the spacing falls away and the caption is centred.
    p = LayoutGlyphAndText(blGlyphLeft, r, 0, 0, -1, 3, 31, 11);
    EXPECT_EQ(p.text, QPoint(60 + 15 - 31, 35));
    // Division truncates toward zero for negative spans too.
    p = LayoutGlyphAndText(blGlyphLeft, SkinRect { 0, 0, -3, -3 }.ToQRect(), 0, 0, -1, 0, 0, 0);
    EXPECT_EQ(p.text, QPoint(-1, -1));
}

TEST(Glyphs, ArrowsAreFourLinesOfGrowingLength)
{
    QRect const cell(0, 0, 20, 20); // centre (10, 10)
    Pixels left;
    for (int i = 0; i <= 3; ++i)
        for (int y = 10 - i; y <= 10 + i; ++y)
            left.insert({ 8 + i, y });
    EXPECT_EQ(Drawn(20, 20, [&](QPainter& p) { DrawArrowGlyph(p, cell, ArrowDirection::Left, Qt::black); }), left);

    Pixels right;
    for (int n = 0; n <= 3; ++n)
        for (int y = 10 - n; y <= 10 + n; ++y)
            right.insert({ 12 - n, y });
    EXPECT_EQ(Drawn(20, 20, [&](QPainter& p) { DrawArrowGlyph(p, cell, ArrowDirection::Right, Qt::black); }), right);

    Pixels down;
    for (int n = 0; n <= 3; ++n)
        for (int x = 10 - n; x <= 10 + n; ++x)
            down.insert({ x, 12 - n });
    EXPECT_EQ(Drawn(20, 20, [&](QPainter& p) { DrawArrowGlyph(p, cell, ArrowDirection::Down, Qt::black); }), down);

    Pixels drop;
    for (int n = 0; n <= 2; ++n)
        for (int x = 10 - n; x <= 10 + n; ++x)
            drop.insert({ x, 12 - n });
    EXPECT_EQ(Drawn(20, 20, [&](QPainter& p) { DrawDropGlyph(p, cell, Qt::black); }), drop);
}

TEST(Glyphs, CheckRadioAndCaptionShapes)
{
    Pixels check;
    for (int i = 0; i <= 2; ++i) {
        check.insert({ 2, 5 - i + 2 }); // (x, y + 5 - i) from (2, 2)
        check.insert({ 3, 6 - i + 2 });
        for (int k = 0; k < 5; ++k)
            check.insert({ 4 + k, 7 - i + 2 - k });
    }
    EXPECT_EQ(Drawn(16, 16, [](QPainter& p) { DrawCheckGlyph(p, { 2, 2 }, Qt::black); }), check);

    Pixels radio;
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 7; ++x)
            radio.insert({ x, y });
    EXPECT_EQ(Drawn(10, 10, [](QPainter& p) { DrawRadioGlyph(p, { 1, 1 }, Qt::black); }), radio);

    EXPECT_EQ(Drawn(16, 16, [](QPainter& p) { DrawCaptionGlyph(p, CaptionGlyph::Minimize, { 0, 0 }, Qt::black); }),
        Joined({ Span(1, 8, 8), Span(1, 8, 9) }));

    Pixels close;
    for (int k = 0; k < 8; ++k) {
        close.insert({ 1 + k, 1 + k });
        close.insert({ 9 - k, 1 + k });
        close.insert({ 2 + k, 1 + k });
        close.insert({ 8 - k, 1 + k });
    }
    EXPECT_EQ(Drawn(16, 16, [](QPainter& p) { DrawCaptionGlyph(p, CaptionGlyph::Close, { 0, 0 }, Qt::black); }), close);

    // Four lines: the fifth is of zero length.
    EXPECT_EQ(Drawn(16, 16, [](QPainter& p) { DrawCaptionGlyph(p, CaptionGlyph::UpTriangle, { 0, 0 }, Qt::black); }),
        Joined({ Span(1, 8, 6), Span(2, 7, 5), Span(3, 6, 4), Span(4, 5, 3) }));

    Pixels maximize = Joined({ Span(0, 10, 0), Span(0, 10, 1), Span(0, 10, 9) });
    for (int y = 0; y < 10; ++y) {
        maximize.insert({ 0, y });
        maximize.insert({ 10, y });
    }
    EXPECT_EQ(Drawn(16, 16, [](QPainter& p) { DrawCaptionGlyph(p, CaptionGlyph::Maximize, { 0, 0 }, Qt::black); }),
        maximize);
}

TEST(Glyphs, GlyphFrameLeavesItsBottomLeftColourTransparent)
{
    // Two 3 x 2 frames: the first all red but its bottom-left blue, the
    // second green with a blue pixel at its top-left and its bottom-left.
    QImage strip = FilledPicture(6, 2, qRgb(255, 0, 0));
    strip.setPixel(0, 1, qRgb(0, 0, 255));
    for (int x = 3; x < 6; ++x)
        for (int y = 0; y < 2; ++y)
            strip.setPixel(x, y, qRgb(0, 255, 0));
    strip.setPixel(3, 0, qRgb(0, 0, 255));
    strip.setPixel(3, 1, qRgb(0, 0, 255));

    QImage canvas = FilledPicture(5, 4, qRgb(9, 9, 9));
    {
        QPainter painter(&canvas);
        DrawGlyphFrame(painter, { 1, 1 }, strip, 2, 2);
        DrawGlyphFrame(painter, { 0, 0 }, strip, 2, 3); // no such frame
    }
    EXPECT_TRUE(PixelsAre(canvas, [](int x, int y) {
        bool const inFrame = x >= 1 && x < 4 && y >= 1 && y < 3;
        return inFrame && x != 1 ? qRgb(0, 255, 0) : qRgb(9, 9, 9);
    }));
}

TEST(GlyphAndText, GlyphFocusLinesAndPressedOffset)
{
    EnsureGuiApplication();
    QImage const strip = FilledPicture(8, 6, qRgb(255, 0, 0)); // two 4 x 6 frames, red is transparent
    QImage glyph = strip;
    for (int y = 0; y < 5; ++y)
        for (int x = 4; x < 8; ++x)
            glyph.setPixel(x, y, qRgb(0, 0, 0));
    // Layout: margin 2 from the left of (0, 0)-(20, 20): glyph at (2, 7).
    Pixels const drawn = Drawn(20, 20, [&](QPainter& p) {
        DrawGlyphAndText(p, SkinRect { 0, 0, 20, 20 }.ToQRect(), 2, 1, blGlyphLeft, QString(), glyph, 2, 2, false,
            { true, QColor(0, 0, 255) });
    });
    Pixels const expected = Joined({ Span(2, 5, 7), Span(2, 5, 8), Span(2, 5, 9), Span(2, 5, 10), Span(2, 5, 11),
        Span(2, 5, 13), Span(2, 5, 12) });
    // The glyph covers rows 7..11 (its bottom row is transparent red), the
    // focus lines rows 11..13.
    EXPECT_EQ(drawn, expected);

    Pixels const pressed = Drawn(20, 20, [&](QPainter& p) {
        DrawGlyphAndText(p, SkinRect { 0, 0, 20, 20 }.ToQRect(), 2, 1, blGlyphLeft, QString(), glyph, 2, 2, true, {});
    });
    Pixels shifted;
    for (int y = 8; y <= 12; ++y)
        for (int x = 3; x <= 6; ++x)
            shifted.insert({ x, y });
    EXPECT_EQ(pressed, shifted);

    // Neither glyph nor caption: focus fills the inner rectangle.
    Pixels const box = Drawn(20, 20, [&](QPainter& p) {
        DrawGlyphAndText(p, SkinRect { 0, 0, 20, 20 }.ToQRect(), 2, 1, blGlyphLeft, QString(), QImage(), 0, 1, false,
            { true, QColor(0, 0, 255) });
    });
    EXPECT_EQ(box.size(), 14u * 12u);
    EXPECT_TRUE(box.count({ 4, 4 }) && box.count({ 17, 15 }) && !box.count({ 18, 15 }) && !box.count({ 4, 16 }));
}

TEST(GlyphAndText, CaptionIsDrawnWithinTheRoomTheGlyphLeaves)
{
    EnsureGuiApplication();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    Pixels const text = Drawn(100, 30, [&](QPainter& p) {
        p.setFont(font);
        p.setPen(Qt::black);
        DrawImageAndText(p, SkinRect { 0, 0, 100, 30 }.ToQRect(), 3, 4, blGlyphLeft, QStringLiteral("Shuffle"),
            FilledPicture(10, 10, qRgb(0, 0, 200)), true, false, {});
    });
    QFontMetrics const metrics(font);
    int const width = metrics.horizontalAdvance(QStringLiteral("Shuffle"));
    // The image at (3, 10) and the caption right of it, 4 pixels apart.
    int maxX = 0;
    for (auto const& [x, y] : text)
        maxX = std::max(maxX, x);
    EXPECT_TRUE(text.count({ 3, 10 }));
    EXPECT_TRUE(text.count({ 12, 19 }));
    EXPECT_FALSE(text.count({ 13, 15 }));
    EXPECT_GT(maxX, 17);
    EXPECT_LE(maxX, 17 + width + 2);
}

TEST(TextEllipsis, ShortensByWholeCharactersUntilTheEllipsisFits)
{
    EnsureGuiApplication();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    QFontMetrics const metrics(font);
    QString const caption = QStringLiteral("Lumeno article shuffler");
    int const full = MeasureText(metrics, caption).width();
    EXPECT_EQ(TrimWithEllipsis(metrics, caption, full), caption);

    int const limit = full / 2;
    QString const trimmed = TrimWithEllipsis(metrics, caption, limit);
    ASSERT_TRUE(trimmed.endsWith(QStringLiteral("...")));
    QString const kept = trimmed.chopped(3);
    EXPECT_TRUE(caption.startsWith(kept));
    EXPECT_LE(MeasureText(metrics, trimmed).width(), limit);
    EXPECT_GT(MeasureText(metrics, caption.left(kept.size() + 1) + QStringLiteral("...")).width(), limit);

    EXPECT_EQ(TrimWithEllipsis(metrics, caption, 1), QStringLiteral("..."));
    // A character outside the basic plane is removed whole.
    QString const emoji = QStringLiteral("ab") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("cdefghijkl");
    QString const cut = TrimWithEllipsis(metrics, emoji, MeasureText(metrics, QStringLiteral("ab...")).width() + 1);
    EXPECT_FALSE(cut.contains(QChar(0xD83D)) && !cut.contains(QChar(0xDE00)));
    EXPECT_EQ(MeasureText(metrics, QString()), QSize());
    EXPECT_GE(MeasureText(metrics, QStringLiteral("a\nb")).height(), 2 * metrics.height());
}
