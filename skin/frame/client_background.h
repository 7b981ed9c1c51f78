#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class TbsSkinData;

// The background of a form's client area: the skin's background picture, or
// else the client part of its frame picture, repeated from the top-left or
// stretched as the skin says; the button face without a skin or where the skin
// gives neither.
//
// Only the part of it within area (in client coordinates) is composed: a paint
// that shows a strip of the client area composes that strip alone. The image
// returned covers area cut to size, from its top-left.
QImage ClientBackground(const TbsSkinData* skinData, const QSize& size, const QRect& area);

inline QImage ClientBackground(const TbsSkinData* skinData, const QSize& size)
{
    return ClientBackground(skinData, size, QRect(QPoint(), size));
}
