#pragma once

// What the skin fuzz targets share: packages handed to the stored skin the
// way the program stores them, and checks that stop the run at once.
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <zlib.h>

// The package as the stored skin takes it, compressed at the fastest level:
// the load and what follows it, not the compression, are under test. (Stored
// blocks would cost less to make, but the reader sizes its output from the
// compressed size as for a real skin, 20 to 30 times smaller.)
inline QByteArray QuicklyCompressed(const QByteArray& package)
{
    uLongf length = compressBound(static_cast<uLong>(package.size()));
    QByteArray compressed(static_cast<qsizetype>(length), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef*>(compressed.data()), &length,
        reinterpret_cast<const Bytef*>(package.constData()), static_cast<uLong>(package.size()), Z_BEST_SPEED);
    compressed.resize(static_cast<qsizetype>(length));
    return compressed;
}

// The fuzzer's bytes as a byte array, without a copy; valid during the call.
inline QByteArray InputBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A broken invariant is a finding, like a crash.
inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}
