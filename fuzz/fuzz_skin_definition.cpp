// Arbitrary bytes as the definition text of an otherwise empty skin, loaded the
// whole way into a skin data component: every definition class reads its keys.
// A load ends either complete or cleared with a clean error.
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_values.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SkinPackage package;
    package.definitionText = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(CompressSkinPackage(WriteSkinPackage(package)));

    TbsSkinData skin;
    try {
        skin.LoadCompressedStoredSkin(stored);
    } catch (const SkinConversionError&) {
        if (!skin.Empty() || !skin.ControlDefinitions().empty() || !skin.ObjectDefinitions().empty())
            std::abort();
        return 0;
    }
    if (skin.Empty() || skin.SkinChanging())
        std::abort();
    for (std::size_t i = 0; i < skin.ControlDefinitions().size(); ++i) {
        const int found = skin.FindControlIndex(skin.ControlDefinitions()[i]->IDName());
        if (found < 0 || static_cast<std::size_t>(found) > i)
            std::abort();
    }
    return 0;
}
