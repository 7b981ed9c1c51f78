#pragma once

#include <QImage>
#include <QString>

// Lumeno's application icon: a blue tile with three lines of text, the
// middle one out of place, and at 32 pixels and up an arrow that swaps the
// first and last line. Each size is drawn on its own pixel grid so that the
// lines stay sharp at 16 pixels.
QImage DrawAppIcon(int size);

// The sizes of the hicolor icon theme that the program installs.
inline constexpr int kAppIconSizes[] = { 16, 24, 32, 48, 64, 128, 256 };

// Writes lumeno-SIZE.png for every size into folder; says on standard error
// what could not be written and returns false.
bool WriteAppIcons(const QString& folder);
