#pragma once

#include "skin/data/skin_values.h"

#include <QColor>
#include <array>

// The Windows system colours that faces without a skin are drawn from. They
// are fixed to the classic Windows palette rather than taken from the desktop
// theme, so a face looks the same on every machine and tests can name pixels.
//
// Colours are kept as the platform stores them (0x00BBGGRR, or 0xFF0000nn for
// the system colour with index nn) so that properties such as a button's
// DefActiveFontColor hold exactly the values a window resource gives them;
// SkinColorToQColor resolves them for painting.

constexpr SkinColor clScrollBar = SystemColor(0);
constexpr SkinColor clBackground = SystemColor(1);
constexpr SkinColor clActiveCaption = SystemColor(2);
constexpr SkinColor clInactiveCaption = SystemColor(3);
constexpr SkinColor clMenu = SystemColor(4);
constexpr SkinColor clWindow = SystemColor(5);
constexpr SkinColor clWindowFrame = SystemColor(6);
constexpr SkinColor clMenuText = SystemColor(7);
constexpr SkinColor clWindowText = SystemColor(8);
constexpr SkinColor clCaptionText = SystemColor(9);
constexpr SkinColor clActiveBorder = SystemColor(10);
constexpr SkinColor clInactiveBorder = SystemColor(11);
constexpr SkinColor clAppWorkSpace = SystemColor(12);
constexpr SkinColor clHighlight = SystemColor(13);
constexpr SkinColor clHighlightText = SystemColor(14);
constexpr SkinColor clBtnFace = SystemColor(15);
constexpr SkinColor clBtnShadow = SystemColor(16);
constexpr SkinColor clGrayText = SystemColor(17);
constexpr SkinColor clBtnText = SystemColor(18);
constexpr SkinColor clInactiveCaptionText = SystemColor(19);
constexpr SkinColor clBtnHighlight = SystemColor(20);
constexpr SkinColor cl3DDkShadow = SystemColor(21);
constexpr SkinColor cl3DLight = SystemColor(22);
constexpr SkinColor clInfoText = SystemColor(23);
constexpr SkinColor clInfoBk = SystemColor(24);
constexpr SkinColor clHotLight = SystemColor(26);
constexpr SkinColor clGradientActiveCaption = SystemColor(27);
constexpr SkinColor clGradientInactiveCaption = SystemColor(28);
constexpr SkinColor clMenuHighlight = SystemColor(29);
constexpr SkinColor clMenuBar = SystemColor(30);

// Plain colours, red in the low byte.
constexpr SkinColor clBlack = 0x000000;
constexpr SkinColor clMaroon = 0x000080;
constexpr SkinColor clGreen = 0x008000;
constexpr SkinColor clNavy = 0x800000;
constexpr SkinColor clGray = 0x808080;
constexpr SkinColor clSilver = 0xC0C0C0;
constexpr SkinColor clRed = 0x0000FF;
constexpr SkinColor clBlue = 0xFF0000;
constexpr SkinColor clWhite = 0xFFFFFF;

// The classic palette, indexed by system colour index, as 0xRRGGBB.
constexpr std::array<QRgb, 31> kClassicSystemPalette {
    0xD4D0C8, // scroll bar
    0x3A6EA5, // desktop
    0x0A246A, // active caption
    0x808080, // inactive caption
    0xD4D0C8, // menu
    0xFFFFFF, // window
    0x000000, // window frame
    0x000000, // menu text
    0x000000, // window text
    0xFFFFFF, // caption text
    0xD4D0C8, // active border
    0xD4D0C8, // inactive border
    0x808080, // application work space
    0x0A246A, // highlight
    0xFFFFFF, // highlight text
    0xD4D0C8, // button face
    0x808080, // button shadow
    0x808080, // grey text
    0x000000, // button text
    0xD4D0C8, // inactive caption text
    0xFFFFFF, // button highlight
    0x404040, // 3D dark shadow
    0xD4D0C8, // 3D light
    0x000000, // info text
    0xFFFFE1, // info background
    0xB5B5B5, // unused slot
    0x000080, // hot-tracked item
    0xA6CAF0, // gradient of the active caption
    0xC0C0C0, // gradient of the inactive caption
    0x0A246A, // highlighted menu item
    0xD4D0C8, // menu bar
};

// Resolves a platform colour: a system colour through the classic palette (an
// unknown index gives black, as the platform does), any other value by its
// blue, green and red bytes.
constexpr QRgb SkinColorToRgb(SkinColor color)
{
    if ((color & 0xFF000000u) == 0xFF000000u) {
        const unsigned index = color & 0x00FFFFFFu;
        const QRgb rgb = index < kClassicSystemPalette.size() ? kClassicSystemPalette[index] : 0x000000;
        return 0xFF000000u | rgb;
    }
    const unsigned red = color & 0xFFu;
    const unsigned green = (color >> 8) & 0xFFu;
    const unsigned blue = (color >> 16) & 0xFFu;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

inline QColor SkinColorToQColor(SkinColor color)
{
    return QColor::fromRgb(SkinColorToRgb(color));
}
