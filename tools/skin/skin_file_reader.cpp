#include "tools/skin/skin_file_reader.h"

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package_builder.h"
#include "skin/data/skin_text_codec.h"
#include "skin/data/skin_values.h"
#include "skins/built_in_skins.h"
#include "tools/skin/skin_tool_command.h"
#include "tools/skin_authoring/skin_folder_pack.h"

#include <QFile>
#include <QFileInfo>

namespace {

QByteArray ReadCompressedData(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SkinToolError(QStringLiteral("cannot open '%1': %2").arg(path, file.errorString()).toStdString());
    if (StartsWithZlibHeader(file.peek(2)))
        return file.readAll();
    file.close();
    TbsCompressedStoredSkin storedSkin;
    storedSkin.LoadFromCompressedFile(path);
    return storedSkin.CompressedData();
}

QByteArray ReadPackage(const QString& source)
{
    // A bare name is the built-in skin even when a file of that name lies in
    // the current folder; "./light" reaches the file.
    if (IsBuiltInSkinName(source))
        return DecompressSkinPackage(BuiltInSkinCompressedData(source));
    if (NamesSkinFolder(source))
        return WriteSkinPackage(BuildSkinPackage(SkinDefinitionPath(source)));
    return DecompressSkinPackage(ReadCompressedData(source));
}

}

bool NamesSkinFolder(const QString& source)
{
    const QFileInfo info(source);
    return !IsBuiltInSkinName(source)
        && (info.isDir() || info.suffix().compare(QLatin1String("ini"), Qt::CaseInsensitive) == 0);
}

OpenedSkin OpenSkin(const QString& source)
{
    OpenedSkin skin;
    skin.package = ReadPackage(source);
    skin.contents = ReadSkinPackage(skin.package);
    skin.bitmaps = ListSkinPackageBitmaps(skin.package);
    skin.definition = TbsIniFile::FromText(DecodeSkinText(skin.contents.definitionText));
    return skin;
}

std::unique_ptr<TbsSkinData> LoadSkinData(const OpenedSkin& skin)
{
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(CompressSkinPackage(skin.package));
    auto data = std::make_unique<TbsSkinData>();
    data->LoadCompressedStoredSkin(stored);
    return data;
}

QString PictureFileName(const OpenedSkin& skin, const SkinPackageBitmap& bitmap)
{
    const QString pictures = QStringLiteral("PICTURES");
    if (bitmap.activeIndex < 0)
        return ReadSkinString(skin.definition, pictures, bitmap.slot);
    const QStringList names = ReadSkinStringList(skin.definition, pictures, QStringLiteral("activepictures"));
    return names.value(bitmap.activeIndex);
}
