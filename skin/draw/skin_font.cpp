#include "skin/draw/skin_font.h"

#include <algorithm>
#include <cstdlib>

QFont SkinFont(const QString& name, int height, FontStyles style)
{
    QFont font(name);
    font.setPixelSize(height == 0 ? 14 : std::min(std::abs(qint64(height)), qint64(kMaxSkinFontPixels)));
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setUnderline(style & fsUnderline);
    font.setStrikeOut(style & fsStrikeOut);
    return font;
}
