#pragma once

#include "skin/data/skin_package.h"

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>

class TbsIniFile;

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

// The first of the sections every skin definition needs that ini lacks, empty
// when it has them all.
QString MissingSkinSection(const TbsIniFile& ini);

// Whether the first bytes of a file open with a section, as every skin
// definition does within its first kSkinDefinitionOpeningBytes (comments and
// blank lines aside).
constexpr qsizetype kSkinDefinitionOpeningBytes = 4096;
bool OpensLikeSkinDefinition(const QByteArray& head);

// Whether text (a whole file) is a skin definition: it opens like one and has
// every section a skin needs. Tells a skin.ini by what it holds, whatever the
// file is called.
bool LooksLikeSkinDefinition(const QByteArray& text);
