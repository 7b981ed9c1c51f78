#pragma once

#include "skin/menus/popup_geometry.h"
#include "skin/menus/popup_look.h"

#include "skin/draw/composition_mode.h"

#include <QImage>

class TbsMenuItem;

// Drawing a popup menu window into an off-screen image: the window's
// background and frame, each row, the scroll markers. The window widget and
// the skin tool's preview share these, so a preview shows what a menu shows.

struct PopupRowState {
    // The row shows its highlighted face (under the mouse, selected by the
    // keyboard, or its submenu open).
    bool active { false };
    // 0 for the normal face, 1 for the highlighted one, between them while
    // a morphing skin blends.
    double morph { 0 };
    // The frame of the row's animation, for skins with one; the faces at
    // either end.
    int frame { 0 };
};

// The window picture as a nine-piece geometry with the items rectangle as
// its client, and where its points land at a window size.
SkinPieceGeometry PopupWindowPiece(const PopupLook& look, const PopupMetrics& metrics);
SkinTargetGeometry PopupWindowTarget(const PopupFrame& frame, int width, int height);

// The window without its rows, at image's size.
void PaintPopupWindow(QImage& image, const PopupLook& look, const PopupMetrics& metrics, const PopupFrame& frame,
    bool menuHasImages);

// One row at rect; background is the window as PaintPopupWindow left it, for
// skins whose normal rows let the window show through.
void PaintPopupRow(QImage& image, const QImage& background, const PopupLook& look, const PopupMetrics& metrics,
    const TbsMenuItem& item, const QRect& rect, const PopupRowState& state);

// The normal row face stretched over rect: the ground of the scroll markers
// and of the gap below the last visible row.
void PaintPopupRowGround(QImage& image, const QImage& background, const PopupLook& look,
    const PopupMetrics& metrics, const QRect& rect);

enum class PopupScrollCode { None = 0, Up = 1, Down = 2 };

// The two marker bands of a scrolling window, the arrow of the direction
// that is scrolling in the marker's active colour.
void PaintScrollMarkers(QImage& image, const QImage& background, const PopupLook& look,
    const PopupMetrics& metrics, const PopupFrame& frame, PopupScrollCode scrolling);

// The widest caption of items (with two spaces and the short cut when there
// is one) in the look's font.
int WidestMenuText(const PopupLook& look, const std::vector<const TbsMenuItem*>& items);
