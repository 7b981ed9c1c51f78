#include "skin/draw/skin_font.h"

#include <cstdlib>

QFont SkinFont(const QString& name, int height, FontStyles style)
{
    QFont font(name);
    font.setPixelSize(height == 0 ? 14 : std::abs(height));
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setUnderline(style & fsUnderline);
    font.setStrikeOut(style & fsStrikeOut);
    return font;
}
