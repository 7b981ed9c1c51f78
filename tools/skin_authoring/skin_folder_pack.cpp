#include "tools/skin_authoring/skin_folder_pack.h"

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_package.h"
#include "tools/skin_authoring/skin_check.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString SkinDefinitionPath(const QString& folderOrDefinition)
{
    if (QFileInfo(folderOrDefinition).isDir())
        return QDir(folderOrDefinition).filePath(QStringLiteral("skin.ini"));
    return folderOrDefinition;
}

PackedSkinFolder PackSkinFolder(const QString& folderOrDefinition, const QString& outputPath)
{
    const QString definition = SkinDefinitionPath(folderOrDefinition);
    PackedSkinFolder packed;
    QStringList errors;
    const SkinProblems problems = CheckSkin(SkinFolderCheckSource(definition));
    for (const SkinProblem& problem : problems.All()) {
        if (problem.severity == SkinProblem::Severity::Error)
            errors.append(FormatSkinProblem(problem));
        else
            packed.warnings.append(problem);
    }
    if (!errors.isEmpty())
        throw SkinPackageError(QStringLiteral("'%1' has errors, so nothing was packed:\n%2")
                                   .arg(definition, errors.join(u'\n'))
                                   .toStdString());

    TbsCompressedStoredSkin skin;
    skin.LoadFromSkinFile(definition);
    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly))
        throw SkinPackageError(QStringLiteral("cannot write '%1': %2").arg(outputPath, file.errorString()).toStdString());
    skin.WriteFramed(file);
    if (!file.commit())
        throw SkinPackageError(QStringLiteral("cannot write '%1': %2").arg(outputPath, file.errorString()).toStdString());
    packed.compressedSize = skin.CompressedData().size();
    return packed;
}
