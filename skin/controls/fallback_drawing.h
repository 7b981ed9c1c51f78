#pragma once

#include "skin/draw/glyphs.h"

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

// Frames for the faces controls show without a skin. Rectangles exclude their
// right and bottom edge, as the platform's do.
namespace fallback {

// A one-pixel frame just inside rect.
void FrameRect(QPainter& painter, const QRect& rect, const QColor& color);

// A one-pixel 3-D frame: topLeft on the top and left edge, bottomRight on the
// bottom and right edge.
void Frame3D(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight);

// How a plain button face shows its state.
enum class PlainLook { Normal, Hot, Down };

// The face of a button, an arrow or a thumb without a skin: button face in a
// shadow frame, or the hot or pressed fill in a navy frame.
void PlainButtonFace(QPainter& painter, const QRect& rect, PlainLook look);

// The focus marker: every other pixel of the rectangle's outline inverted.
void DrawFocusRect(QImage& image, const QRect& rect);

// The arrow glyph drawn straight into a face.
using ::ArrowDirection;
void DrawArrowGlyph(QImage& image, const QRect& rect, ArrowDirection direction, const QColor& color);

} // namespace fallback
