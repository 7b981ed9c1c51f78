#include "skin/draw/outline.h"

#include <QPainter>

void DrawOutline(QPainter& painter, const QRect& rect, const QColor& color)
{
    DrawOutline3D(painter, rect, color, color);
}

void DrawOutline3D(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight)
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
