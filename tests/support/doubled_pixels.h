#pragma once

#include <QImage>
#include <QRegion>
#include <string>

// Checks of faces drawn at a pixel ratio of 2 against the same face at 1.

// The first pixel of two (at twice one's size) inside area (logical pixels)
// that is not one's pixel doubled; empty when there is none.
inline std::string FirstUndoubled(const QImage& one, const QImage& two, const QRegion& area)
{
    const auto where = [](int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; };
    for (const QRect& rect : area) {
        for (int y = rect.top() * 2; y <= rect.bottom() * 2 + 1; ++y)
            for (int x = rect.left() * 2; x <= rect.right() * 2 + 1; ++x)
                if (two.pixel(x, y) != one.pixel(x / 2, y / 2))
                    return "device pixel " + where(x, y) + " differs from 1x pixel " + where(x / 2, y / 2);
    }
    return {};
}

// Pixels of two that differ from the top-left one of their 2 x 2 block: none
// in a 1x picture merely enlarged, many in text drawn at the device's resolution.
inline int PixelsUnlikeTheirBlock(const QImage& two)
{
    int count = 0;
    for (int y = 0; y < two.height(); ++y)
        for (int x = 0; x < two.width(); ++x)
            count += two.pixel(x, y) != two.pixel(x - x % 2, y - y % 2);
    return count;
}
