#pragma once

#include <QIcon>
#include <QString>

// An icon of the pictures in a folder, one picture a size. The pictures are
// read, each in the format its suffix names, when the icon is first drawn or
// asked for its sizes, not when it is made: a window system that shows no
// icon, as a virtual screen taking a screenshot, never reads them. An empty
// or missing folder gives a null icon.
QIcon FolderIcon(const QString& folder);
