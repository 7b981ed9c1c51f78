#pragma once

#include <QByteArray>
#include <QIODevice>

// The two package routines between a decompressed package and its zlib stream.

// Compresses the whole of package (from its start) at maximum level into
// destination, finishing the zlib stream.
void Compress(QIODevice& package, QIODevice& destination);

// Inflates compressed (from its start) into destination. Throws
// EDecompressionError when the data is corrupt or ends before the zlib stream
// does, and when the output would pass kMaxDecompressedSkinSize.
void Decompress(QIODevice& destination, QIODevice& compressed);
// The same with a lower limit on the output.
void Decompress(QIODevice& destination, QIODevice& compressed, qint64 maxSize);

constexpr qint64 kMaxDecompressedSkinSize = qint64(256) * 1024 * 1024;

QByteArray CompressSkinPackage(const QByteArray& package);
QByteArray DecompressSkinPackage(const QByteArray& compressed);
