#pragma once

#include "skin/draw/compose_skin_image.h"
#include "skin/draw/composition_mode.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <optional>
#include <vector>

// Window shapes from mask pictures: a mask pixel whose red, green and blue are
// all 0 belongs to the shape, every other colour lies outside.

// The shape of a mask as one rectangle per horizontal run of black pixels,
// top row first and left to right, offset by (xOffset, yOffset); bounds is the
// mask's rectangle at that offset. There is no limit on the number of runs.
struct MaskRegionData {
    QRect bounds;
    std::vector<QRect> rects;

    // The size of the platform's region block for these rectangles: a 32-byte
    // header and 16 bytes per rectangle; 0 for an empty mask.
    qsizetype SizeInBytes() const;
    QRegion ToRegion() const;
};
MaskRegionData MaskToRegionData(const QImage& mask, int xOffset, int yOffset);

// The shape of the whole mask at (0, 0); none for an empty mask, an empty
// region for a mask without black pixels.
std::optional<QRegion> RegionFromMask(const QImage& mask);

// The four mask strips of a nine-piece element at the target size, cut from
// the mask (whose own size is the skin size) with every band repeated, never
// stretched: top (width x client top, the band laid from the target left-top
// x), bottom, left and right (as high as the target client rectangle, bands
// laid from their own top). They belong at (0, 0), (0, client bottom),
// (0, client top) and (client right, client top); what no piece covers is
// white, outside the shape. Null strips for a null mask.
SkinBorderStrips ComposeMaskBorders(const QImage& mask, const SkinPieceGeometry& piece,
    const SkinTargetGeometry& target);

// The client rectangle united with the four mask strips of
// ComposeMaskBorders laid at their places around it.
QRegion RegionOfMaskBorders(const SkinBorderStrips& strips, const QRect& client);

// The shape of a nine-piece element at the target size: the target client
// rectangle united with the four border strips cut from the mask (whose own
// size is the skin size), their bands always repeated. None when the target is
// smaller than the fixed parts.
std::optional<QRegion> ComposeMaskRegion(const QImage& mask, const SkinPieceGeometry& piece,
    const SkinTargetGeometry& target);

// The shape of an element of the given mode at width x height (after the
// mode's size rule): the whole mask when fixed, ComposeMaskRegion otherwise
// with the points of the fixed axis repeated. None without a mask or skin.
std::optional<QRegion> SkinFaceRegion(const QImage& mask, const SkinPieceGeometry& piece, CompositionMode mode,
    int width, int height);
