#include "fuzz/small_skin_seed.h"

#include "fuzz/skin_picture_mutator.h"
#include "skin/data/skin_package.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

int Distance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

// The palette's colours by how often the picture uses them.
QList<QRgb> MostFrequentColours(const QImage& picture, int count)
{
    QHash<QRgb, qsizetype> uses;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            ++uses[row[x]];
    }
    std::vector<std::pair<qsizetype, QRgb>> byUse;
    for (auto use = uses.cbegin(); use != uses.cend(); ++use)
        byUse.emplace_back(use.value(), use.key());
    // Ties by colour, so that a seed is made the same way every time.
    std::sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    QList<QRgb> colours;
    for (std::size_t i = 0; i < byUse.size() && i < std::size_t(count); ++i)
        colours.append(byUse[i].second);
    return colours;
}

// The decoded picture a listed bitmap stands for; none for an extra slot.
QImage* PictureOf(SkinPackage& package, const SkinPackageBitmap& bitmap)
{
    if (bitmap.activeIndex >= 0)
        return bitmap.activeIndex < package.activePictures.size() ? &package.activePictures[bitmap.activeIndex] : nullptr;
    if (bitmap.slot == QLatin1String("picture"))
        return &package.picture;
    if (bitmap.slot == QLatin1String("inactivepicture"))
        return &package.inactivePicture;
    if (bitmap.slot == QLatin1String("mask"))
        return &package.mask;
    return nullptr;
}


} // namespace

QImage WithPaletteOf256(const QImage& picture)
{
    if (picture.isNull() || picture.format() == QImage::Format_Indexed8 || picture.format() == QImage::Format_Mono
        || picture.format() == QImage::Format_MonoLSB)
        return picture;
    const QImage colours = picture.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> palette = MostFrequentColours(colours, 256);
    QHash<QRgb, uchar> indexOf;
    for (int i = 0; i < palette.size(); ++i)
        indexOf.insert(palette[i], uchar(i));
    const auto nearest = [&palette](QRgb colour) {
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (int i = 0; i < palette.size(); ++i) {
            if (const int distance = Distance(colour, palette[i]); distance < bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        return uchar(best);
    };
    QImage indexed(colours.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < colours.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(colours.constScanLine(y));
        uchar* to = indexed.scanLine(y);
        for (int x = 0; x < colours.width(); ++x) {
            const auto known = indexOf.constFind(from[x]);
            to[x] = known != indexOf.cend() ? *known : indexOf.insert(from[x], nearest(from[x])).value();
        }
    }
    return indexed;
}

QByteArray SmallSkinSeed(const QByteArray& package, qsizetype smallestShrunk)
{
    SkinPackage pictures = ReadSkinPackage(package, BmpPixels::AsStored);
    for (const SkinPackageBitmap& bitmap : ListSkinPackageBitmaps(package)) {
        QImage* picture = PictureOf(pictures, bitmap);
        if (picture && bitmap.present && bitmap.size > smallestShrunk)
            *picture = WithPaletteOf256(*picture);
    }
    QByteArray seed = WriteSkinPackage(pictures);
    StoreRunLength8Pictures(seed);
    return seed;
}

QByteArray WithFrameEffects(const QByteArray& package)
{
    constexpr const char* kMorphKinds[]
        = { "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush" };
    const qsizetype textStart = package.size() - ReadSkinPackage(package, BmpPixels::AsStored).definitionText.size();
    // The text's bytes one for one as characters, whatever its code page.
    QString text = QString::fromLatin1(package.mid(textStart));
    QString withMorphs;
    int morphs = 0;
    qsizetype copied = 0;
    QRegularExpressionMatchIterator off = QRegularExpression(QStringLiteral("^morphing=0(\\r?)$"),
        QRegularExpression::MultilineOption).globalMatch(text);
    while (off.hasNext()) {
        const QRegularExpressionMatch match = off.next();
        const QString lineEnd = match.captured(1) + QLatin1Char('\n');
        withMorphs += text.mid(copied, match.capturedStart() - copied) + QStringLiteral("morphing=1") + lineEnd
            + QStringLiteral("morphkind=") + QLatin1String(kMorphKinds[morphs++ % std::size(kMorphKinds)]);
        copied = match.capturedEnd() - match.captured(1).size();
    }
    text = withMorphs + text.mid(copied);
    text.replace(QStringLiteral("autorenderinginactiveimage=0"), QStringLiteral("autorenderinginactiveimage=1"));
    const QRegularExpressionMatch objects
        = QRegularExpression(QStringLiteral("\\[SKINOBJECTS\\](\\r?\\n)count=(\\d+)")).match(text);
    if (objects.hasMatch()) {
        const QString lineEnd = objects.captured(1);
        const int count = objects.captured(2).toInt();
        text.replace(objects.capturedStart(), objects.capturedLength(),
            QStringLiteral("[SKINOBJECTS]%1count=%2%1%3=animation:animate").arg(lineEnd).arg(count + 1).arg(count));
        if (!text.endsWith(QLatin1Char('\n')))
            text += lineEnd;
        text += QStringLiteral("[animation]%1activepictureindex=0%1skinrectinapicture=1%1skinrect=2,2,32,24%1"
                               "countframes=3%1buttonstyle=1%1")
                    .arg(lineEnd);
    }
    return package.left(textStart) + text.toLatin1();
}
