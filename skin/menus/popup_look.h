#pragma once

#include "skin/menus/popup_geometry.h"

#include <QFont>
#include <QImage>

class TbsDataSkinLabelControl;
class TbsDataSkinMenuItem;
class TbsDataSkinPopupWindow;
class TbsSkinData;

// What a menu's popup windows draw from, looked up once when the menu opens.
// Each part is null where the skin lacks it or gives it in a shape that
// cannot be drawn (a picture smaller than its points, empty rectangles, a
// mask of another size); that part then takes the plain look. The
// definitions belong to the skin: a look is valid until the skin changes.
struct PopupLook {
    const TbsDataSkinPopupWindow* window { nullptr };
    QImage windowPicture;
    // Null when the window has no usable mask.
    QImage maskPicture;

    const TbsDataSkinMenuItem* item { nullptr };
    QImage itemPicture;
    bool itemDivider { false };
    bool itemMorphing { false };
    // The rows play the definition's animation strip when highlighted.
    bool itemAnimated { false };

    // The "menuheader" (else "label") definition that headers are drawn on.
    const TbsDataSkinLabelControl* header { nullptr };
    QImage headerPicture;

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
