#pragma once

#include "skin/draw/composition_mode.h"

#include <QRect>
#include <array>

// Where the pieces of a nine-piece composition are cut from the skin
// rectangle (coordinates relative to its top-left) and where each lands in
// the target (relative to the target's top-left). Both the composed face and
// the border strips walk this one list.
//
// Each edge has its band between the points and a piece at either end. The
// corners are cut the same way at all four: the top and bottom edges' end
// pieces take the whole corner from the outer edge to the client rectangle,
// the side edges' end pieces only what lies between the client rectangle's
// top and bottom.
struct SkinCut {
    QRect source;
    QRect target;
};

struct SkinEdgeCuts {
    SkinCut band;
    // Stretched into its target, else repeated.
    bool stretch { false };
    // The pieces before and after the band: left and right on the top and
    // bottom edges, above and below it on the sides.
    SkinCut head;
    SkinCut tail;
};

struct NinePieceCuts {
    SkinEdgeCuts top;
    SkinEdgeCuts left;
    SkinEdgeCuts right;
    SkinEdgeCuts bottom;
    SkinCut client;

    // In the order the composed face draws them (bands first, end pieces
    // over them).
    std::array<const SkinEdgeCuts*, 4> Edges() const { return { &top, &bottom, &left, &right }; }
};

NinePieceCuts CutNinePieces(const SkinPieceGeometry& piece, const SkinTargetGeometry& target);
