#pragma once

#include <QByteArray>

// The compressed package of the program's default skin: the zlib stream that
// the main window's stored skin holds as its CompressedData, packed from
// skins/default when the program is built.
QByteArray DefaultSkinCompressedData();
