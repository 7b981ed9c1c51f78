#pragma once

#include <QImage>
#include <QSize>
#include <QtGlobal>
#include <memory>

class QPainter;
class QRegion;
struct TbsLoadedSkin;

// A widget's face is built off-screen and copied to the screen. The image is
// kept between paints and made anew only when the widget's size or pixel
// ratio changes, and a paint copies only what it exposes, so a small update
// (a caret, a hover) does not allocate or copy the whole face.

// The state a face shows that changes through Qt's events rather than the
// control's own setters, as the control reports it.
struct FaceInputs {
    bool enabled { false };
    bool focused { false };
    bool hovered { false };
    bool pressed { false };
    bool operator==(const FaceInputs&) const = default;
};

// Everything a kept face was built from. A paint whose key equals the kept
// face's copies that face; any difference builds it again. The revision
// counts the control's own changes to what it shows.
struct FaceKey {
    QSize size;
    int ratio { 0 };
    // The skin the definition was looked up in, held weakly so that a new
    // skin never passes for a freed one that lay at the same address.
    std::weak_ptr<const TbsLoadedSkin> skin;
    int definitionIndex { -1 };
    quint64 revision { 0 };
    FaceInputs inputs;

    bool operator==(const FaceKey& other) const;
};

// Whether face has the logical size at the whole pixel ratio in the engine's
// format, so that it can be kept.
bool FaceBufferFits(const QImage& face, const QSize& size, int ratio);

// Gives face the logical size at the whole pixel ratio in the engine's
// format. A face that has them already keeps its memory and its pixels;
// otherwise it is replaced by a new one whose pixels are undefined.
void FitFaceBuffer(QImage& face, const QSize& size, int ratio);

// Copies the parts of face under region to painter, each to its own place:
// face covers the widget from its top-left at the face's pixel ratio, reduced
// to the device's pixels on a screen of fractional ratio.
void DrawExposedFace(QPainter& painter, const QImage& face, const QRegion& region);
