#include "skin/controls/fallback_drawing.h"

#include <QPainter>
#include <cstdlib>

namespace {

void SetPixelIfInside(QImage& image, int x, int y, QRgb rgb)
{
    if (image.rect().contains(x, y))
        image.setPixel(x, y, rgb);
}

// A line from `from` towards `to`, the end point left out.
void DrawLineExclusive(QImage& image, QPoint from, QPoint to, QRgb rgb)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        SetPixelIfInside(image, x, y, rgb);
        const int doubled = 2 * error;
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

void InvertPixel(QImage& image, int x, int y)
{
    if (image.rect().contains(x, y))
        image.setPixel(x, y, image.pixel(x, y) ^ 0x00FFFFFFu);
}

} // namespace

namespace fallback {

void FrameRect(QPainter& painter, const QRect& rect, const QColor& color)
{
    Frame3D(painter, rect, color, color);
}

void Frame3D(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    painter.fillRect(QRect(left, top, rect.width(), 1), topLeft);
    painter.fillRect(QRect(left, top, 1, rect.height()), topLeft);
    painter.fillRect(QRect(left, bottom - 1, rect.width(), 1), bottomRight);
    painter.fillRect(QRect(right - 1, top, 1, rect.height()), bottomRight);
}

void DrawFocusRect(QImage& image, const QRect& rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int left = rect.left();
    const int top = rect.top();
    const int right = left + rect.width() - 1;
    const int bottom = top + rect.height() - 1;
    // The dots follow one checkerboard so that corners shared by two edges
    // are inverted once.
    for (int x = left; x <= right; ++x) {
        if ((x + top) % 2 == 0)
            InvertPixel(image, x, top);
        if (bottom != top && (x + bottom) % 2 == 0)
            InvertPixel(image, x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        if ((left + y) % 2 == 0)
            InvertPixel(image, left, y);
        if (right != left && (right + y) % 2 == 0)
            InvertPixel(image, right, y);
    }
}

void DrawCheckGlyph(QImage& image, int x, int y, const QColor& color)
{
    const QRgb rgb = color.rgb();
    for (int i = 0; i < 3; ++i) {
        const QPoint start(x, y + 5 - i);
        const QPoint bend(x + 2, y + 7 - i);
        const QPoint end(x + 7, y + 2 - i);
        DrawLineExclusive(image, start, bend, rgb);
        DrawLineExclusive(image, bend, end, rgb);
    }
}

void DrawRadioGlyph(QImage& image, int x, int y, const QColor& color)
{
    QPainter painter(&image);
    painter.fillRect(QRect(x, y, 6, 6), color);
}

void DrawArrowGlyph(QImage& image, const QRect& rect, ArrowDirection direction, const QColor& color)
{
    const int cx = rect.left() + rect.width() / 2;
    const int cy = rect.top() + rect.height() / 2;
    const QRgb rgb = color.rgb();
    for (int i = 0; i < 4; ++i) {
        const int n = 3 - i;
        switch (direction) {
        case ArrowDirection::Left:
            DrawLineExclusive(image, { cx - 2 + i, cy - i }, { cx - 2 + i, cy + i + 1 }, rgb);
            break;
        case ArrowDirection::Right:
            DrawLineExclusive(image, { cx + 2 - n, cy + n }, { cx + 2 - n, cy - n - 1 }, rgb);
            break;
        case ArrowDirection::Up:
            DrawLineExclusive(image, { cx - i, cy - 2 + i }, { cx + i + 1, cy - 2 + i }, rgb);
            break;
        case ArrowDirection::Down:
            DrawLineExclusive(image, { cx - n, cy + 2 - n }, { cx + n + 1, cy + 2 - n }, rgb);
            break;
        }
    }
}

void DrawTransparentImage(QPainter& painter, const QPoint& at, const QImage& picture)
{
    if (picture.isNull())
        return;
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1) & 0x00FFFFFFu;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == key)
                line[x] = 0;
        }
    }
    painter.drawImage(at, keyed);
}

void DrawButtonCaption(QPainter& painter, const QRect& rect, const QString& caption, int margin, bool pressed)
{
    if (caption.isEmpty())
        return;
    constexpr int kFlags = Qt::TextWordWrap | Qt::TextExpandTabs;
    const QRect measured = painter.fontMetrics().boundingRect(QRect(0, 0, rect.width(), rect.height()), kFlags, caption);
    const int textWidth = measured.width();
    const int textHeight = measured.height();
    const int centreX = rect.left() + rect.width() / 2;
    const int centreY = rect.top() + rect.height() / 2;
    int x = margin == -1 ? centreX + textWidth / 2 - textWidth : rect.left() + margin;
    int y = centreY - textHeight / 2;
    if (pressed) {
        ++x;
        ++y;
    }
    painter.drawText(QRect(x, y, textWidth + 2, textHeight), kFlags | Qt::AlignHCenter, caption);
}

} // namespace fallback
