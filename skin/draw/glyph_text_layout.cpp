#include "skin/draw/glyph_text_layout.h"

#include "skin/draw/axis.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/glyphs.h"

#include <QFontMetrics>
#include <QPainter>

GlyphTextPositions LayoutGlyphAndText(TbsButtonLayout layout, const QRect& rect, int glyphWidth, int glyphHeight,
    int margin, int spacing, int textWidth, int textHeight)
{
    if (glyphWidth == 0)
        spacing = 0;
    // The pair lies along the axis the glyph is beside the caption on, the
    // glyph at its start or its end; across it both are centred.
    Axis const axis = layout == blGlyphLeft || layout == blGlyphRight ? Axis::Horizontal : Axis::Vertical;
    bool const glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
    QSize const glyph(glyphWidth, glyphHeight);
    QSize const text(textWidth, textHeight);
    QPoint const start = rect.topLeft();
    QPoint const end = rect.topLeft() + QPoint(rect.width(), rect.height()); // just past the bottom-right
    QPoint const centre = rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2);
    int const middle = Along(axis, centre);
    int const span = Along(axis, glyph) + Along(axis, text) + spacing;
    bool const centred = margin == -1;

    int glyphAt = 0;
    int textAt = 0;
    if (glyphFirst) {
        glyphAt = centred ? middle - span / 2 : Along(axis, start) + margin;
        textAt = centred ? middle + span / 2 - Along(axis, text) : glyphAt + Along(axis, glyph) + spacing;
    } else {
        glyphAt = centred ? middle + span / 2 - Along(axis, glyph) : Along(axis, end) - Along(axis, glyph) - margin;
        textAt = centred ? middle - span / 2 : glyphAt - spacing - Along(axis, text);
    }
    int const crossMiddle = Across(axis, centre);
    return { PointOnAxis(axis, glyphAt, crossMiddle - Across(axis, glyph) / 2),
        PointOnAxis(axis, textAt, crossMiddle - Across(axis, text) / 2) };
}

namespace {

constexpr int kCaptionFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;

QSize MeasureCaption(const QPainter& painter, const QRect& rect, TbsButtonLayout layout, const QString& caption,
    int glyphWidth, int glyphHeight)
{
    if (caption.isEmpty())
        return {};
    bool const glyphBeside = layout == blGlyphLeft || layout == blGlyphRight;
    int const roomWidth = rect.width() - (glyphBeside ? glyphWidth : 0);
    int const roomHeight = rect.height() - (glyphBeside ? 0 : glyphHeight);
    return QFontMetrics(painter.font()).boundingRect(QRect(0, 0, roomWidth, roomHeight), kCaptionFlags, caption).size();
}

struct PlacedCaption {
    QPoint glyph;
    QRect caption;
};

// Lays the pair out, draws the caption, and returns where the glyph goes;
// the caller draws the glyph and then the focus mark.
PlacedCaption PlaceAndDrawCaption(QPainter& painter, const QRect& rect, int margin, int spacing,
    TbsButtonLayout layout, const QString& caption, QSize glyph, bool pressed)
{
    QSize const text = MeasureCaption(painter, rect, layout, caption, glyph.width(), glyph.height());
    GlyphTextPositions at = LayoutGlyphAndText(layout, rect, glyph.width(), glyph.height(), margin, spacing,
        text.width(), text.height());
    if (pressed) {
        at.glyph += QPoint(1, 1);
        at.text += QPoint(1, 1);
    }
    QRect const captionRect(at.text, text);
    if (!caption.isEmpty())
        painter.drawText(captionRect.adjusted(0, 0, 2, 0), kCaptionFlags, caption);
    return { at.glyph, captionRect };
}

void DrawFocusMark(QPainter& painter, const FocusMark& focus, const PlacedCaption& placed, QSize glyph,
    bool hasCaption, const QRect& withNeither)
{
    if (!focus.focused)
        return;
    if (!glyph.isEmpty())
        painter.fillRect(QRect(placed.glyph.x(), placed.glyph.y() + glyph.height() - 2, glyph.width(), 3), focus.color);
    else if (hasCaption)
        painter.fillRect(QRect(placed.caption.left(), placed.caption.bottom(), placed.caption.width(), 3), focus.color);
    else
        painter.fillRect(withNeither, focus.color);
}

// The image-list look of a disabled image: grey and lighter, transparency kept.
QImage Greyed(const QImage& image)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            int const level = (qGray(row[x]) + 255) / 2;
            row[x] = qRgba(level, level, level, qAlpha(row[x]));
        }
    }
    return grey;
}

} // namespace

void DrawGlyphAndText(QPainter& painter, const QRect& rect, int margin, int spacing, TbsButtonLayout layout,
    const QString& caption, const QImage& glyphStrip, int frameCount, int frameIndex, bool pressed,
    const FocusMark& focus)
{
    QSize glyph;
    if (!glyphStrip.isNull() && frameCount > 0)
        glyph = QSize(glyphStrip.width() / frameCount, glyphStrip.height());
    PlacedCaption const placed = PlaceAndDrawCaption(painter, rect, margin, spacing, layout, caption, glyph, pressed);
    if (!glyph.isEmpty())
        DrawGlyphFrame(painter, placed.glyph, glyphStrip, frameCount, frameIndex);
    QRect const withNeither = pressed ? rect.adjusted(4, 5, -2, -3) : rect.adjusted(4, 4, -2, -4);
    DrawFocusMark(painter, focus, placed, glyph, !caption.isEmpty(), withNeither);
}

void DrawImageAndText(QPainter& painter, const QRect& rect, int margin, int spacing, TbsButtonLayout layout,
    const QString& caption, const QImage& image, bool enabled, bool pressed, const FocusMark& focus)
{
    QSize const glyph = image.isNull() ? QSize() : image.size();
    PlacedCaption const placed = PlaceAndDrawCaption(painter, rect, margin, spacing, layout, caption, glyph, pressed);
    if (!glyph.isEmpty())
        painter.drawImage(placed.glyph, enabled ? image : Greyed(image));
    DrawFocusMark(painter, focus, placed, glyph, !caption.isEmpty(),
        rect.adjusted(4, 4, -2, -4));
}
