#include "skin/draw/nine_piece_cuts.h"

#include "skin/draw/engine_bitmap.h"

NinePieceCuts CutNinePieces(const SkinPieceGeometry& piece, const SkinTargetGeometry& target)
{
    QPoint const &lt = piece.leftTop, &rt = piece.rightTop, &lb = piece.leftBottom, &rb = piece.rightBottom;
    QPoint const &nlt = target.leftTop, &nrt = target.rightTop, &nlb = target.leftBottom, &nrb = target.rightBottom;
    // The cuts run along the client rectangles' edges, right and bottom exclusive.
    SkinRect const cl = SkinRect::FromQRect(piece.clientRect);
    SkinRect const ncl = SkinRect::FromQRect(target.clientRect);
    int const sw = piece.skinRect.width();
    int const sh = piece.skinRect.height();
    int const w = target.width;
    int const h = target.height;
    auto const cut = [](int l, int t, int r, int b, int nl, int nt, int nr, int nb) {
        return SkinCut { RectFromEdges(l, t, r, b), RectFromEdges(nl, nt, nr, nb) };
    };

    NinePieceCuts cuts;
    cuts.top = { cut(lt.x(), 0, rt.x(), cl.top, nlt.x(), 0, nrt.x(), ncl.top), piece.topStretch,
        cut(0, 0, lt.x(), cl.top, 0, 0, nlt.x(), ncl.top), cut(rt.x(), 0, sw, cl.top, nrt.x(), 0, w, ncl.top) };
    cuts.bottom = { cut(lb.x(), cl.bottom, rb.x(), sh, nlb.x(), ncl.bottom, nrb.x(), h), piece.bottomStretch,
        cut(0, cl.bottom, lb.x(), sh, 0, ncl.bottom, nlb.x(), h),
        cut(rb.x(), cl.bottom, sw, sh, nrb.x(), ncl.bottom, w, h) };
    cuts.left = { cut(0, lt.y(), cl.left, lb.y(), 0, nlt.y(), ncl.left, nlb.y()), piece.leftStretch,
        cut(0, cl.top, cl.left, lt.y(), 0, ncl.top, ncl.left, nlt.y()),
        cut(0, lb.y(), cl.left, cl.bottom, 0, nlb.y(), ncl.left, ncl.bottom) };
    cuts.right = { cut(cl.right, rt.y(), sw, rb.y(), ncl.right, nrt.y(), w, nrb.y()), piece.rightStretch,
        cut(cl.right, cl.top, sw, rt.y(), ncl.right, ncl.top, w, nrt.y()),
        cut(cl.right, rb.y(), sw, cl.bottom, ncl.right, nrb.y(), w, ncl.bottom) };
    cuts.client = cut(cl.left, cl.top, cl.right, cl.bottom, ncl.left, ncl.top, ncl.right, ncl.bottom);
    return cuts;
}
