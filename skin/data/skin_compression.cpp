#include "skin/data/skin_compression.h"

#include "skin/data/zlib_stream.h"

#include <QBuffer>
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
        if (total > maxSize)
            throw EDecompressionError("the skin package inflates to more than " + std::to_string(maxSize) + " bytes");
        if (destination.write(block.data(), got) != got)
            throw EDecompressionError("cannot write the skin package: " + destination.errorString().toStdString());
    }
    // A cut stream would otherwise load as a shorter skin without a word.
    if (!decompressor.AtStreamEnd())
        throw EDecompressionError("the compressed skin data ends before its zlib stream does");
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
    QByteArray package;
    QBuffer output(&package);
    output.open(QIODevice::WriteOnly);
    Decompress(output, input);
    return package;
}
