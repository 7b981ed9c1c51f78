#pragma once

#include "skin/data/skin_package.h"
#include "tools/skin_authoring/skin_problem.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

// A skin as the checker sees it: the definition text and a way to its
// pictures by the names [PICTURES] gives them.
struct SkinCheckSource {
    QString definitionFile { QStringLiteral("skin.ini") };
    QByteArray definitionText;
    // The picture of that name, or a null picture with why it cannot be had.
    std::function<QImage(const QString& name, QString& why)> picture;
    // The picture files beside the definition (only a folder has them), so
    // that those nobody names can be found.
    QStringList pictureFiles;
};

// A skin folder, or the folder of the skin.ini named. Throws SkinPackageError
// when the definition cannot be read at all.
SkinCheckSource SkinFolderCheckSource(const QString& folderOrDefinition);
// A package's definition text and its pictures in their slots.
SkinCheckSource SkinPackageCheckSource(const SkinPackage& package);

// Every problem the checker finds, in the order of the definition text where
// it can tell.
SkinProblems CheckSkin(const SkinCheckSource& source);
