#pragma once

#include <QPainter>
#include <QRegion>

// Runs draw(part) once for each rectangle of region, with painter clipped to
// that rectangle on top of any clip it already has. A copy under a clip of one
// rectangle goes as one block; under a clip of many rectangles, as a shaped or
// partly covered paint has, Qt copies span by span and splits a tall copy
// across threads that the paint must create and wait for.
template <typename Draw> void DrawEachExposedPart(QPainter& painter, const QRegion& region, Draw draw)
{
    for (const QRect& part : region) {
        painter.save();
        painter.setClipRect(part, Qt::IntersectClip);
        draw(part);
        painter.restore();
    }
}
