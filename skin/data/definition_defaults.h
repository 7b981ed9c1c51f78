#pragma once

#include <QString>

// What the font and animation keys of every definition fall back to when a
// skin leaves them out.
inline const QString kDefaultFontName = QStringLiteral("Arial");
constexpr int kDefaultFontHeight = 14;
constexpr int kDefaultAnimateInterval = 25;
