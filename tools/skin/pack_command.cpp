#include "tools/skin/pack_command.h"

#include "skin/data/compressed_stored_skin.h"
#include "tools/skin/skin_tool_command.h"

#include <QSaveFile>

void RunPackCommand(const QStringList& arguments, QTextStream& out)
{
    ExpectArgumentCount(arguments, 2);
    const QString& definitionPath = arguments[0];
    const QString& outputPath = arguments[1];

    TbsCompressedStoredSkin skin;
    skin.LoadFromSkinFile(definitionPath);
    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly))
        throw SkinToolError(QStringLiteral("cannot write '%1': %2").arg(outputPath, file.errorString()).toStdString());
    skin.WriteFramed(file);
    if (!file.commit())
        throw SkinToolError(QStringLiteral("cannot write '%1': %2").arg(outputPath, file.errorString()).toStdString());
    out << "packed " << definitionPath << " into " << outputPath << " (" << skin.CompressedData().size()
        << " compressed bytes)\n";
}
