#include "tools/skin/unpack_command.h"

#include "skin/data/skin_values.h"
#include "tools/skin/skin_file_reader.h"
#include "tools/skin/skin_tool_command.h"

#include <QDir>
#include <QHash>
#include <QSaveFile>

namespace {

[[noreturn]] void Fail(const QString& message)
{
    throw SkinToolError(message.toStdString());
}

// The names come from the skin itself; only plain file names inside the
// target folder are written.
void CheckPlainFileName(const QString& name, const QString& slot)
{
    if (name.isEmpty())
        Fail(QStringLiteral("the %1 picture has no file name in [PICTURES]").arg(slot));
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == QLatin1String(".")
        || name == QLatin1String(".."))
        Fail(QStringLiteral("the %1 picture's file name '%2' is not a plain file name").arg(slot, name));
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        Fail(QStringLiteral("cannot write '%1': %2").arg(path, file.errorString()));
}

struct NamedPicture {
    QString name;
    QByteArray bytes;
};

QList<NamedPicture> NamePictures(const OpenedSkin& skin)
{
    const QString pictures = QStringLiteral("PICTURES");
    const QStringList activeNames = ReadSkinStringList(skin.definition, pictures, QStringLiteral("activepictures"));
    if (activeNames.size() != skin.contents.activePictures.size())
        Fail(QStringLiteral("[PICTURES] names %1 active pictures but the package holds %2")
                 .arg(activeNames.size())
                 .arg(skin.contents.activePictures.size()));

    QList<NamedPicture> named;
    for (const SkinPackageBitmap& bitmap : skin.bitmaps) {
        if (!bitmap.present || bitmap.slot == QLatin1String("extra"))
            continue;
        const QString name = PictureFileName(skin, bitmap);
        CheckPlainFileName(name, bitmap.slot);
        named.append({ name, skin.package.mid(bitmap.offset, bitmap.size) });
    }
    return named;
}

}

void RunUnpackCommand(const QStringList& arguments, QTextStream& out)
{
    ExpectArgumentCount(arguments, 2);
    const OpenedSkin skin = OpenSkinFile(arguments[0]);
    const QList<NamedPicture> pictures = NamePictures(skin);

    // One file may serve several slots, but two different pictures (or a
    // picture and the definition) must not land in one file.
    const QString definitionName = QStringLiteral("skin.ini");
    QHash<QString, QByteArray> files { { definitionName, skin.contents.definitionText } };
    for (const NamedPicture& picture : pictures) {
        const QString key = picture.name.toLower();
        if (files.contains(key) && files[key] != picture.bytes)
            Fail(QStringLiteral("two different files would both be named '%1'").arg(picture.name));
        files.insert(key, picture.bytes);
    }

    const QDir folder(arguments[1]);
    if (!QDir().mkpath(folder.path()))
        Fail(QStringLiteral("cannot create folder '%1'").arg(folder.path()));
    WriteFile(folder.filePath(definitionName), skin.contents.definitionText);
    for (const NamedPicture& picture : pictures)
        WriteFile(folder.filePath(picture.name), picture.bytes);
    out << "unpacked skin.ini and " << pictures.size() << " pictures into " << folder.path() << '\n';
}
