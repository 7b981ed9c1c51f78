#include "tools/skin/skin_file_reader.h"

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_text_codec.h"
#include "skin/data/skin_values.h"
#include "tools/skin/skin_tool_command.h"

#include <QFile>

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

}

OpenedSkin OpenSkinFile(const QString& path)
{
    OpenedSkin skin;
    skin.package = DecompressSkinPackage(ReadCompressedData(path));
    skin.contents = ReadSkinPackage(skin.package);
    skin.bitmaps = ListSkinPackageBitmaps(skin.package);
    skin.definition = TbsIniFile::FromText(DecodeSkinText(skin.contents.definitionText));
    return skin;
}

QString PictureFileName(const OpenedSkin& skin, const SkinPackageBitmap& bitmap)
{
    const QString pictures = QStringLiteral("PICTURES");
    if (bitmap.activeIndex < 0)
        return ReadSkinString(skin.definition, pictures, bitmap.slot);
    const QStringList names = ReadSkinStringList(skin.definition, pictures, QStringLiteral("activepictures"));
    return names.value(bitmap.activeIndex);
}
