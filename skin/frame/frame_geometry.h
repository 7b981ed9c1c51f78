#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class TbsFormInfo;

// Where the parts of a skin's frame land on a window of a given size. The
// corner areas of the frame picture stay put or follow the right and bottom
// edges; everything between them grows with the window. The rectangles are
// taken from the skin's form definition here, once, as QRects (see
// frame_rect.h).
struct TbsFrameGeometry {
    int width { 0 };
    int height { 0 };
    QPoint nLT;
    QPoint nRT;
    QPoint nLB;
    QPoint nRB;
    QRect nClient;
    QRect nCaption;
    QRect nButtons;
    QPoint hLT;
    QPoint hRT;
    QPoint hLB;
    QPoint hRB;
    QRect nMask;
};

// The geometry of the frame of info (drawn on a picture of pictureSize) on a
// window of width x height.
TbsFrameGeometry CalcResizeGeometry(const TbsFormInfo& info, const QSize& pictureSize, int width, int height);

// The thickness of the skin frame on each side of the client area; sides that
// would be negative count 0.
QMargins SkinFrameMargins(const TbsFormInfo& info, const QSize& pictureSize);

// The default frame drawn without a skin: a 3-pixel border and a caption of
// captionHeight above the client area.
QMargins DefaultFrameMargins(int captionHeight);

// The client rectangle a window of size gets inside margins; it shrinks to
// nothing rather than turn inside out.
QRect ClientRectInside(const QSize& size, const QMargins& margins);
