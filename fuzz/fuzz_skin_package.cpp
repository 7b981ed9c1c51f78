// Arbitrary bytes as a decompressed skin package, as a compressed one, and as
// a skin definition text: every path must end in a result or a clean error.
#include "skin/data/ini_file.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_text_codec.h"
#include "skin/data/skin_values.h"
#include "skin/data/zlib_stream.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

namespace {

// Small enough that a zlib bomb costs the fuzzer little time.
constexpr qint64 kFuzzInflateLimit = 16 * 1024 * 1024;

void ReadPackage(const QByteArray& bytes)
{
    try {
        const SkinPackage package = ReadSkinPackage(bytes);
        // What was read must write back and read again.
        ReadSkinPackage(WriteSkinPackage(package));
    } catch (const SkinPackageError&) {
    }
}

void ReadCompressed(const QByteArray& bytes)
{
    QByteArray source = bytes;
    QBuffer input(&source);
    input.open(QIODevice::ReadOnly);
    QByteArray package;
    QBuffer output(&package);
    output.open(QIODevice::WriteOnly);
    try {
        Decompress(output, input, kFuzzInflateLimit);
    } catch (const EZlibError&) {
        return;
    }
    ReadPackage(package);
}

void ReadDefinition(const QByteArray& bytes)
{
    const TbsIniFile ini = TbsIniFile::FromText(DecodeSkinText(bytes));
    const QString pictures = QStringLiteral("PICTURES");
    ReadSkinStringList(ini, pictures, QStringLiteral("activepictures"));
    for (const QString& section : ini.Sections()) {
        ReadSkinInteger(ini, section, QStringLiteral("count"));
        try {
            ReadSkinRect(ini, section, QStringLiteral("skinrect"));
            ReadSkinPoint(ini, section, QStringLiteral("lefttoppoint"));
        } catch (const SkinConversionError&) {
        }
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReadPackage(bytes);
    ReadCompressed(bytes);
    ReadDefinition(bytes);
    return 0;
}
