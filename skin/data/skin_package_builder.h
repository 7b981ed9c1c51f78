#pragma once

#include "skin/data/skin_package.h"

#include <QDir>
#include <QImage>
#include <QString>

// Whether a picture name from a skin's [PICTURES] section is a plain file name:
// no folder part, no "." or "..". Only such names are read when a skin is
// built and written when one is unpacked, so neither can reach outside the
// skin's folder.
bool IsPlainPictureFileName(const QString& name);

// The picture a skin folder's [PICTURES] names, found as BuildSkinPackage
// finds it (a name differing only in letter case will do). Throws
// SkinPackageError, MissingSkinPictureError for a missing or unreadable file.
QImage LoadSkinFolderPicture(const QDir& folder, const QString& name);

// Builds a package from a skin definition file and the pictures named in its
// [PICTURES] section, which lie in the same folder. A picture name that is not
// plain, or a picture file that leads out of the folder through a link, is
// refused. The definition needs the
// sections [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] and [SKINCONTROLS].
// Throws SkinPackageError naming the missing section or unreadable file.
SkinPackage BuildSkinPackage(const QString& definitionPath);
