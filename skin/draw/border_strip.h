#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// One strip of a nine-piece border, composed on its own: its band laid over
// bandArea (stretched, or repeated from bandArea's top-left), then its two
// end pieces copied unscaled over the band, all on a ground of one colour.
// Skin faces and the window shapes cut from masks both build their borders
// from such strips; they differ only in the plans they make.
struct BorderStripPlan {
    QSize size;
    QRect band;
    bool stretch { false };
    QRect bandArea;
    QRect startPiece;
    QPoint startAt;
    QRect endPiece;
    QPoint endAt;
    // What no piece covers (0x00RRGGBB).
    QRgb ground { 0 };
};

// The strip the plan describes; null when it has no size.
QImage ComposeBorderStrip(const QImage& source, const BorderStripPlan& plan);
