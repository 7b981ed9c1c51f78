#include "skins/default_skin.h"

#include <cstddef>

// Written by embed_compressed_skin.cmake.
extern const unsigned char kDefaultSkinCompressedBytes[];
extern const std::size_t kDefaultSkinCompressedSize;

QByteArray DefaultSkinCompressedData()
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(kDefaultSkinCompressedBytes),
                                   static_cast<qsizetype>(kDefaultSkinCompressedSize));
}
