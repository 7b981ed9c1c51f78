#include "skin/draw/whole_pixel_scaling.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

int WholePixelRatio(qreal deviceRatio)
{
    if (!(deviceRatio >= 1))
        return 1;
    // A ratio a rounding error past a whole number is that number.
    if (deviceRatio >= kMaxWholePixelRatio)
        return kMaxWholePixelRatio;
    return static_cast<int>(std::ceil(deviceRatio - 1e-6));
}

int WholePixelRatio(const QPaintDevice& device)
{
    return WholePixelRatio(device.devicePixelRatio());
}

QImage ScaleByWholePixels(const QImage& image, int ratio)
{
    if (ratio <= 1 || image.isNull() || image.devicePixelRatio() != 1.0)
        return image;
    ratio = std::min(ratio, kMaxWholePixelRatio);
    // Indexed pictures are widened first, so each row is an array of pixels.
    const QImage source = image.depth() == 32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    QImage scaled(source.width() * ratio, source.height() * ratio, source.format());
    if (scaled.isNull())
        return {};
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const quint32*>(source.constScanLine(y));
        auto* out = reinterpret_cast<quint32*>(scaled.scanLine(y * ratio));
        for (int x = 0; x < source.width(); ++x)
            std::fill_n(out + x * ratio, ratio, in[x]);
        const auto rowBytes = static_cast<std::size_t>(scaled.bytesPerLine());
        for (int copy = 1; copy < ratio; ++copy)
            std::memcpy(scaled.scanLine(y * ratio + copy), out, rowBytes);
    }
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

ScaledPictureCache::ScaledPictureCache(qint64 budgetBytes)
    : m_budgetBytes(budgetBytes)
{
}

QImage ScaledPictureCache::Scaled(const QImage& picture, int ratio)
{
    if (ratio <= 1 || picture.isNull())
        return picture;
    const qint64 key = picture.cacheKey();
    const auto hit = std::find_if(m_entries.begin(), m_entries.end(),
        [&](const Entry& entry) { return entry.key == key && entry.ratio == ratio; });
    if (hit != m_entries.end()) {
        m_entries.splice(m_entries.begin(), m_entries, hit);
        return hit->scaled;
    }
    QImage scaled = ScaleByWholePixels(picture, ratio);
    const qint64 bytes = scaled.sizeInBytes();
    if (bytes > m_budgetBytes)
        return scaled;
    while (!m_entries.empty() && m_bytes + bytes > m_budgetBytes) {
        m_bytes -= m_entries.back().scaled.sizeInBytes();
        m_entries.pop_back();
    }
    m_entries.push_front({ key, ratio, scaled });
    m_bytes += bytes;
    return scaled;
}

void ScaledPictureCache::Clear()
{
    m_entries.clear();
    m_bytes = 0;
}

void DrawPicturePiece(QPainter& painter, const QRect& target, const QImage& picture, const QRect& piece,
    ScaledPictureCache& cache)
{
    if (target.isEmpty() || piece.isEmpty() || picture.isNull())
        return;
    const int ratio = painter.device() ? WholePixelRatio(*painter.device()) : 1;
    if (ratio <= 1 || target.size() != piece.size()) {
        painter.drawImage(target, picture, piece);
        return;
    }
    const QImage scaled = cache.Scaled(picture, ratio);
    const QRect devicePiece(piece.topLeft() * ratio, piece.size() * ratio);
    painter.drawImage(target, scaled, devicePiece);
}
