#pragma once

#include "skin/controls/part_faces.h"
#include "skin/data/control_definitions_scroll_bar.h"

#include <QImage>
#include <QRect>

// The parts a scroll bar draws from its skin over its composed face: the two
// arrow buttons in their hover and pressed looks, and the thumb with its glyph.

enum class ScrollBarPartLook { Normal, Active, Down };

// Whether every rectangle, point and length of the definition lies in the
// range a skin can draw; a bar with a corrupt definition takes its own look.
bool IsDrawableScrollBar(const TbsDataSkinScrollBarControl& definition);

// Where a part's picture lies in a look: the hot face is the active look's.
const QRect& FaceIn(const PartFaces& faces, ScrollBarPartLook look);

// The pictures of the parts, taken once when the bar takes its definition.
// A button's normal picture is empty: the composed face already shows the
// button, and an empty pressed face falls back to the active one. The thumb
// and the glyph centred on it fall back from an empty active face to the
// normal one and from an empty pressed face to the active one.
struct ScrollBarPartPictures {
    PartFaces upButton;
    PartFaces downButton;
    PartFaces thumb;
    PartFaces glyph;
};
ScrollBarPartPictures TakeScrollBarPartPictures(const TbsDataSkinScrollBarControl& definition);

// Where the parts lie on the face and how each looks.
struct ScrollBarSkinParts {
    bool vertical { false };
    QRect upButton;
    QRect downButton;
    QRect thumb;
    ScrollBarPartLook upLook { ScrollBarPartLook::Normal };
    ScrollBarPartLook downLook { ScrollBarPartLook::Normal };
    ScrollBarPartLook thumbLook { ScrollBarPartLook::Normal };
    bool showThumb { true };
    // A thumb whose length follows the page is composed to that length from
    // its two fixed ends; otherwise its picture is copied as it is.
    bool composeThumb { false };
};

// The thumb picture for a look at the given length along the bar's axis,
// with its glyph centred on it when the glyph is the shorter of the two.
QImage BuildScrollBarThumb(const QImage& picture, const TbsDataSkinScrollBarControl& definition,
    const ScrollBarPartPictures& pictures, ScrollBarPartLook look, bool vertical, int length, bool compose);

void DrawScrollBarSkinParts(QImage& face, const QImage& picture, const TbsDataSkinScrollBarControl& definition,
    const ScrollBarPartPictures& pictures, const ScrollBarSkinParts& parts);
