#pragma once

#include "skin/data/ini_file.h"
#include "skin/data/skin_package.h"

#include <QByteArray>
#include <QString>
#include <memory>

class TbsSkinData;

// A skin opened for inspection, from any of the places an author names one:
// a built-in skin by its name ("light", "dark"; "./light" is a file), a skin
// folder or its skin.ini (packed in memory as `pack` would), a compressed
// skin file, or a bare zlib stream of a package.
struct OpenedSkin {
    QByteArray package;  // decompressed
    SkinPackage contents;
    QList<SkinPackageBitmap> bitmaps;
    TbsIniFile definition;
};

// Throws on an unreadable file, corrupt data or an unsupported version.
OpenedSkin OpenSkin(const QString& source);
// Whether the source names a skin folder or its skin.ini rather than a
// packed or built-in skin.
bool NamesSkinFolder(const QString& source);

// The skin loaded by the skin data component itself, so that what a command
// shows is what a running program sees. Throws as the load does.
std::unique_ptr<TbsSkinData> LoadSkinData(const OpenedSkin& skin);

// The file name that [PICTURES] gives a picture of the package; empty when
// the definition names none.
QString PictureFileName(const OpenedSkin& skin, const SkinPackageBitmap& bitmap);
