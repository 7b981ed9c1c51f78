#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace fallback {

// Small drawing routines for the faces controls show without a skin. They work
// on exact pixels: rectangles exclude their right and bottom edge and lines
// exclude their end point, as the platform's line drawing does.

// A one-pixel frame just inside rect.
void FrameRect(QPainter& painter, const QRect& rect, const QColor& color);

// A one-pixel 3-D frame: topLeft on the top and left edge, bottomRight on the
// bottom and right edge.
void Frame3D(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight);

// The focus marker: every other pixel of the rectangle's outline inverted.
void DrawFocusRect(QImage& image, const QRect& rect);

// An 8 × 7 check mark with its top-left at (x, y).
void DrawCheckGlyph(QImage& image, int x, int y, const QColor& color);

// A 6 × 6 filled square with its top-left at (x, y).
void DrawRadioGlyph(QImage& image, int x, int y, const QColor& color);

enum class ArrowDirection { Left = 1, Right = 2, Up = 3, Down = 4 };

// A 4-pixel arrow head centred in rect.
void DrawArrowGlyph(QImage& image, const QRect& rect, ArrowDirection direction, const QColor& color);

// Draws picture with its bottom-left pixel's colour left out, the way the
// built-in and skin pictures mark their transparent parts.
void DrawTransparentImage(QPainter& painter, const QPoint& at, const QImage& picture);

// A caption laid out the way a button lays out its caption without a glyph:
// measured with word wrap in rect, centred (margin −1) or margin pixels from
// the left, moved one pixel right and down while pressed.
void DrawButtonCaption(QPainter& painter, const QRect& rect, const QString& caption, int margin, bool pressed);

} // namespace fallback
