#pragma once

#include "skin/controls/part_faces.h"
#include "skin/data/skin_values.h"

#include <QImage>
#include <QRect>

class TbsDataSkinTabControl;

// The state a tab is drawn in. Only an inactive tab takes the mouse-over look;
// focused means the selected tab of a control that has the focus.
struct TabLook {
    bool active { false };
    bool mouseIn { false };
    bool focused { false };
};

// The pictures of a tab definition the tabs and the strip are painted from,
// in the picture's coordinates, taken once when the control takes the
// definition. The selected tab's face is its own or the normal one, the
// focused selected tab's its own or the selected one; the strip's piece is
// the tab background piece or, without one, the frame's client piece, which
// the pages show.
struct TabPieces {
    QRect tab;
    QRect activeTab;
    QRect focusTab;
    // Empty where the skin has no mouse-over face.
    QRect mouseInTab;
    PartFaces closeButton;
    QRect clientPiece;
    QRect stripPiece;
};
TabPieces TakeTabPieces(const TbsDataSkinTabControl& definition);

// Where the dotted focus mark goes on a selected tab's face of faceSize, or
// an empty rectangle where none is drawn: the skin's own mark where it asks
// for one; an inset mark where its focused tab would otherwise look just like
// the selected one, so the focus can always be seen.
QRect TabFocusMarkRect(const TbsDataSkinTabControl& definition, const TabPieces& pieces, const QSize& faceSize);

// The image a tab in this state is composed from.
const QRect& TabFaceRect(const TabPieces& pieces, const TabLook& look);
SkinColor TabFontColor(const TbsDataSkinTabControl& definition, const TabLook& look);

// How many rows the selected tab reaches further towards the page than the
// others, so that it covers the page frame's edge below it.
int ActiveTabGrowth(const TabPieces& pieces);

// A tab's face at width x height from faceRect. With tabHeight 0 (the control
// takes its tab height from the skin) the face keeps tableftoffset and
// tabrightoffset columns at its ends and stretches or repeats the middle; a
// set tabHeight stretches every band of the face on both axes instead.
QImage ComposeTabFace(const QImage& picture, const TbsDataSkinTabControl& definition, const QRect& faceRect,
    int width, int height, int tabHeight);
