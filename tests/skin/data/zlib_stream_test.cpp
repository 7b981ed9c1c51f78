#include "skin/data/adler32.h"
#include "skin/data/skin_compression.h"
#include "skin/data/zlib_stream.h"

#include <QBuffer>
#include <gtest/gtest.h>
#include <zlib.h>

namespace {

// Bytes that compress a little but not to nothing.
QByteArray SampleBytes(int size)
{
    QByteArray bytes(size, '\0');
    quint32 state = 12345;
    for (int i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = char((state >> 16) % 16 + 'a');
    }
    return bytes;
}

struct OpenBuffer {
    explicit OpenBuffer(QByteArray initial = {})
        : bytes(std::move(initial))
    {
        buffer.setBuffer(&bytes);
        buffer.open(QIODevice::ReadWrite);
    }
    QByteArray bytes;
    QBuffer buffer;
};

// A source that hands over one byte a read, as a slow pipe may.
class TrickleDevice : public QIODevice {
public:
    explicit TrickleDevice(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 size) override
    {
        if (m_at == m_bytes.size() || size == 0)
            return m_at == m_bytes.size() ? -1 : 0;
        data[0] = m_bytes[m_at++];
        return 1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qsizetype m_at = 0;
};

template <typename Call>
std::string MessageOf(Call call)
{
    try {
        call();
    } catch (const EZlibError& error) {
        return error.what();
    }
    return "no error";
}

}

TEST(ZlibStream, CompressesAtMaximumLevelInBlocksAndInflatesBack)
{
    const QByteArray original = SampleBytes(100000);
    OpenBuffer destination;
    int blocks = 0;
    {
        TCompressionStream compressor(TCompressionLevel::clMax, destination.buffer);
        compressor.OnProgress = [&](TCustomZlibStream&) {
            ++blocks;
            EXPECT_EQ(destination.bytes.size(), qsizetype(blocks) * TCustomZlibStream::kBlockSize);
        };
        EXPECT_EQ(compressor.Write(original.constData(), 1000), 1000);
        EXPECT_EQ(compressor.Write(original.constData() + 1000, original.size() - 1000), original.size() - 1000);
        EXPECT_EQ(compressor.Seek(0, TSeekOrigin::soCurrent), original.size());
        compressor.Finish();
    }
    const QByteArray compressed = destination.bytes;
    ASSERT_GE(compressed.size(), 2);
    EXPECT_EQ(quint8(compressed[0]), 0x78);
    EXPECT_EQ(quint8(compressed[1]), 0xDA);
    EXPECT_GT(blocks, 0);

    OpenBuffer source(compressed);
    source.buffer.seek(0);
    TDecompressionStream decompressor(source.buffer);
    int reads = 0;
    decompressor.OnProgress = [&](TCustomZlibStream&) { ++reads; };
    QByteArray inflated(original.size() + 10, '\0');
    EXPECT_EQ(decompressor.Read(inflated.data(), inflated.size()), original.size());
    EXPECT_TRUE(decompressor.AtStreamEnd());
    EXPECT_EQ(inflated.left(original.size()), original);
    EXPECT_EQ(reads, (compressed.size() + TCustomZlibStream::kBlockSize - 1) / TCustomZlibStream::kBlockSize);
}

TEST(ZlibStream, CompressionStreamOnlyWritesForward)
{
    OpenBuffer destination;
    TCompressionStream compressor(TCompressionLevel::clFastest, destination.buffer);
    char byte = 0;
    EXPECT_EQ(MessageOf([&] { compressor.Read(&byte, 1); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { compressor.Seek(1, TSeekOrigin::soCurrent); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { compressor.Seek(0, TSeekOrigin::soBeginning); }), "Invalid stream operation");
    EXPECT_THROW(compressor.Read(&byte, 1), ECompressionError);
}

TEST(ZlibStream, DecompressionSeeksForwardOrToTheStartOnly)
{
    const QByteArray original = SampleBytes(20000);
    OpenBuffer source(CompressSkinPackage(original));
    TDecompressionStream stream(source.buffer);
    char chunk[100];

    EXPECT_EQ(stream.Read(chunk, 100), 100);
    EXPECT_EQ(stream.Seek(5000, TSeekOrigin::soCurrent), 5100);
    EXPECT_EQ(stream.Read(chunk, 100), 100);
    EXPECT_EQ(QByteArray(chunk, 100), original.mid(5100, 100));
    EXPECT_EQ(stream.Seek(9000, TSeekOrigin::soBeginning), 9000);
    EXPECT_EQ(stream.Read(chunk, 10), 10);
    EXPECT_EQ(QByteArray(chunk, 10), original.mid(9000, 10));

    EXPECT_EQ(MessageOf([&] { stream.Seek(-1, TSeekOrigin::soCurrent); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { stream.Seek(100, TSeekOrigin::soBeginning); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { stream.Seek(0, TSeekOrigin::soEnd); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { stream.Write(chunk, 1); }), "Invalid stream operation");
    EXPECT_THROW(stream.Write(chunk, 1), EDecompressionError);

    EXPECT_EQ(stream.Seek(0, TSeekOrigin::soBeginning), 0);
    EXPECT_EQ(stream.Read(chunk, 100), 100);
    EXPECT_EQ(QByteArray(chunk, 100), original.left(100));
    // Past the end a seek stops where the data ends.
    EXPECT_EQ(stream.Seek(1000000, TSeekOrigin::soCurrent), original.size());
}

TEST(ZlibStream, PutsTheWrappedStreamBackWhereItStopped)
{
    const QByteArray original = SampleBytes(30000);
    // The zlib data lies behind a header, as in a compressed skin file.
    OpenBuffer source(QByteArray("HEADER") + CompressSkinPackage(original));
    source.buffer.seek(6);
    TDecompressionStream stream(source.buffer);
    QByteArray first(10000, '\0');
    ASSERT_EQ(stream.Read(first.data(), first.size()), first.size());
    source.buffer.seek(1);
    QByteArray rest(30000, '\0');
    ASSERT_EQ(stream.Read(rest.data(), rest.size()), 20000);
    EXPECT_EQ(first + rest.left(20000), original);

    source.buffer.seek(3);
    EXPECT_EQ(stream.Seek(0, TSeekOrigin::soBeginning), 0);
    ASSERT_EQ(stream.Read(first.data(), first.size()), first.size());
    EXPECT_EQ(first, original.left(10000));
}

TEST(ZlibStream, CorruptTruncatedAndOverlongData)
{
    const QByteArray original = SampleBytes(50000);
    const QByteArray compressed = CompressSkinPackage(original);

    QByteArray corrupt = compressed;
    corrupt[0] = 0x79;
    EXPECT_EQ(MessageOf([&] { DecompressSkinPackage(corrupt); }),
        "compression error: incorrect header check (zlib -3) after 2 bytes of the compressed data (0 bytes inflated)");
    // A failure deep in the stream says what zlib found and where.
    QByteArray flipped = compressed;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x55);
    const std::string message = MessageOf([&] { DecompressSkinPackage(flipped); });
    EXPECT_EQ(message.rfind("compression error: ", 0), 0u) << message;
    EXPECT_NE(message.find("(zlib -3) after "), std::string::npos) << message;
    EXPECT_EQ(message.find("(0 bytes inflated)"), std::string::npos) << message;

    // A cut stream is reported, not loaded as a shorter package.
    EXPECT_THROW(DecompressSkinPackage(compressed.left(compressed.size() - 3)), EDecompressionError);
    EXPECT_THROW(DecompressSkinPackage(QByteArray()), EDecompressionError);
    OpenBuffer cut(compressed.left(100));
    TDecompressionStream stream(cut.buffer);
    QByteArray out(1000, '\0');
    const qint64 got = stream.Read(out.data(), out.size());
    EXPECT_LT(got, 1000);
    EXPECT_EQ(out.left(got), original.left(got));
    EXPECT_FALSE(stream.AtStreamEnd());

    // Bytes after the end of the zlib stream are not part of it.
    EXPECT_EQ(DecompressSkinPackage(compressed + "trailing bytes"), original);
}

TEST(ZlibStream, ChecksumAgreesWithZlibAndAWrongOneIsRefusedWhereverTheTrailerFalls)
{
    // Large bytes for the sums' widest reach, at lengths around the steps
    // and blocks the checksum is taken in, from aligned and unaligned starts.
    const QByteArray bytes = SampleBytes(20000) + QByteArray(12000, char(0xff));
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    for (const qsizetype from : { 0, 1, 7 }) {
        for (const qsizetype size : { 0, 1, 15, 16, 17, 31, 32, 33, 48, 5535, 5536, 5537, 5551, 5552, 5553, 11104, 31000 }) {
            EXPECT_EQ(Adler32(1, data + from, size), adler32_z(1, data + from, std::size_t(size)))
                << size << " bytes from " << from;
        }
    }

    const QByteArray compressed = CompressSkinPackage(bytes);
    QByteArray wrong = compressed;
    wrong[wrong.size() - 1] = char(wrong[wrong.size() - 1] ^ 1);
    EXPECT_NE(MessageOf([&] { DecompressSkinPackage(wrong); }).find("incorrect data check"), std::string::npos);
    // Byte by byte, the trailer arrives in four reads.
    for (const bool intact : { true, false }) {
        TrickleDevice source(intact ? compressed : wrong);
        TDecompressionStream inflating(source);
        QByteArray out(bytes.size() + 1, '\0');
        const std::string message = MessageOf([&] { out.truncate(inflating.Read(out.data(), out.size())); });
        if (intact) {
            EXPECT_EQ(message, "no error");
            EXPECT_EQ(out, bytes);
            EXPECT_TRUE(inflating.AtStreamEnd());
        } else {
            EXPECT_NE(message.find("incorrect data check"), std::string::npos) << message;
        }
    }
}

TEST(ZlibStream, StopsInflatingAtTheSizeLimit)
{
    const QByteArray zeros(3 * 1024 * 1024, '\0');
    OpenBuffer source(CompressSkinPackage(zeros));
    OpenBuffer destination;
    EXPECT_THROW(Decompress(destination.buffer, source.buffer, 1024 * 1024), EDecompressionError);
    EXPECT_LE(destination.bytes.size(), 1024 * 1024);
    OpenBuffer enough;
    Decompress(enough.buffer, source.buffer, zeros.size());
    EXPECT_EQ(enough.bytes, zeros);
}

TEST(ZlibStream, LevelNoneStillMakesAValidStream)
{
    const QByteArray original = SampleBytes(9000);
    OpenBuffer destination;
    {
        TCompressionStream compressor(TCompressionLevel::clNone, destination.buffer);
        compressor.Write(original.constData(), original.size());
    }
    EXPECT_GT(destination.bytes.size(), original.size());
    EXPECT_EQ(DecompressSkinPackage(destination.bytes), original);
}
