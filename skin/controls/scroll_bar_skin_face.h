#pragma once

#include "skin/data/control_definitions_scroll_bar.h"

#include <QImage>
#include <QRect>

// The parts a scroll bar draws from its skin over its composed face: the two
// arrow buttons in their hover and pressed looks, and the thumb with its glyph.

enum class ScrollBarPartLook { Normal, Active, Down };

// Whether every rectangle, point and length of the definition lies in the
// range a skin can draw; a bar with a corrupt definition takes its own look.
bool IsDrawableScrollBar(const TbsDataSkinScrollBarControl& definition);

// The picture rectangle of an arrow button in a look, in the picture's
// coordinates. Normal gives an empty rectangle: the composed face already
// shows the button. An empty pressed face falls back to the active one.
SkinRect ScrollBarButtonPicture(const TbsDataSkinScrollBarControl& definition, bool upButton, ScrollBarPartLook look);

// The thumb's picture in a look; an empty active face falls back to the
// normal one and an empty pressed face to the active one.
SkinRect ScrollBarThumbPicture(const TbsDataSkinScrollBarControl& definition, ScrollBarPartLook look);
// The glyph centred on the thumb, with the same fallbacks.
SkinRect ScrollBarGlyphPicture(const TbsDataSkinScrollBarControl& definition, ScrollBarPartLook look);

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
    ScrollBarPartLook look, bool vertical, int length, bool compose);

void DrawScrollBarSkinParts(QImage& face, const QImage& picture, const TbsDataSkinScrollBarControl& definition,
    const ScrollBarSkinParts& parts);
