#pragma once

#include "skin/data/ini_file.h"
#include "skin/data/skin_package.h"

#include <QByteArray>
#include <QString>

// A skin read from a file for inspection: the file is either a compressed
// skin file (version, length, zlib data) or a bare zlib stream, told apart by
// the zlib header.
struct OpenedSkin {
    QByteArray package;  // decompressed
    SkinPackage contents;
    QList<SkinPackageBitmap> bitmaps;
    TbsIniFile definition;
};

// Throws on an unreadable file, corrupt data or an unsupported version.
OpenedSkin OpenSkinFile(const QString& path);

// The file name that [PICTURES] gives a picture of the package; empty when
// the definition names none.
QString PictureFileName(const OpenedSkin& skin, const SkinPackageBitmap& bitmap);
