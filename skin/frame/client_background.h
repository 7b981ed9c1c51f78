#pragma once

#include <QImage>
#include <QSize>

class TbsSkinData;

// The background of a form's client area: the skin's background picture, or
// else the client part of its frame picture, repeated from the top-left or
// stretched as the skin says; the button face without a skin or where the skin
// gives neither.
QImage ClientBackground(const TbsSkinData* skinData, const QSize& size);
