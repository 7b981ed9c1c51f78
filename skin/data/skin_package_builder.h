#pragma once

#include "skin/data/skin_package.h"

#include <QString>

// Builds a package from a skin definition file and the pictures named in its
// [PICTURES] section, which lie in the same folder. The definition needs the
// sections [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] and [SKINCONTROLS].
// Throws SkinPackageError naming the missing section or unreadable file.
SkinPackage BuildSkinPackage(const QString& definitionPath);
