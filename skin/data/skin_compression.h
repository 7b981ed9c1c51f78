#pragma once

#include "skin/data/skin_budgets.h"

#include <QByteArray>
#include <QIODevice>

// The two package routines between a decompressed package and its zlib stream.

// Compresses the whole of package (from its start) at maximum level into
// destination, finishing the zlib stream.
void Compress(QIODevice& package, QIODevice& destination);

// Inflates compressed (from its start) into destination. Throws
// EDecompressionError when the data is corrupt, when it ends before the zlib
// stream does, and when the output would pass maxSize bytes.
void Decompress(QIODevice& destination, QIODevice& compressed, qint64 maxSize = kMaxSkinPackageSize);

// Whether bytes begin as a zlib stream of a skin package does: CMF 0x78
// (deflate, 32 KiB window) and a header check that divides by 31. Tells a
// skin's zlib data from any other file before a byte of it is inflated.
bool StartsWithZlibHeader(const QByteArray& head);

QByteArray CompressSkinPackage(const QByteArray& package);
QByteArray DecompressSkinPackage(const QByteArray& compressed);
