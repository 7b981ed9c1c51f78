#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

// Where a button's glyph sits relative to its caption.
enum TbsButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

struct GlyphTextPositions {
    QPoint glyph;
    QPoint text;
};

// Places a glyph of glyphWidth x glyphHeight and a caption of textWidth x
// textHeight in rect: margin pixels from the glyph's side of rect, or the pair
// centred when margin is -1, with spacing between them (none without a glyph).
GlyphTextPositions LayoutGlyphAndText(TbsButtonLayout layout, const QRect& rect, int glyphWidth, int glyphHeight,
    int margin, int spacing, int textWidth, int textHeight);

// The look of a focused element: a caller passes it to the routines below.
struct FocusMark {
    bool focused { false };
    QColor color;
};

// Draws a caption and frame frameIndex (1-based) of a glyph strip of
// frameCount frames in rect with the painter's font and pen: the caption is
// word-wrapped and tab-expanded in the room the glyph leaves, centred, on a
// transparent background; both move 1 pixel right and down when pressed.
void DrawGlyphAndText(QPainter& painter, const QRect& rect, int margin, int spacing, TbsButtonLayout layout,
    const QString& caption, const QImage& glyphStrip, int frameCount, int frameIndex, bool pressed,
    const FocusMark& focus);

// The same with one image of an image list, drawn greyed when not enabled.
void DrawImageAndText(QPainter& painter, const QRect& rect, int margin, int spacing, TbsButtonLayout layout,
    const QString& caption, const QImage& image, bool enabled, bool pressed, const FocusMark& focus);
