#include "tools/skin/unpack_command.h"

#include "skin/data/skin_package_builder.h"
#include "skin/data/skin_text_codec.h"
#include "skin/data/skin_values.h"
#include "tools/skin/skin_file_reader.h"
#include "tools/skin/skin_tool_command.h"

#include <QDir>
#include <QHash>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <sys/stat.h>

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
    if (!IsPlainPictureFileName(name))
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

// The definition as an author edits it: UTF-8 with this system's line ends,
// led by a line that says so; pack turns it back into the stored text.
QByteArray AuthoredDefinition(const QByteArray& stored)
{
#ifdef Q_OS_WIN
    const QByteArray lineEnd("\r\n");
#else
    const QByteArray lineEnd("\n");
#endif
    QByteArray text = QByteArray(kUnpackedSkinTextNote) + lineEnd;
    for (const QByteArray& line : SplitSkinTextLines(stored))
        text += DecodeSkinText(line).toUtf8() + lineEnd;
    return text;
}

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
    const OpenedSkin skin = OpenSkin(arguments[0]);
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

    const QString target = arguments[1];
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && !(targetInfo.isDir() && QDir(target).isEmpty()))
        Fail(QStringLiteral("'%1' already exists and is not an empty folder").arg(target));
    const QDir parent = targetInfo.absoluteDir();
    if (!QDir().mkpath(parent.path()))
        Fail(QStringLiteral("cannot create folder '%1'").arg(parent.path()));

    // Everything goes into a fresh folder beside the target, which takes the
    // target's name only once every file is written: a failure on the way
    // leaves nothing behind.
    QTemporaryDir folder(parent.filePath(QStringLiteral(".%1-unpacking-XXXXXX").arg(targetInfo.fileName())));
    if (!folder.isValid())
        Fail(QStringLiteral("cannot create a folder in '%1': %2").arg(parent.path(), folder.errorString()));
    // QTemporaryDir makes its folder private; the skin's folder gets the
    // permissions any new folder would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(folder.path()).constData(), 0777 & ~mask);
    WriteFile(folder.filePath(definitionName), AuthoredDefinition(skin.contents.definitionText));
    for (const NamedPicture& picture : pictures)
        WriteFile(folder.filePath(picture.name), picture.bytes);
    if (targetInfo.exists() && !QDir().rmdir(target))
        Fail(QStringLiteral("cannot replace the empty folder '%1'").arg(target));
    if (!QDir().rename(folder.path(), target))
        Fail(QStringLiteral("cannot rename '%1' to '%2'").arg(folder.path(), target));
    folder.setAutoRemove(false);
    out << "unpacked skin.ini and " << pictures.size() << " pictures into " << target << '\n';
}
