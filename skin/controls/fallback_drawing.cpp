#include "skin/controls/fallback_drawing.h"

#include "skin/controls/plain_look_colors.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/outline.h"
#include "skin/draw/system_colors.h"
#include "skin/draw/whole_pixel_scaling.h"

#include <QPainter>

namespace {

// Inverts logical pixel (x, y): all its device pixels on a face of a higher ratio.
void InvertPixel(QImage& image, int x, int y)
{
    if (!LogicalRect(image).contains(x, y))
        return;
    const int ratio = WholePixelRatio(image.devicePixelRatio());
    for (int dy = 0; dy < ratio; ++dy) {
        for (int dx = 0; dx < ratio; ++dx) {
            const QPoint at(x * ratio + dx, y * ratio + dy);
            image.setPixel(at, image.pixel(at) ^ 0x00FFFFFFu);
        }
    }
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
    DrawOutline(painter, rect, color);
}

void Frame3D(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight)
{
    DrawOutline3D(painter, rect, topLeft, bottomRight);
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
