#pragma once

#include <QtGlobal>
#include <algorithm>
#include <limits>

// A coordinate a crafted skin would carry past what an int holds stops at
// its limit instead of wrapping round to the other side.
inline int Saturated(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
