#pragma once

#include "skin/data/skin_rect.h"

#include <QRect>

// A part's faces in the picture, taken with its definition: where the skin
// gives no hot face the part shows its normal one, and where it gives no
// pressed face its hot one.
struct PartFaces {
    QRect normal;
    QRect hot;
    QRect down;
};
PartFaces TakePartFaces(const SkinRect& normal, const SkinRect& hot, const SkinRect& down);
