#include "skins/built_in_skins.h"

#include <cstddef>

// Written by embed_compressed_skin.cmake.
extern const unsigned char kLightSkinCompressedBytes[];
extern const std::size_t kLightSkinCompressedSize;
extern const unsigned char kDarkSkinCompressedBytes[];
extern const std::size_t kDarkSkinCompressedSize;

namespace {

struct BuiltInSkin {
    const char* name;
    const char* title;
    const unsigned char* bytes;
    const std::size_t& size;
};

const BuiltInSkin kSkins[] = {
    { kDefaultBuiltInSkinName, "Lumeno Light", kLightSkinCompressedBytes, kLightSkinCompressedSize },
    { "dark", "Lumeno Dark", kDarkSkinCompressedBytes, kDarkSkinCompressedSize },
};

const BuiltInSkin* Find(const QString& name)
{
    for (const BuiltInSkin& skin : kSkins) {
        if (name == QLatin1String(skin.name))
            return &skin;
    }
    return nullptr;
}

} // namespace

QStringList BuiltInSkinNames()
{
    QStringList names;
    for (const BuiltInSkin& skin : kSkins)
        names << QString::fromLatin1(skin.name);
    return names;
}

bool IsBuiltInSkinName(const QString& name) { return Find(name) != nullptr; }

QString BuiltInSkinTitle(const QString& name)
{
    const BuiltInSkin* skin = Find(name);
    return skin ? QString::fromLatin1(skin->title) : QString();
}

QByteArray BuiltInSkinCompressedData(const QString& name)
{
    const BuiltInSkin* skin = Find(name);
    if (!skin)
        return {};
    return QByteArray::fromRawData(reinterpret_cast<const char*>(skin->bytes), static_cast<qsizetype>(skin->size));
}
