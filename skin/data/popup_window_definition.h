#pragma once

#include "skin/data/skinned_window_picture.h"

// The look of a skinned popup menu window, read from [POPUPWINDOW]. Fields
// carry the name of their key in camel case and start at the key's default.
class TbsDataSkinPopupWindow : public SkinnedWindowPicture {
public:
    TbsDataSkinPopupWindow()
        : SkinnedWindowPicture(QStringLiteral("POPUPWINDOW"))
    {
    }

    SkinRect itemsRect;
    SkinColor scrollMarkerColor { 0 };
    SkinColor scrollMarkerActiveColor { 0 };

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
