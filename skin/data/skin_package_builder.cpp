#include "skin/data/skin_package_builder.h"

#include "skin/data/ini_file.h"
#include "skin/data/skin_text_codec.h"
#include "skin/data/skin_values.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

const QString kPictures = QStringLiteral("PICTURES");

[[noreturn]] void Fail(const QString& message)
{
    throw SkinPackageError(message.toStdString());
}

// Skins come from a file system that ignores letter case; when the exact name
// is not there, a file differing only in case is taken.
QString FindPictureFile(const QDir& folder, const QString& name)
{
    const QString exact = folder.filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QFileInfo wanted(exact);
    const QDir parent = wanted.dir();
    const QStringList candidates = parent.entryList(QDir::Files);
    for (const QString& candidate : candidates) {
        if (candidate.compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return parent.filePath(candidate);
    }
    return exact;
}

}

QImage LoadSkinFolderPicture(const QDir& folder, const QString& name)
{
    if (!IsPlainPictureFileName(name))
        Fail(QStringLiteral("picture name '%1' is not a plain file name in the skin's folder").arg(name));
    const QString path = FindPictureFile(folder, name);
    const QString real = QFileInfo(path).canonicalFilePath();
    if (!real.isEmpty() && QFileInfo(real).absolutePath() != QFileInfo(folder.path()).canonicalFilePath())
        Fail(QStringLiteral("picture '%1' leads out of the skin's folder (to '%2')").arg(name, real));
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        throw MissingSkinPictureError(
            QStringLiteral("cannot load picture '%1': %2").arg(path, reader.errorString()).toStdString());
    return image;
}

namespace {

QImage LoadOptionalPicture(const QDir& folder, const TbsIniFile& ini, const QString& key)
{
    const QString name = ReadSkinString(ini, kPictures, key);
    return name.isEmpty() ? QImage() : LoadSkinFolderPicture(folder, name);
}

}

QString MissingSkinSection(const TbsIniFile& ini)
{
    for (const char* section : { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" }) {
        if (!ini.SectionExists(QLatin1String(section)))
            return QLatin1String(section);
    }
    return {};
}

bool OpensLikeSkinDefinition(const QByteArray& head)
{
    QByteArray opening = head.left(kSkinDefinitionOpeningBytes);
    if (opening.startsWith("\xEF\xBB\xBF"))
        opening.remove(0, 3);
    for (const QByteArray& line : SplitSkinTextLines(opening)) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(';'))
            continue;
        return trimmed.startsWith('[');
    }
    return false;
}

bool LooksLikeSkinDefinition(const QByteArray& text)
{
    // Only a text that opens with a section is parsed whole: an article is
    // never taken apart as INI text.
    return OpensLikeSkinDefinition(text) && MissingSkinSection(TbsIniFile::FromText(DecodeAuthoredSkinText(text))).isEmpty();
}

bool IsPlainPictureFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && name != QLatin1String(".") && name != QLatin1String("..");
}

SkinPackage BuildSkinPackage(const QString& definitionPath)
{
    QFile file(definitionPath);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read skin definition '%1': %2").arg(definitionPath, file.errorString()));
    const QByteArray text = StoredSkinText(file.readAll());
    const TbsIniFile ini = TbsIniFile::FromText(DecodeSkinText(text));
    const QString missing = MissingSkinSection(ini);
    if (!missing.isEmpty())
        Fail(QStringLiteral("skin definition '%1' has no [%2] section").arg(definitionPath, missing));

    const QDir folder = QFileInfo(definitionPath).absoluteDir();
    SkinPackage package;
    package.picture = LoadOptionalPicture(folder, ini, QStringLiteral("picture"));
    package.inactivePicture = LoadOptionalPicture(folder, ini, QStringLiteral("inactivepicture"));
    package.mask = LoadOptionalPicture(folder, ini, QStringLiteral("mask"));
    for (const QString& name : ReadSkinStringList(ini, kPictures, QStringLiteral("activepictures")))
        package.activePictures.append(LoadSkinFolderPicture(folder, name));
    package.definitionText = text;
    return package;
}
