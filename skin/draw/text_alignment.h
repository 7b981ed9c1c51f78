#pragma once

#include "skin/data/skin_values.h"

#include <Qt>

// The horizontal Qt alignment of a definition's or control's Alignment.
constexpr Qt::Alignment HorizontalAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::taRightJustify:
        return Qt::AlignRight;
    case Alignment::taCenter:
        return Qt::AlignHCenter;
    case Alignment::taLeftJustify:
        break;
    }
    return Qt::AlignLeft;
}
