#include "skin/data/zlib_stream.h"

#include "skin/data/adler32.h"

#include <algorithm>
#include <limits>
#include <string>

namespace {

const char* const kInvalidStreamOperation = "Invalid stream operation";

// zlib counts in uInt; larger requests are fed to it in pieces of this size.
constexpr qint64 kMaxZlibChunk = std::numeric_limits<uInt>::max();

// The failure in the library's own words (its message for the stream when it
// left one, else the text of the code) and where in the data it happened.
// The generic text the callers know comes first.
std::string Failure(const char* generic, const z_stream& stream, int result, const char* where)
{
    const char* reason = stream.msg ? stream.msg : result == Z_NEED_DICT ? "the stream asks for a preset dictionary" : zError(result);
    return std::string(generic) + ": " + reason + " (zlib " + std::to_string(result) + ") " + where;
}

std::string InflateFailure(const z_stream& stream, int result)
{
    const std::string where = "after " + std::to_string(stream.total_in) + " bytes of the compressed data ("
        + std::to_string(stream.total_out) + " bytes inflated)";
    return Failure("compression error", stream, result, where.c_str());
}

std::string DeflateFailure(const z_stream& stream, int result)
{
    const std::string where = "after " + std::to_string(stream.total_in) + " bytes taken in";
    return Failure("error", stream, result, where.c_str());
}

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
    if (const int result = deflateInit(&m_zstream, static_cast<int>(level)); result < 0)
        throw ECompressionError(DeflateFailure(m_zstream, result));
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
            if (const int result = deflate(&m_zstream, Z_NO_FLUSH); result < 0)
                throw ECompressionError(DeflateFailure(m_zstream, result));
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
            throw ECompressionError(DeflateFailure(m_zstream, result));
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
    if (const int result = inflateInit(&m_zstream); result < 0)
        throw EDecompressionError(InflateFailure(m_zstream, result));
    StartInflating();
}

void TDecompressionStream::StartInflating()
{
    inflateValidate(&m_zstream, 0);
    m_checksum = 1;
    m_inputBefore = {};
}

void TDecompressionStream::KeepLastTakenInput()
{
    // All the buffer held is taken; its last bytes move on, once.
    const auto* taken = reinterpret_cast<const uchar*>(m_buffer.data());
    const qint64 held = m_zstream.next_in - taken;
    for (qint64 i = std::max<qint64>(0, held - 4); i < held; ++i) {
        std::rotate(m_inputBefore.begin(), m_inputBefore.begin() + 1, m_inputBefore.end());
        m_inputBefore.back() = taken[i];
    }
    m_zstream.next_in = reinterpret_cast<Bytef*>(m_buffer.data());
}

void TDecompressionStream::CheckTrailer() const
{
    // The four bytes just before where the library stopped, big-endian.
    const auto* buffer = reinterpret_cast<const uchar*>(m_buffer.data());
    const qint64 taken = m_zstream.next_in - buffer;
    quint32 stored = 0;
    for (qint64 i = taken - 4; i < taken; ++i)
        stored = stored << 8 | (i < 0 ? m_inputBefore[std::size_t(4 + i)] : buffer[i]);
    if (stored != m_checksum) {
        z_stream failed = m_zstream;
        failed.msg = const_cast<char*>("incorrect data check");
        throw EDecompressionError(InflateFailure(failed, Z_DATA_ERROR));
    }
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
            KeepLastTakenInput();
            RestoreDevicePosition();
            const qint64 got = m_device.read(m_buffer.data(), kBlockSize);
            if (got < 0)
                throw EDecompressionError("cannot read the compressed data: " + m_device.errorString().toStdString());
            if (got == 0)
                break;
            RememberDevicePosition();
            m_zstream.avail_in = static_cast<uInt>(got);
            Progress();
        }
        const qint64 wanted = std::min(count - produced, kMaxZlibChunk);
        m_zstream.next_out = reinterpret_cast<Bytef*>(buffer + produced);
        m_zstream.avail_out = static_cast<uInt>(wanted);
        const int result = inflate(&m_zstream, Z_NO_FLUSH);
        const qint64 made = wanted - m_zstream.avail_out;
        m_checksum = Adler32(m_checksum, reinterpret_cast<const uchar*>(buffer + produced), made);
        produced += made;
        // A stream that asks for a preset dictionary would never move on: no
        // skin carries one, so it is as corrupt as any other.
        if (result < 0 || result == Z_NEED_DICT)
            throw EDecompressionError(InflateFailure(m_zstream, result));
        if (result == Z_STREAM_END) {
            CheckTrailer();
            m_streamEnded = true;
        }
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
        if (const int result = inflateReset(&m_zstream); result < 0)
            throw EDecompressionError(InflateFailure(m_zstream, result));
        StartInflating();
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
