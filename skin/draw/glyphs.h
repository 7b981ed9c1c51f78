#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

// Small glyphs drawn pixel by pixel in one colour where a skin has no picture
// for them. Lines follow the platform pen: the end point is not drawn.

enum class ArrowDirection { Left = 1, Right = 2, Up = 3, Down = 4 };

// A 4-pixel arrow head centred on rect (centre = left + width div 2, top +
// height div 2).
void DrawArrowGlyph(QPainter& painter, const QRect& rect, ArrowDirection direction, const QColor& color);
// The 3-pixel down arrow of drop-down buttons, centred on rect.
void DrawDropGlyph(QPainter& painter, const QRect& rect, const QColor& color);
// A 7 x 7 check mark three strokes thick, its box's top-left at topLeft.
void DrawCheckGlyph(QPainter& painter, const QPoint& topLeft, const QColor& color);
// The 6 x 6 dot of a radio box.
void DrawRadioGlyph(QPainter& painter, const QPoint& topLeft, const QColor& color);

// The shapes the frame draws on caption buttons, in a 10-pixel cell.
enum class CaptionGlyph {
    Close,
    Minimize,
    Maximize,
    Restore,
    UpTriangle, // roll up
    DownTriangle, // roll down
    FilledSquare,
    FlatRectangle,
};
void DrawCaptionGlyph(QPainter& painter, CaptionGlyph glyph, const QPoint& topLeft, const QColor& color);

// Frame frameIndex (1-based) of a strip of frameCount equal frames side by
// side, drawn at position with the frame's bottom-left pixel colour left
// transparent. Nothing for an index outside the strip.
void DrawGlyphFrame(QPainter& painter, const QPoint& position, const QImage& strip, int frameCount, int frameIndex);
