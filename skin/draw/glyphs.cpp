#include "skin/draw/glyphs.h"

#include <QPainter>

#include <cstdlib>

namespace {

void Pixel(QPainter& painter, int x, int y, const QColor& color)
{
    painter.fillRect(QRect(x, y, 1, 1), color);
}

// A pen line: every pixel from `from` towards `to`, `to` itself left out.
void PenLine(QPainter& painter, const QPoint& from, const QPoint& to, const QColor& color)
{
    int const dx = std::abs(to.x() - from.x());
    int const dy = -std::abs(to.y() - from.y());
    int const stepX = from.x() < to.x() ? 1 : -1;
    int const stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        Pixel(painter, x, y, color);
        int const doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

// The outline of the rectangle from (left, top) to (right, bottom), the right
// and bottom edges exclusive.
void Outline(QPainter& painter, int left, int top, int right, int bottom, const QColor& color)
{
    painter.fillRect(QRect(left, top, right - left, 1), color);
    painter.fillRect(QRect(left, bottom - 1, right - left, 1), color);
    painter.fillRect(QRect(left, top, 1, bottom - top), color);
    painter.fillRect(QRect(right - 1, top, 1, bottom - top), color);
}

QPoint CentreOf(const QRect& rect)
{
    return { rect.left() + rect.width() / 2, rect.top() + rect.height() / 2 };
}

} // namespace

void DrawArrowGlyph(QPainter& painter, const QRect& rect, ArrowDirection direction, const QColor& color)
{
    QPoint const c = CentreOf(rect);
    for (int i = 0; i <= 3; ++i) {
        int const n = 3 - i;
        switch (direction) {
        case ArrowDirection::Left:
            PenLine(painter, { c.x() - 2 + i, c.y() - i }, { c.x() - 2 + i, c.y() + i + 1 }, color);
            break;
        case ArrowDirection::Right:
            PenLine(painter, { c.x() + 2 - n, c.y() + n }, { c.x() + 2 - n, c.y() - n - 1 }, color);
            break;
        case ArrowDirection::Up:
            PenLine(painter, { c.x() - i, c.y() - 2 + i }, { c.x() + i + 1, c.y() - 2 + i }, color);
            break;
        case ArrowDirection::Down:
            PenLine(painter, { c.x() - n, c.y() + 2 - n }, { c.x() + n + 1, c.y() + 2 - n }, color);
            break;
        }
    }
}

void DrawDropGlyph(QPainter& painter, const QRect& rect, const QColor& color)
{
    QPoint const c = CentreOf(rect);
    for (int n = 2; n >= 0; --n)
        PenLine(painter, { c.x() - n, c.y() + 2 - n }, { c.x() + n + 1, c.y() + 2 - n }, color);
}

void DrawCheckGlyph(QPainter& painter, const QPoint& topLeft, const QColor& color)
{
    int const x = topLeft.x();
    int const y = topLeft.y();
    for (int i = 0; i <= 2; ++i) {
        PenLine(painter, { x, y + 5 - i }, { x + 2, y + 7 - i }, color);
        PenLine(painter, { x + 2, y + 7 - i }, { x + 7, y + 2 - i }, color);
    }
}

void DrawRadioGlyph(QPainter& painter, const QPoint& topLeft, const QColor& color)
{
    painter.fillRect(QRect(topLeft, QSize(6, 6)), color);
}

void DrawCaptionGlyph(QPainter& painter, CaptionGlyph glyph, const QPoint& topLeft, const QColor& color)
{
    int const x = topLeft.x();
    int const y = topLeft.y();
    switch (glyph) {
    case CaptionGlyph::Close:
        PenLine(painter, { x + 1, y + 1 }, { x + 9, y + 9 }, color);
        PenLine(painter, { x + 9, y + 1 }, { x + 1, y + 9 }, color);
        PenLine(painter, { x + 2, y + 1 }, { x + 10, y + 9 }, color);
        PenLine(painter, { x + 8, y + 1 }, { x, y + 9 }, color);
        return;
    case CaptionGlyph::Minimize:
        PenLine(painter, { x + 1, y + 8 }, { x + 9, y + 8 }, color);
        PenLine(painter, { x + 1, y + 9 }, { x + 9, y + 9 }, color);
        return;
    case CaptionGlyph::Maximize:
        Outline(painter, x, y, x + 11, y + 10, color);
        Outline(painter, x, y, x + 11, y + 2, color);
        return;
    case CaptionGlyph::Restore:
        Outline(painter, x + 2, y, x + 10, y + 6, color);
        Outline(painter, x + 2, y, x + 10, y + 2, color);
        Outline(painter, x, y + 4, x + 7, y + 10, color);
        Outline(painter, x, y + 4, x + 7, y + 6, color);
        return;
    case CaptionGlyph::UpTriangle:
        for (int i = 0; i <= 4; ++i)
            PenLine(painter, { x + i + 1, y + 6 - i }, { x + 9 - i, y + 6 - i }, color);
        return;
    case CaptionGlyph::DownTriangle:
        for (int i = 0; i <= 4; ++i)
            PenLine(painter, { x + 5 - i, y + 6 - i }, { x + 5 + i, y + 6 - i }, color);
        return;
    case CaptionGlyph::FilledSquare:
        painter.fillRect(QRect(x + 2, y + 2, 5, 5), color);
        return;
    case CaptionGlyph::FlatRectangle:
        Outline(painter, x + 1, y + 3, x + 9, y + 6, color);
        return;
    }
}

void DrawGlyphFrame(QPainter& painter, const QPoint& position, const QImage& strip, int frameCount, int frameIndex)
{
    if (strip.isNull() || frameCount < 1 || frameIndex < 1 || frameIndex > frameCount)
        return;
    int const frameWidth = strip.width() / frameCount;
    if (frameWidth < 1)
        return;
    QImage frame = strip.copy((frameIndex - 1) * frameWidth, 0, frameWidth, strip.height())
                       .convertToFormat(QImage::Format_ARGB32);
    QRgb const transparent = frame.pixel(0, frame.height() - 1) & 0xffffffu;
    for (int y = 0; y < frame.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if ((row[x] & 0xffffffu) == transparent)
                row[x] = 0;
        }
    }
    painter.drawImage(position, frame);
}
