#pragma once

#include "skin/data/skin_rect.h"
#include "skin/frame/frame_geometry.h"

#include <QSize>
#include <memory>
#include <vector>

class TbsActiveSkinObject;
class TbsFormInfo;

// rect of the frame picture (of pictureSize) moved and grown with the corner
// areas it lies in, for a window dx wider and dy higher than the picture.
SkinRect AnchorToFrame(const SkinRect& rect, const TbsFormInfo& info, const QSize& pictureSize, int dx, int dy);

// Places every object for the window of geometry: objects drawn in the frame
// picture follow their corners; caption buttons line up in the button row
// (or along the caption), and the caption gives way to them.
void LayoutObjects(const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects, const TbsFormInfo& info,
    const QSize& pictureSize, const TbsFrameGeometry& geometry);
