#include "skin/data/zlib_stream.h"

#include <algorithm>
#include <limits>

namespace {

const char* const kInvalidStreamOperation = "Invalid stream operation";

// zlib counts in uInt; larger requests are fed to it in pieces of this size.
constexpr qint64 kMaxZlibChunk = std::numeric_limits<uInt>::max();

}

TCustomZlibStream::TCustomZlibStream(QIODevice& device)
    : m_device(device)
    , m_devicePosition(device.isSequential() ? 0 : device.pos())
{
}

void TCustomZlibStream::RestoreDevicePosition()
{
    if (!m_device.isSequential() && m_device.pos() != m_devicePosition)
        m_device.seek(m_devicePosition);
}

void TCustomZlibStream::RememberDevicePosition()
{
    if (!m_device.isSequential())
        m_devicePosition = m_device.pos();
}

void TCustomZlibStream::Progress()
{
    if (OnProgress)
        OnProgress(*this);
}

TCompressionStream::TCompressionStream(TCompressionLevel level, QIODevice& destination)
    : TCustomZlibStream(destination)
{
    if (deflateInit(&m_zstream, static_cast<int>(level)) < 0)
        throw ECompressionError("error");
    m_zstream.next_out = reinterpret_cast<Bytef*>(m_buffer.data());
    m_zstream.avail_out = kBlockSize;
}

TCompressionStream::~TCompressionStream()
{
    if (!m_finished) {
        try {
            Finish();
        } catch (const EZlibError&) {
            // A destructor cannot report; Finish() is there for callers that must know.
        }
    }
    deflateEnd(&m_zstream);
}

void TCompressionStream::WriteBuffer(qint64 count)
{
    RestoreDevicePosition();
    if (m_device.write(m_buffer.data(), count) != count)
        throw ECompressionError("cannot write the compressed data: " + m_device.errorString().toStdString());
    RememberDevicePosition();
    m_zstream.next_out = reinterpret_cast<Bytef*>(m_buffer.data());
    m_zstream.avail_out = kBlockSize;
}

qint64 TCompressionStream::Read(char*, qint64)
{
    throw ECompressionError(kInvalidStreamOperation);
}

qint64 TCompressionStream::Write(const char* buffer, qint64 count)
{
    if (m_finished)
        throw ECompressionError(kInvalidStreamOperation);
    qint64 remaining = std::max<qint64>(count, 0);
    auto* next = reinterpret_cast<const Bytef*>(buffer);
    while (remaining > 0) {
        const qint64 chunk = std::min(remaining, kMaxZlibChunk);
        m_zstream.next_in = const_cast<Bytef*>(next);
        m_zstream.avail_in = static_cast<uInt>(chunk);
        while (m_zstream.avail_in > 0) {
            if (deflate(&m_zstream, Z_NO_FLUSH) < 0)
                throw ECompressionError("error");
            if (m_zstream.avail_out == 0) {
                WriteBuffer(kBlockSize);
                Progress();
            }
        }
        next += chunk;
        remaining -= chunk;
    }
    return count;
}

qint64 TCompressionStream::Seek(qint64 offset, TSeekOrigin origin)
{
    if (offset == 0 && origin == TSeekOrigin::soCurrent)
        return static_cast<qint64>(m_zstream.total_in);
    throw ECompressionError(kInvalidStreamOperation);
}

void TCompressionStream::Finish()
{
    if (m_finished)
        return;
    m_zstream.next_in = nullptr;
    m_zstream.avail_in = 0;
    for (;;) {
        const int result = deflate(&m_zstream, Z_FINISH);
        if (result < 0)
            throw ECompressionError("error");
        if (result == Z_STREAM_END)
            break;
        if (m_zstream.avail_out == 0)
            WriteBuffer(kBlockSize);
    }
    if (m_zstream.avail_out < kBlockSize)
        WriteBuffer(kBlockSize - m_zstream.avail_out);
    m_finished = true;
}

TDecompressionStream::TDecompressionStream(QIODevice& source)
    : TCustomZlibStream(source)
    , m_sourceStart(m_devicePosition)
{
    m_zstream.next_in = reinterpret_cast<Bytef*>(m_buffer.data());
    m_zstream.avail_in = 0;
    if (inflateInit(&m_zstream) < 0)
        throw EDecompressionError("compression error");
}

TDecompressionStream::~TDecompressionStream()
{
    inflateEnd(&m_zstream);
}

qint64 TDecompressionStream::Read(char* buffer, qint64 count)
{
    qint64 produced = 0;
    while (produced < count && !m_streamEnded) {
        if (m_zstream.avail_in == 0) {
            RestoreDevicePosition();
            const qint64 got = m_device.read(m_buffer.data(), kBlockSize);
            if (got < 0)
                throw EDecompressionError("cannot read the compressed data: " + m_device.errorString().toStdString());
            if (got == 0)
                break;
            RememberDevicePosition();
            m_zstream.next_in = reinterpret_cast<Bytef*>(m_buffer.data());
            m_zstream.avail_in = static_cast<uInt>(got);
            Progress();
        }
        const qint64 wanted = std::min(count - produced, kMaxZlibChunk);
        m_zstream.next_out = reinterpret_cast<Bytef*>(buffer + produced);
        m_zstream.avail_out = static_cast<uInt>(wanted);
        const int result = inflate(&m_zstream, Z_NO_FLUSH);
        produced += wanted - m_zstream.avail_out;
        // A stream that asks for a preset dictionary would never move on: no
        // skin carries one, so it is as corrupt as any other.
        if (result < 0 || result == Z_NEED_DICT)
            throw EDecompressionError("compression error");
        if (result == Z_STREAM_END)
            m_streamEnded = true;
    }
    return produced;
}

qint64 TDecompressionStream::Write(const char*, qint64)
{
    throw EDecompressionError(kInvalidStreamOperation);
}

qint64 TDecompressionStream::Seek(qint64 offset, TSeekOrigin origin)
{
    const auto producedSoFar = static_cast<qint64>(m_zstream.total_out);
    if (offset == 0 && origin == TSeekOrigin::soBeginning) {
        if (inflateReset(&m_zstream) < 0)
            throw EDecompressionError("compression error");
        m_zstream.next_in = reinterpret_cast<Bytef*>(m_buffer.data());
        m_zstream.avail_in = 0;
        m_streamEnded = false;
        // Back to where the zlib data began, which need not be the start of
        // the source (a compressed skin file has a header before it).
        m_devicePosition = m_sourceStart;
        RestoreDevicePosition();
    } else if (offset >= 0 && origin == TSeekOrigin::soCurrent) {
        SkipForward(offset);
    } else if (origin == TSeekOrigin::soBeginning && offset > producedSoFar) {
        SkipForward(offset - producedSoFar);
    } else {
        throw EDecompressionError(kInvalidStreamOperation);
    }
    return static_cast<qint64>(m_zstream.total_out);
}

void TDecompressionStream::SkipForward(qint64 count)
{
    std::array<char, kBlockSize> discard;
    while (count > 0) {
        const qint64 piece = std::min<qint64>(count, kBlockSize);
        const qint64 got = Read(discard.data(), piece);
        if (got < piece)
            return;
        count -= got;
    }
}
