#include "app/window/skin_file_kind.h"

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_budgets.h"
#include "skin/data/skin_package_builder.h"

#include <QFile>

SkinFileKind SkinFileKindOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SkinFileKind::NotASkin;
    const QByteArray head = file.read(kSkinDefinitionOpeningBytes);
    if (LooksLikeCompressedSkinFile(head))
        return SkinFileKind::CompressedSkin;
    if (!OpensLikeSkinDefinition(head) || file.size() > kMaxSkinDefinitionTextSize)
        return SkinFileKind::NotASkin;
    return LooksLikeSkinDefinition(head + file.readAll()) ? SkinFileKind::SkinDefinition : SkinFileKind::NotASkin;
}
