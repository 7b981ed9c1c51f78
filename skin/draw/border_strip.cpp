#include "skin/draw/border_strip.h"

#include "skin/draw/engine_bitmap.h"

namespace {

// A piece copied unscaled with its top-left at position.
void DrawAt(QImage& destination, const QPoint& position, const QImage& picture, const QRect& piece)
{
    DrawPiece(destination, QRect(position, piece.size()), picture, piece);
}

} // namespace

QImage ComposeBorderStrip(const QImage& source, const BorderStripPlan& plan)
{
    QImage strip = MakeSkinBitmap(plan.size.width(), plan.size.height(), plan.ground);
    if (strip.isNull())
        return strip;
    DrawBand(strip, plan.bandArea, source, plan.band, plan.stretch);
    DrawAt(strip, plan.startAt, source, plan.startPiece);
    DrawAt(strip, plan.endAt, source, plan.endPiece);
    return strip;
}
