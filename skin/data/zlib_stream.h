#pragma once

#include <QIODevice>
#include <array>
#include <functional>
#include <stdexcept>
#include <zlib.h>

// Stream adaptors that deflate into or inflate from another stream, moving data
// in 4096-byte blocks.

class EZlibError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ECompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

class EDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

enum class TCompressionLevel { clNone = 0, clFastest = 1, clDefault = -1, clMax = 9 };

class TCustomZlibStream {
public:
    static constexpr int kBlockSize = 4096;

    TCustomZlibStream(const TCustomZlibStream&) = delete;
    TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;
    virtual ~TCustomZlibStream() = default;

    virtual qint64 Read(char* buffer, qint64 count) = 0;
    virtual qint64 Write(const char* buffer, qint64 count) = 0;
    virtual qint64 Seek(qint64 offset, TSeekOrigin origin) = 0;

    // Fired after each block that passes between the adaptor and its stream.
    std::function<void(TCustomZlibStream& sender)> OnProgress;

protected:
    explicit TCustomZlibStream(QIODevice& device);

    // Someone else may have moved the wrapped stream since the adaptor last
    // used it; put it back where the adaptor stopped.
    void RestoreDevicePosition();
    void RememberDevicePosition();
    void Progress();

    QIODevice& m_device;
    qint64 m_devicePosition;
    z_stream m_zstream {};
    std::array<char, kBlockSize> m_buffer {};
};

// Write-only: deflates what is written into the destination.
class TCompressionStream final : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel level, QIODevice& destination);
    // Finishes the stream if Finish() has not run; errors then go unreported,
    // so callers that care call Finish() themselves.
    ~TCompressionStream() override;

    qint64 Read(char* buffer, qint64 count) override;
    qint64 Write(const char* buffer, qint64 count) override;
    // Only Seek(0, soCurrent), which returns the bytes taken in so far.
    qint64 Seek(qint64 offset, TSeekOrigin origin) override;

    // Flushes the rest of the zlib stream into the destination. Idempotent.
    void Finish();

private:
    void WriteBuffer(qint64 count);

    bool m_finished = false;
};

// Read-only: inflates from the source.
class TDecompressionStream final : public TCustomZlibStream {
public:
    explicit TDecompressionStream(QIODevice& source);
    ~TDecompressionStream() override;

    // Returns fewer than count bytes once the source or the zlib stream ends.
    qint64 Read(char* buffer, qint64 count) override;
    qint64 Write(const char* buffer, qint64 count) override;
    // Seek(0, soBeginning) starts over; forward seeks read and discard;
    // anything else fails. Returns the bytes produced so far.
    qint64 Seek(qint64 offset, TSeekOrigin origin) override;

    // Whether the end of the zlib stream (its Adler-32 trailer) has been read.
    bool AtStreamEnd() const { return m_streamEnded; }

private:
    void SkipForward(qint64 count);
    // The library is told to leave the checksum to the stream, which
    // computes it faster; it still reads the trailer that holds it.
    void StartInflating();
    // Before the buffer is filled again.
    void KeepLastTakenInput();
    void CheckTrailer() const;

    qint64 m_sourceStart;
    bool m_streamEnded = false;
    quint32 m_checksum = 1;
    // The last four bytes of input taken before the buffer's present
    // contents, oldest first: the trailer may begin in them.
    std::array<uchar, 4> m_inputBefore {};
};
