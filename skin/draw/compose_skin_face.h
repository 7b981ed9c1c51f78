#pragma once

#include "skin/draw/composition_mode.h"

#include <QImage>

// The face of a skinned element at the size its composition mode allows for
// the proposed width x height: the skin rectangle as it is (fixed), the
// nine-piece composition with its client (full), or the three-piece
// compositions (horizontal, vertical; the middle stretched when the piece's
// stretchEffect is set). faceRect stands in for the piece's skin rectangle, so
// other faces of the same geometry (pressed, disabled, ...) compose alike. A
// null image for mode none or no picture.
QImage ComposeSkinFace(const QImage& picture, const SkinPieceGeometry& piece, CompositionMode mode,
    const QRect& faceRect, int width, int height);
