#include "skin/data/compressed_stored_skin.h"

#include "skin/data/skin_compression.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_package_builder.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

namespace {

[[noreturn]] void Fail(const QString& message)
{
    throw SkinPackageError(message.toStdString());
}

qint32 ReadFrameInt32(QIODevice& stream, const QString& source, const char* field)
{
    char bytes[4];
    if (stream.read(bytes, sizeof bytes) != qint64(sizeof bytes))
        Fail(QStringLiteral("%1 ends before its %2").arg(source, QLatin1String(field)));
    return qFromLittleEndian<qint32>(bytes);
}

// No revision of the format will come near this; a larger "version" is the
// first bytes of some other file (text reads as a number of at least 0x09090909).
constexpr qint32 kMaxPlausibleVersion = 0xFFFF;

[[noreturn]] void FailNotASkin(const QString& source)
{
    Fail(QStringLiteral("%1 is not a skin package").arg(source));
}

// version, length, data; the length is checked against what the stream holds
// before anything is allocated for it. What cannot be a skin frame at all (a
// text file, a picture) is called so, rather than reported by the field that
// happened to look wrong first.
QByteArray ReadFrame(QIODevice& stream, const QString& source)
{
    const qint32 version = ReadFrameInt32(stream, source, "version");
    if (version < 0 || version > kMaxPlausibleVersion)
        FailNotASkin(source);
    if (version > kSkinPackageVersion)
        throw UnsupportedSkinVersionError(version);
    const qint32 length = ReadFrameInt32(stream, source, "length");
    if (length < 0)
        FailNotASkin(source);
    if (!stream.isSequential() && length > stream.size() - stream.pos())
        Fail(QStringLiteral("%1 announces %2 compressed bytes but holds %3")
                 .arg(source)
                 .arg(length)
                 .arg(stream.size() - stream.pos()));
    if (length > 0 && !StartsWithZlibHeader(stream.peek(2)))
        FailNotASkin(source);
    // A stream whose size is unknown is read piece by piece, so that a wild
    // length costs no more memory than the bytes really there.
    QByteArray data;
    while (data.size() < length) {
        const QByteArray piece = stream.read(qMin<qint64>(length - data.size(), 65536));
        if (piece.isEmpty())
            Fail(QStringLiteral("%1 ends inside its compressed data").arg(source));
        data += piece;
    }
    return data;
}

void WriteFrameInt32(QIODevice& stream, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    if (stream.write(bytes, sizeof bytes) != qint64(sizeof bytes))
        Fail(QStringLiteral("cannot write the framed skin: %1").arg(stream.errorString()));
}

}

bool LooksLikeCompressedSkinFile(const QByteArray& head)
{
    if (head.size() < 10)
        return false;
    const qint32 version = qFromLittleEndian<qint32>(head.constData());
    const qint32 length = qFromLittleEndian<qint32>(head.constData() + 4);
    return version >= 0 && version <= kMaxPlausibleVersion && length > 0 && StartsWithZlibHeader(head.mid(8, 2));
}

TbsCompressedStoredSkin::TbsCompressedStoredSkin(QObject* parent)
    : QObject(parent)
{
}

void TbsCompressedStoredSkin::LoadFromSkinFile(const QString& path)
{
    m_compressedData = CompressSkinPackage(WriteSkinPackage(BuildSkinPackage(path)));
}

void TbsCompressedStoredSkin::LoadFromCompressedFile(const QString& path)
{
    m_compressedData.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot open compressed skin file '%1': %2").arg(path, file.errorString()));
    m_compressedData = ReadFrame(file, QStringLiteral("compressed skin file '%1'").arg(path));
}

void TbsCompressedStoredSkin::ReadFramed(QIODevice& stream)
{
    m_compressedData.clear();
    stream.seek(0);
    m_compressedData = ReadFrame(stream, QStringLiteral("the framed skin"));
}

void TbsCompressedStoredSkin::WriteFramed(QIODevice& stream) const
{
    WriteFrameInt32(stream, kSkinPackageVersion);
    WriteFrameInt32(stream, static_cast<qint32>(m_compressedData.size()));
    if (stream.write(m_compressedData) != m_compressedData.size())
        Fail(QStringLiteral("cannot write the framed skin: %1").arg(stream.errorString()));
}

void TbsCompressedStoredSkin::Unpack(QIODevice& destination) const
{
    QByteArray data = m_compressedData;
    QBuffer compressed(&data);
    compressed.open(QIODevice::ReadOnly);
    Decompress(destination, compressed);
}
