#include "tools/preview/preview_source.h"

#include "skins/built_in_skins.h"
#include "tools/skin/skin_tool_command.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kDefinitionFileName = QStringLiteral("skin.ini");

[[noreturn]] void Fail(const QString& message)
{
    throw SkinToolError(message.toStdString());
}

} // namespace

PreviewSource ResolvePreviewSource(const QString& path)
{
    if (IsBuiltInSkinName(path))
        return { path, {}, {} };
    const QFileInfo info(path);
    if (info.isDir()) {
        const QFileInfo definition(QDir(info.absoluteFilePath()).filePath(kDefinitionFileName));
        if (!definition.isFile())
            Fail(QStringLiteral("'%1' is a folder without a %2").arg(path, kDefinitionFileName));
        return { definition.absoluteFilePath(), definition.absolutePath(), {} };
    }
    if (!info.isFile())
        Fail(QStringLiteral("cannot open '%1': no such skin folder, file or built-in skin (%2)")
                 .arg(path, BuiltInSkinNames().join(QStringLiteral(", "))));
    if (info.suffix().compare(QStringLiteral("ini"), Qt::CaseInsensitive) == 0)
        return { info.absoluteFilePath(), info.absolutePath(), {} };
    return { info.absoluteFilePath(), info.absolutePath(), info.fileName() };
}
