#pragma once

#include "skin/draw/composition_mode.h"
#include "skin/menus/popup_geometry.h"

#include <QFont>
#include <QImage>
#include <QRect>

class TbsDataSkinLabelControl;
class TbsDataSkinMenuItem;
class TbsDataSkinPopupWindow;
class TbsSkinData;

// The menu item definition's rectangles in its picture, as the rows draw
// them. A rectangle whose edges lie beyond any picture is taken as empty.
struct PopupItemPieces {
    QRect face;
    QRect activeFace;
    QRect divider;
    // Grows with the row's width.
    QRect text;
    // Empty: the image column lies at the text's left.
    QRect image;
    QRect check;
    QRect activeCheck;
    QRect radio;
    QRect activeRadio;
    QRect arrow;
    QRect activeArrow;
    QRect animationStrip;
};

// What a menu's popup windows draw from, looked up once when the menu opens.
// Each part is null where the skin lacks it or gives it in a shape that
// cannot be drawn (a picture smaller than its points, empty rectangles, a
// mask of another size); that part then takes the plain look. The
// definitions belong to the skin: a look is valid until the skin changes.
struct PopupLook {
    const TbsDataSkinPopupWindow* window { nullptr };
    QImage windowPicture;
    // The window picture's items rectangle.
    QRect windowItemsRect;
    // Null when the window has no usable mask.
    QImage maskPicture;

    const TbsDataSkinMenuItem* item { nullptr };
    QImage itemPicture;
    PopupItemPieces itemPieces;
    bool itemDivider { false };
    bool itemMorphing { false };
    // The rows play the definition's animation strip when highlighted.
    bool itemAnimated { false };

    // The "menuheader" (else "label") definition that headers are drawn on.
    const TbsDataSkinLabelControl* header { nullptr };
    QImage headerPicture;
    SkinPieceGeometry headerPiece;

    QFont font;
    int defaultItemHeight { 20 };

    // The sizes the geometry needs, for a menu whose image column is
    // glyphWidth wide.
    PopupMetrics Metrics(int glyphWidth) const;
};

struct PopupLookOptions {
    bool useSkinFont { true };
    QFont defaultFont;
    int defaultItemHeight { 20 };
};

// The plain look without a skin (or with an empty one).
PopupLook LookUpPopupLook(const TbsSkinData* skin, const PopupLookOptions& options);

// The default menu font: Arial, 14 pixels.
QFont DefaultMenuItemFont();
