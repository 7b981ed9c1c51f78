#pragma once

#include "skin/data/skin_package.h"

#include <QString>

// Whether a picture name from a skin's [PICTURES] section is a plain file name:
// no folder part, no "." or "..". Only such names are read when a skin is
// built and written when one is unpacked, so neither can reach outside the
// skin's folder.
bool IsPlainPictureFileName(const QString& name);

// Builds a package from a skin definition file and the pictures named in its
// [PICTURES] section, which lie in the same folder. A picture name that is not
// plain, or a picture file that leads out of the folder through a link, is
// refused. The definition needs the
// sections [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] and [SKINCONTROLS].
// Throws SkinPackageError naming the missing section or unreadable file.
SkinPackage BuildSkinPackage(const QString& definitionPath);
