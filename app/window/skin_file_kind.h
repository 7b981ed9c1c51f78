#pragma once

#include <QString>

enum class SkinFileKind { NotASkin, CompressedSkin, SkinDefinition };

// What a file holds as far as skins go, told from its bytes and never from its
// name: a compressed skin file, a skin definition (a skin folder's skin.ini),
// or neither. Reads the file's first bytes, and a definition's whole text
// only when it opens like one and fits the definition text budget. A file
// that cannot be read is NotASkin.
SkinFileKind SkinFileKindOf(const QString& path);
