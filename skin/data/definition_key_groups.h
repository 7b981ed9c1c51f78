#pragma once

#include "skin/data/definition_defaults.h"
#include "skin/data/skin_rect.h"
#include "skin/data/skin_values.h"

#include <QPoint>
#include <QString>

class SkinKeyVisitor;

// Runs of keys that several definitions share, name for name and in the same
// order. A definition takes a group as a base, so the fields keep the names
// of their keys (definition.fontName), and visits the group where its keys
// stand in the section.

// The font of a definition's text.
struct FontKeys {
    QString fontName { kDefaultFontName };
    int fontHeight { kDefaultFontHeight };
    FontStyles fontStyle { 0 };
    SkinColor fontColor { 0 };

    void VisitFontKeys(SkinKeyVisitor& keys);
};

// The points that cut a picture into four corners, four edges and a middle.
struct CornerPointKeys {
    QPoint leftTopPoint;
    QPoint rightTopPoint;
    QPoint leftBottomPoint;
    QPoint rightBottomPoint;

    void VisitCornerPointKeys(SkinKeyVisitor& keys);
};

// How a picture cut at its corner points is resized: each edge piece is
// stretched or tiled, and the middle likewise (how: stretchType).
struct EdgeStretchKeys {
    // Controls list the edges clockwise from the left; the window sections
    // list the two sides before the top and the bottom.
    enum class EdgeOrder { Clockwise, SidesFirst };

    bool leftStretch { false };
    bool topStretch { false };
    bool rightStretch { false };
    bool bottomStretch { false };
    bool stretchEffect { false };
    StretchType stretchType { StretchType::stFull };

    void VisitEdgeStretchKeys(SkinKeyVisitor& keys, EdgeOrder order);
};

// A pair of up and down arrow buttons, each with its plain, hot and pressed
// face.
struct UpDownButtonKeys {
    SkinRect upButtonRect;
    SkinRect activeUpButtonRect;
    SkinRect downUpButtonRect;
    SkinRect downButtonRect;
    SkinRect activeDownButtonRect;
    SkinRect downDownButtonRect;

    void VisitUpDownButtonKeys(SkinKeyVisitor& keys);
};

// The rows of a list (a list box's, a combo box's): the face of a plain, a
// hot and a focused row, its tiled middle and where its text goes.
struct ListItemKeys {
    SkinRect itemRect;
    SkinRect activeItemRect;
    SkinRect focusItemRect;
    int itemLeftOffset { 0 };
    int itemRightOffset { 0 };
    SkinRect itemTextRect;

    void VisitListItemKeys(SkinKeyVisitor& keys);
};

// The faces a caption button shows while its command's state is in force (a
// maximised window's maximise button shows restore).
struct RestoreFaceKeys {
    SkinRect restoreRect;
    SkinRect restoreActiveRect;
    SkinRect restoreDownRect;
    SkinRect restoreInactiveRect;

    void VisitRestoreFaceKeys(SkinKeyVisitor& keys);
};

// A strip of frameCount pictures shown one after another.
struct AnimationKeys {
    SkinRect animateSkinRect;
    int frameCount { 0 };
    int animateInterval { kDefaultAnimateInterval };

    void VisitAnimationKeys(SkinKeyVisitor& keys);
};
