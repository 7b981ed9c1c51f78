#pragma once

#include <QImage>
#include <QString>
#include <array>

// The pictures of the skin and their file names. The order of the active
// pictures gives each its index in the definition text.
enum ActivePicture {
    kButtonsPicture,
    kControlsPicture,
    kMenuItemsPicture,
    kPopupPicture,
    kPopupMaskPicture,
    kHintPicture,
    kHintMaskPicture,
    kActivePictureCount
};

inline const char* const kActivePictureFiles[kActivePictureCount] = {
    "buttons.bmp",
    "controls.bmp",
    "menuitems.bmp",
    "pw.bmp",
    "pwmask.bmp",
    "hintwindow.bmp",
    "hintwindowmask.bmp",
};

inline const char* const kFramePictureFile = "frame.bmp";
inline const char* const kFrameMaskFile = "framemask.bmp";

struct SkinPictures {
    QImage frame;
    QImage frameMask;
    std::array<QImage, kActivePictureCount> active;
};
