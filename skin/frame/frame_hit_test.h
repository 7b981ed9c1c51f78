#pragma once

#include "skin/frame/frame_geometry.h"

#include <QPoint>
#include <QRect>
#include <functional>
#include <vector>

// What a point of a window is, in the codes of the window system's hit test.
enum TbsHitCode {
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
    HTOBJECT = 19,
};

bool IsSizingHitCode(int code);

// The window's state as the hit test sees it.
struct TbsHitTestState {
    bool rolledUp { false };
    bool minimized { false };
    bool maximized { false };
    bool canResize { true };
    bool hasHotObject { false };
    bool inSizeMove { false };
};

// The skin frame's test. captionRects are the rectangles of the caption
// objects; inShape tells whether a point belongs to the masked window shape
// (empty without a mask picture).
int SkinHitTest(const QPoint& p, const TbsFrameGeometry& geometry, int borderWidth, const TbsHitTestState& state,
    const std::vector<QRect>& captionRects, const std::function<bool(const QPoint&)>& inShape);

// The default frame's test on a window of width x height with a caption of
// captionRect and a caption bar captionHeight high.
int DefaultHitTest(const QPoint& p, int width, int height, int captionHeight, const QRect& captionRect,
    const TbsHitTestState& state);
