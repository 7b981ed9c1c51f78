#include "skin/data/skin_package.h"

#include "skin/data/bmp_codec.h"
#include "skin/data/skin_budgets.h"

#include <QtEndian>
#include <cstdlib>

namespace {

constexpr quint8 kSlotHoldsPicture = 0;
constexpr quint8 kSlotEmpty = 1;
// The smallest BMP file: file header and core header, no pixels.
constexpr qsizetype kSmallestBitmap = 26;

[[noreturn]] void Fail(const QString& message)
{
    throw SkinPackageError(message.toStdString());
}

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
            Fail(QStringLiteral("the skin package ends before its %1 slot").arg(slot));
        return static_cast<quint8>(m_data[m_position++]);
    }

    // Checks the header of the BMP file at the cursor, describes it in
    // bitmap and moves past it; the pixels are decoded later.
    void SkipBitmap(SkinPackageBitmap& bitmap)
    {
        const BmpHeader header = ReadBmpHeader(m_data, m_position, PictureName(bitmap));
        bitmap.present = true;
        bitmap.offset = m_position;
        bitmap.size = header.size;
        bitmap.width = header.width;
        bitmap.height = header.height;
        bitmap.bitsPerPixel = header.bitsPerPixel;
        m_position += header.size;
    }

private:
    const QByteArray& m_data;
    qsizetype m_position = 0;
};

// Where everything of a package lies, read from its headers alone.
struct PackageLayout {
    int version = kSkinPackageVersion;
    QList<SkinPackageBitmap> bitmaps;
    qsizetype definitionTextOffset = 0;
};

void ReadSlot(PackageCursor& cursor, const QString& slot, QList<SkinPackageBitmap>& bitmaps)
{
    SkinPackageBitmap bitmap;
    bitmap.slot = slot;
    if (cursor.ReadFlag(slot) == kSlotHoldsPicture)
        cursor.SkipBitmap(bitmap);
    bitmaps.append(bitmap);
}

// The costs of skin_budgets.h, checked before any picture is decoded.
void CheckBudgets(const PackageLayout& layout, qsizetype packageSize)
{
    qint64 pixels = 0;
    for (const SkinPackageBitmap& bitmap : layout.bitmaps) {
        if (bitmap.present)
            pixels += qint64(bitmap.width) * std::abs(qint64(bitmap.height));
    }
    if (pixels > kMaxSkinPixels)
        throw SkinBudgetError(QStringLiteral("the skin's pictures hold %1 pixels together, more than the %2 a skin may have")
                                  .arg(pixels)
                                  .arg(kMaxSkinPixels)
                                  .toStdString());
    const qint64 textSize = packageSize - layout.definitionTextOffset;
    if (textSize > kMaxSkinDefinitionTextSize)
        throw SkinBudgetError(QStringLiteral("the skin's definition text has %1 bytes, more than the %2 a skin may have")
                                  .arg(textSize)
                                  .arg(kMaxSkinDefinitionTextSize)
                                  .toStdString());
}

// Any flag but 0 counts as an empty slot.
PackageLayout ReadLayout(const QByteArray& data)
{
    PackageLayout layout;
    PackageCursor cursor(data);
    layout.version = cursor.ReadInt32("version");
    if (layout.version > kSkinPackageVersion)
        throw UnsupportedSkinVersionError(layout.version);
    ReadSlot(cursor, QStringLiteral("picture"), layout.bitmaps);
    ReadSlot(cursor, QStringLiteral("inactivepicture"), layout.bitmaps);
    ReadSlot(cursor, QStringLiteral("mask"), layout.bitmaps);
    if (layout.version == 2) {
        ReadSlot(cursor, QStringLiteral("extra"), layout.bitmaps);
        ReadSlot(cursor, QStringLiteral("extra"), layout.bitmaps);
    }
    const qint32 count = cursor.ReadInt32("active picture count");
    if (count < 0)
        Fail(QStringLiteral("the skin package has a negative active picture count (%1)").arg(count));
    if (count > cursor.Left() / kSmallestBitmap)
        Fail(QStringLiteral("the skin package announces %1 active pictures but has room for fewer").arg(count));
    if (count > kMaxSkinActivePictures)
        throw SkinBudgetError(QStringLiteral("the skin package has %1 active pictures, more than the %2 a skin may have")
                                  .arg(count)
                                  .arg(kMaxSkinActivePictures)
                                  .toStdString());
    for (qint32 i = 0; i < count; ++i) {
        SkinPackageBitmap bitmap;
        bitmap.slot = QStringLiteral("active %1").arg(i);
        bitmap.activeIndex = i;
        cursor.SkipBitmap(bitmap);
        layout.bitmaps.append(bitmap);
    }
    layout.definitionTextOffset = cursor.Position();
    CheckBudgets(layout, data.size());
    return layout;
}

QImage DecodePicture(const QByteArray& data, const SkinPackageBitmap& bitmap, BmpPixels pixels)
{
    const QString what = PictureName(bitmap);
    return DecodeBmp(data, bitmap.offset, ReadBmpHeader(data, bitmap.offset, what), what, pixels);
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
    out += EncodeBmp(image, QStringLiteral("%1 picture").arg(slot));
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

SkinPackage ReadSkinPackage(const QByteArray& decompressed, BmpPixels pixels)
{
    const PackageLayout layout = ReadLayout(decompressed);
    SkinPackage package;
    package.version = layout.version;
    for (const SkinPackageBitmap& bitmap : layout.bitmaps) {
        if (!bitmap.present || bitmap.slot == QLatin1String("extra"))
            continue;
        QImage picture = DecodePicture(decompressed, bitmap, pixels);
        if (bitmap.activeIndex >= 0)
            package.activePictures.append(std::move(picture));
        else if (bitmap.slot == QLatin1String("picture"))
            package.picture = std::move(picture);
        else if (bitmap.slot == QLatin1String("inactivepicture"))
            package.inactivePicture = std::move(picture);
        else
            package.mask = std::move(picture);
    }
    package.definitionText = decompressed.mid(layout.definitionTextOffset);
    return package;
}

QList<SkinPackageBitmap> ListSkinPackageBitmaps(const QByteArray& decompressed)
{
    return ReadLayout(decompressed).bitmaps;
}

QString PictureName(const SkinPackageBitmap& bitmap)
{
    return QStringLiteral("%1 picture").arg(bitmap.slot);
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
        out += EncodeBmp(package.activePictures[i], QStringLiteral("active %1 picture").arg(i));
    out += package.definitionText;
    return out;
}
