#pragma once

#include "skin/data/skinned_window_picture.h"

// The look of a skinned hint window, read from [HINTWINDOW]. Fields carry the
// name of their key in camel case and start at the key's default.
class TbsDataSkinHintWindow : public SkinnedWindowPicture, public FontKeys {
public:
    TbsDataSkinHintWindow()
        : SkinnedWindowPicture(QStringLiteral("HINTWINDOW"))
    {
    }

    SkinRect clientRect;

protected:
    void VisitKeys(SkinKeyVisitor& keys) override;
};
