#include "skin/controls/fallback_drawing.h"

#include "skin/controls/plain_look_colors.h"
#include "skin/draw/system_colors.h"

#include <QPainter>

namespace {

void InvertPixel(QImage& image, int x, int y)
{
    if (image.rect().contains(x, y))
        image.setPixel(x, y, image.pixel(x, y) ^ 0x00FFFFFFu);
}

} // namespace

namespace fallback {

void PlainButtonFace(QPainter& painter, const QRect& rect, PlainLook look)
{
    if (rect.isEmpty())
        return;
    const SkinColor fill = look == PlainLook::Down ? kPlainDownFill : look == PlainLook::Hot ? kPlainHotFill : clBtnFace;
    painter.fillRect(rect, SkinColorToQColor(fill));
    FrameRect(painter, rect, SkinColorToQColor(look == PlainLook::Normal ? clBtnShadow : clNavy));
}

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

void DrawArrowGlyph(QImage& image, const QRect& rect, ArrowDirection direction, const QColor& color)
{
    QPainter painter(&image);
    ::DrawArrowGlyph(painter, rect, direction, color);
}

} // namespace fallback
