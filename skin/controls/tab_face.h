#pragma once

#include "skin/data/skin_rect.h"
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

// The selected tab's image, its own when the definition gives one.
SkinRect ActiveTabRect(const TbsDataSkinTabControl& definition);
// The selected tab's image while the control has focus.
SkinRect FocusTabRect(const TbsDataSkinTabControl& definition);

// Where the dotted focus mark goes on a selected tab's face of faceSize, or
// an empty rectangle where none is drawn: the skin's own mark where it asks
// for one; an inset mark where its focused tab would otherwise look just like
// the selected one, so the focus can always be seen.
QRect TabFocusMarkRect(const TbsDataSkinTabControl& definition, const QSize& faceSize);

// The image a tab in this state is composed from.
SkinRect TabFaceRect(const TbsDataSkinTabControl& definition, const TabLook& look);
SkinColor TabFontColor(const TbsDataSkinTabControl& definition, const TabLook& look);

// How many rows the selected tab reaches further towards the page than the
// others, so that it covers the page frame's edge below it.
int ActiveTabGrowth(const TbsDataSkinTabControl& definition);

// A tab's face at width x height from faceRect. With tabHeight 0 (the control
// takes its tab height from the skin) the face keeps tableftoffset and
// tabrightoffset columns at its ends and stretches or repeats the middle; a
// set tabHeight stretches every band of the face on both axes instead.
QImage ComposeTabFace(const QImage& picture, const TbsDataSkinTabControl& definition, const QRect& faceRect,
    int width, int height, int tabHeight);
