#pragma once

#include "skin/hints/hint_look.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <optional>

// A hint window's geometry and picture for one text, as values: the window
// object only shows what these compute.

// The text is wrapped at this width and cut at this height, so no text,
// however long, makes a window larger than a hint should be.
inline constexpr QSize kMaxHintTextSize { 480, 320 };

struct HintGeometry {
    QSize size;
    // Where the skin's points and client rectangle land (skinned look only).
    SkinTargetGeometry target;
    // Where the text is written.
    QRect textRect;
};

// The room text takes in font: wrapped at word breaks within the maximum
// width, cut at the maximum height.
QSize HintTextSize(const QFont& font, const QString& text);

// The window around text: the text fills the skin's client rectangle (with a
// small padding), the picture's edges and corners around it; never smaller
// than the picture's fixed parts.
HintGeometry CalcHintGeometry(const HintLook& look, const QSize& textSize);

// The window's picture: the skin's hint picture composed to the window's
// size, or the plain tooltip box, with the text on it; at the whole pixel
// ratio given (the art doubled, the text drawn at the device's resolution).
QImage RenderHintFace(const HintLook& look, const HintGeometry& geometry, const QString& text, int ratio = 1);

// The window's shape from the skin's mask; none without one.
std::optional<QRegion> HintRegion(const HintLook& look, const HintGeometry& geometry);
