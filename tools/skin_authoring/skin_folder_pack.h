#pragma once

#include "tools/skin_authoring/skin_problem.h"

#include <QString>

// A skin folder as an author keeps it: the folder itself or its skin.ini.
// The definition file it stands for; the path itself when it names a file.
QString SkinDefinitionPath(const QString& folderOrDefinition);

struct PackedSkinFolder {
    qint64 compressedSize { 0 };
    // What the check found that does not stop the packing.
    QList<SkinProblem> warnings;
};

// Checks a skin folder as `lumeno-skin check` does and, when it has no
// errors, builds its package and writes it as a compressed skin file
// (written whole or not at all). The skin.ini may be UTF-8 or the stored
// code page; the package stores the code page. Throws SkinPackageError
// listing the errors, one a line, or naming what cannot be read.
PackedSkinFolder PackSkinFolder(const QString& folderOrDefinition, const QString& outputPath);
