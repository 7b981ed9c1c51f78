#pragma once

#include <QImage>

class QPainter;
class QRegion;
class QSize;

// A widget's face is built off-screen and copied to the screen. The image is
// kept between paints and made anew only when the widget's size or pixel
// ratio changes, and a paint copies only what it exposes, so a small update
// (a caret, a hover) does not allocate or copy the whole face.

// Whether face has the logical size at the whole pixel ratio in the engine's
// format, so that it can be kept.
bool FaceBufferFits(const QImage& face, const QSize& size, int ratio);

// Gives face the logical size at the whole pixel ratio in the engine's
// format. A face that has them already keeps its memory and its pixels;
// otherwise it is replaced by a new one whose pixels are undefined.
void FitFaceBuffer(QImage& face, const QSize& size, int ratio);

// Copies the parts of face under region to painter, each to its own place:
// face covers the widget from its top-left at the face's pixel ratio.
void DrawExposedFace(QPainter& painter, const QImage& face, const QRegion& region);
