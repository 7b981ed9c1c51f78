#pragma once

#include "skin/data/frame_command.h"
#include "skin/frame/frame_geometry.h"

#include <QRect>
#include <QSize>
#include <vector>

class TbsFormInfo;

// A frame object as its layout sees it.
struct TbsFrameObjectSlot {
    // Where it is now; an object the layout does not place stays there.
    QRect place;
    // Its face in the frame picture, which it follows unless drawn from a
    // picture of its own.
    QRect skinRect;
    bool inPicture { false };
    bool visible { true };
    // Caption buttons line up in the button row, in command order.
    bool inButtonRow { false };
    TbsStdCommand command { cmDefault };
    bool isCaption { false };
    QSize rowSize;
    // A standard caption button, which the default frame lines up by its
    // command wherever the skin drew it.
    bool captionButton { false };
};

// rect of the frame picture (of pictureSize) moved and grown with the corner
// areas it lies in, for a window dx wider and dy higher than the picture.
QRect AnchorToFrame(const QRect& rect, const TbsFormInfo& info, const QSize& pictureSize, int dx, int dy);

// The place of every object, in the order given, for the window of geometry:
// objects drawn in the frame picture follow their corners; caption buttons
// line up in the button row (or along the caption), and the caption gives way
// to them.
std::vector<QRect> LayoutObjects(const std::vector<TbsFrameObjectSlot>& objects, const TbsFormInfo& info,
    const QSize& pictureSize, const TbsFrameGeometry& geometry);
