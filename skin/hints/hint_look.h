#pragma once

#include "skin/draw/composition_mode.h"

#include <QFont>
#include <QImage>
#include <QRgb>

class TbsSkinData;

// What a hint window draws from, looked up each time a hint is shown, so a
// hint always wears the skin of the moment. It holds copies, never pointers
// into the skin, and stays valid across skin changes.
//
// Without a usable hint window in the skin (no skin, no picture, points or a
// client rectangle outside the picture) the look is the plain tooltip: a
// pale box with a dark border.
struct HintLook {
    // The whole hint picture is the piece; null for the plain look.
    QImage picture;
    // Null when the skin gives no mask of the picture's size.
    QImage maskPicture;
    SkinPieceGeometry piece;
    QFont font;
    QRgb textColor { 0 };

    bool Skinned() const { return !picture.isNull(); }
};

HintLook LookUpHintLook(const TbsSkinData* skin);
