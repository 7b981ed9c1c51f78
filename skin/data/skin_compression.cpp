#include "skin/data/skin_compression.h"

#include "skin/data/zlib_stream.h"

#include <QBuffer>
#include <algorithm>
#include <array>
#include <string>

void Compress(QIODevice& package, QIODevice& destination)
{
    package.seek(0);
    TCompressionStream compressor(TCompressionLevel::clMax, destination);
    std::array<char, TCustomZlibStream::kBlockSize> block;
    for (;;) {
        const qint64 got = package.read(block.data(), block.size());
        if (got < 0)
            throw ECompressionError("cannot read the package: " + package.errorString().toStdString());
        if (got == 0)
            break;
        compressor.Write(block.data(), got);
    }
    compressor.Finish();
}

namespace {

void CheckInflatedSize(qint64 total, qint64 maxSize)
{
    if (total > maxSize)
        throw EDecompressionError("the skin package inflates to more than " + std::to_string(maxSize) + " bytes");
}

// A cut stream would otherwise load as a shorter skin without a word.
void CheckStreamEnded(const TDecompressionStream& decompressor)
{
    if (!decompressor.AtStreamEnd())
        throw EDecompressionError("the compressed skin data ends before its zlib stream does");
}

}

void Decompress(QIODevice& destination, QIODevice& compressed, qint64 maxSize)
{
    compressed.seek(0);
    TDecompressionStream decompressor(compressed);
    std::array<char, TCustomZlibStream::kBlockSize> block;
    qint64 total = 0;
    for (;;) {
        const qint64 got = decompressor.Read(block.data(), block.size());
        if (got == 0)
            break;
        total += got;
        CheckInflatedSize(total, maxSize);
        if (destination.write(block.data(), got) != got)
            throw EDecompressionError("cannot write the skin package: " + destination.errorString().toStdString());
    }
    CheckStreamEnded(decompressor);
}

bool StartsWithZlibHeader(const QByteArray& head)
{
    if (head.size() < 2 || quint8(head[0]) != 0x78)
        return false;
    return ((quint8(head[0]) << 8) | quint8(head[1])) % 31 == 0;
}

QByteArray CompressSkinPackage(const QByteArray& package)
{
    QByteArray source = package;
    QBuffer input(&source);
    input.open(QIODevice::ReadOnly);
    QByteArray compressed;
    QBuffer output(&compressed);
    output.open(QIODevice::WriteOnly);
    Compress(input, output);
    return compressed;
}

QByteArray DecompressSkinPackage(const QByteArray& compressed)
{
    QByteArray source = compressed;
    QBuffer input(&source);
    input.open(QIODevice::ReadOnly);
    TDecompressionStream decompressor(input);
    // Inflated straight into the package, which grows by doubling from a
    // guess: no block copies, no reallocation per block.
    QByteArray package;
    qint64 total = 0;
    for (;;) {
        if (total == package.size())
            package.resize(std::min<qint64>(std::max<qint64>({ 2 * total, 32 * compressed.size(), 65536 }), kMaxSkinPackageSize + 1));
        const qint64 got = decompressor.Read(package.data() + total, package.size() - total);
        total += got;
        CheckInflatedSize(total, kMaxSkinPackageSize);
        if (got == 0 || total < package.size())
            break;
    }
    CheckStreamEnded(decompressor);
    package.truncate(total);
    return package;
}
