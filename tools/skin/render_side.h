#pragma once

#include <QString>

// Large enough for any screen, small enough that a typo cannot ask for
// gigabytes.
constexpr int kMaxRenderSide = 16384;

// A width or height asked for on the command line: a whole number from 1 to
// kMaxRenderSide. Throws SkinToolError naming the text otherwise.
int ParseRenderSide(const QString& text);
