#include "skin/data/skin_package.h"

#include "skin/data/skin_bitmap.h"

#include <QtEndian>

namespace {

constexpr quint8 kSlotHoldsPicture = 0;
constexpr quint8 kSlotEmpty = 1;
// The smallest BMP file: file header and core header, no pixels.
constexpr qsizetype kSmallestBitmap = 26;

// Walks a decompressed package field by field; every read checks the bytes
// that are left first.
class PackageCursor {
public:
    explicit PackageCursor(const QByteArray& data)
        : m_data(data)
    {
    }

    qsizetype Position() const { return m_position; }
    qsizetype Left() const { return m_data.size() - m_position; }

    qint32 ReadInt32(const char* field)
    {
        if (Left() < 4)
            throw SkinPackageError(std::string("the skin package ends inside its ") + field);
        const qint32 value = qFromLittleEndian<qint32>(m_data.constData() + m_position);
        m_position += 4;
        return value;
    }

    quint8 ReadFlag(const QString& slot)
    {
        if (Left() < 1)
            throw SkinPackageError(QStringLiteral("the skin package ends before its %1 slot").arg(slot).toStdString());
        return static_cast<quint8>(m_data[m_position++]);
    }

    // Reads the BMP file at the cursor into image and describes it in bitmap.
    void ReadBitmap(SkinPackageBitmap& bitmap, QImage& image)
    {
        const QString what = QStringLiteral("%1 picture").arg(bitmap.slot);
        const SkinBitmapHeader header = ReadSkinBitmapHeader(m_data, m_position, what);
        image = DecodeSkinBitmap(m_data, m_position, header, what);
        bitmap.present = true;
        bitmap.offset = m_position;
        bitmap.size = header.size;
        bitmap.width = header.width;
        bitmap.height = header.height;
        bitmap.bitsPerPixel = header.bitsPerPixel;
        m_position += header.size;
    }

    QByteArray Rest() const { return m_data.mid(m_position); }

private:
    const QByteArray& m_data;
    qsizetype m_position = 0;
};

struct ParsedPackage {
    SkinPackage package;
    QList<SkinPackageBitmap> bitmaps;
};

// Any flag but 0 counts as an empty slot.
QImage ReadSlot(PackageCursor& cursor, const QString& slot, QList<SkinPackageBitmap>& bitmaps)
{
    SkinPackageBitmap bitmap;
    bitmap.slot = slot;
    QImage image;
    if (cursor.ReadFlag(slot) == kSlotHoldsPicture)
        cursor.ReadBitmap(bitmap, image);
    bitmaps.append(bitmap);
    return image;
}

ParsedPackage ParsePackage(const QByteArray& data)
{
    ParsedPackage parsed;
    SkinPackage& package = parsed.package;
    PackageCursor cursor(data);
    package.version = cursor.ReadInt32("version");
    if (package.version > kSkinPackageVersion)
        throw UnsupportedSkinVersionError(package.version);
    package.picture = ReadSlot(cursor, QStringLiteral("picture"), parsed.bitmaps);
    package.inactivePicture = ReadSlot(cursor, QStringLiteral("inactivepicture"), parsed.bitmaps);
    package.mask = ReadSlot(cursor, QStringLiteral("mask"), parsed.bitmaps);
    if (package.version == 2) {
        ReadSlot(cursor, QStringLiteral("extra"), parsed.bitmaps);
        ReadSlot(cursor, QStringLiteral("extra"), parsed.bitmaps);
    }
    const qint32 count = cursor.ReadInt32("active picture count");
    if (count < 0)
        throw SkinPackageError(QStringLiteral("the skin package has a negative active picture count (%1)").arg(count).toStdString());
    if (count > cursor.Left() / kSmallestBitmap)
        throw SkinPackageError(QStringLiteral("the skin package announces %1 active pictures but has room for fewer").arg(count).toStdString());
    package.activePictures.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        SkinPackageBitmap bitmap;
        bitmap.slot = QStringLiteral("active %1").arg(i);
        bitmap.activeIndex = i;
        QImage image;
        cursor.ReadBitmap(bitmap, image);
        parsed.bitmaps.append(bitmap);
        package.activePictures.append(image);
    }
    package.definitionText = cursor.Rest();
    return parsed;
}

void AppendInt32(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

void AppendSlot(QByteArray& out, const QImage& image, const QString& slot)
{
    if (image.isNull()) {
        out.append(char(kSlotEmpty));
        return;
    }
    out.append(char(kSlotHoldsPicture));
    out += EncodeSkinBitmap(image, QStringLiteral("%1 picture").arg(slot));
}

}

UnsupportedSkinVersionError::UnsupportedSkinVersionError(int version)
    : SkinPackageError(QStringLiteral("skin version %1 is newer than version %2, the newest this program reads")
                           .arg(version)
                           .arg(kSkinPackageVersion)
                           .toStdString())
    , m_version(version)
{
}

SkinPackage ReadSkinPackage(const QByteArray& decompressed)
{
    return ParsePackage(decompressed).package;
}

QList<SkinPackageBitmap> ListSkinPackageBitmaps(const QByteArray& decompressed)
{
    return ParsePackage(decompressed).bitmaps;
}

QByteArray WriteSkinPackage(const SkinPackage& package)
{
    QByteArray out;
    AppendInt32(out, kSkinPackageVersion);
    AppendSlot(out, package.picture, QStringLiteral("picture"));
    AppendSlot(out, package.inactivePicture, QStringLiteral("inactivepicture"));
    AppendSlot(out, package.mask, QStringLiteral("mask"));
    AppendInt32(out, static_cast<qint32>(package.activePictures.size()));
    for (qsizetype i = 0; i < package.activePictures.size(); ++i)
        out += EncodeSkinBitmap(package.activePictures[i], QStringLiteral("active %1 picture").arg(i));
    out += package.definitionText;
    return out;
}
