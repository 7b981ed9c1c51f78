#pragma once

#include <QPoint>
#include <QRect>

// A rectangle of a skin picture as the definition text gives it: left, top,
// right, bottom, with right and bottom exclusive. It is empty when its width or
// height is not positive.
struct SkinRect {
    int left { 0 };
    int top { 0 };
    int right { 0 };
    int bottom { 0 };

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
    constexpr QPoint TopLeft() const { return { left, top }; }
    constexpr SkinRect Translated(int dx, int dy) const { return { left + dx, top + dy, right + dx, bottom + dy }; }
    QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
    static SkinRect FromQRect(const QRect& r) { return { r.left(), r.top(), r.left() + r.width(), r.top() + r.height() }; }

    friend constexpr bool operator==(const SkinRect&, const SkinRect&) = default;
};
