#include "skin/draw/area_reduction.h"

#include "skin/draw/engine_bitmap.h"
#include "skin/draw/exposed_parts.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Weights are fixed point: the weights of one device pixel add up to kOne.
constexpr quint32 kOne = 1u << 16;

// Which face pixels along one axis make up each of count device pixels from
// first on, and how much of each.
struct AxisWeights {
    // The taps of pixel i are [start[i], start[i + 1]).
    std::vector<int> start;
    std::vector<int> index;
    std::vector<quint32> weight;
};

AxisWeights WeighAxis(int faceLength, double placeStart, double placeEnd, int first, int count)
{
    AxisWeights axis;
    axis.start.reserve(static_cast<std::size_t>(count) + 1);
    const double perDevicePixel = faceLength / (placeEnd - placeStart);
    for (int i = 0; i < count; ++i) {
        axis.start.push_back(static_cast<int>(axis.index.size()));
        const double from = std::max<double>(first + i, placeStart);
        const double to = std::min<double>(first + i + 1, placeEnd);
        if (to <= from) {
            axis.index.push_back(first + i + 0.5 < placeStart ? 0 : faceLength - 1);
            axis.weight.push_back(kOne);
            continue;
        }
        const double faceFrom = std::clamp((from - placeStart) * perDevicePixel, 0.0, double(faceLength));
        const double faceTo = std::clamp((to - placeStart) * perDevicePixel, faceFrom, double(faceLength));
        const int firstTap = std::min(faceLength - 1, static_cast<int>(std::floor(faceFrom)));
        const int lastTap = std::max(firstTap, std::min(faceLength - 1, static_cast<int>(std::ceil(faceTo)) - 1));
        const double span = faceTo - faceFrom;
        const std::size_t begin = axis.weight.size();
        quint32 total = 0;
        for (int tap = firstTap; tap <= lastTap; ++tap) {
            const double covered = std::min(faceTo, tap + 1.0) - std::max(faceFrom, double(tap));
            const double overlap = span > 0 ? covered / span : 1;
            const auto weight = static_cast<quint32>(std::lround(std::max(0.0, overlap) * kOne));
            axis.index.push_back(tap);
            axis.weight.push_back(weight);
            total += weight;
        }
        // Rounding leaves the sum a unit or two off: the largest tap takes it.
        const auto largest
            = std::max_element(axis.weight.begin() + static_cast<std::ptrdiff_t>(begin), axis.weight.end());
        *largest = *largest + kOne - total;
    }
    axis.start.push_back(static_cast<int>(axis.index.size()));
    return axis;
}

constexpr int Channel(QRgb pixel, int channel) { return static_cast<int>((pixel >> (8 * channel)) & 0xFF); }

} // namespace

bool IsFractionalRatio(qreal deviceRatio)
{
    return deviceRatio > 1 && std::abs(deviceRatio - std::round(deviceRatio)) > 1e-6;
}

QRect TouchedPixels(const QRectF& deviceRect)
{
    // A rounding error past a pixel's edge does not make it touched.
    const auto low = [](qreal edge) { return static_cast<int>(std::floor(edge + 1e-6)); };
    const auto high = [](qreal edge) { return static_cast<int>(std::ceil(edge - 1e-6)); };
    return QRect(QPoint(low(deviceRect.left()), low(deviceRect.top())),
        QPoint(high(deviceRect.right()) - 1, high(deviceRect.bottom()) - 1));
}

QImage ReduceByArea(const QImage& face, const QRectF& place, const QRect& pixels)
{
    if (face.isNull() || place.isEmpty() || pixels.isEmpty())
        return {};
    const QImage::Format format = face.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QImage source = face.format() == format ? face : face.convertToFormat(format);
    QImage reduced(pixels.size(), format);
    if (reduced.isNull())
        return {};
    const AxisWeights across = WeighAxis(source.width(), place.left(), place.right(), pixels.left(), pixels.width());
    const AxisWeights down = WeighAxis(source.height(), place.top(), place.bottom(), pixels.top(), pixels.height());
    const auto [leftmost, rightmost] = std::minmax_element(across.index.begin(), across.index.end());
    // One row of face columns summed down, per channel, in units of 1 / kOne.
    std::vector<quint32> column(static_cast<std::size_t>(source.width()) * 4);
    for (int y = 0; y < pixels.height(); ++y) {
        std::fill(column.begin(), column.end(), 0);
        for (int tap = down.start[y]; tap < down.start[y + 1]; ++tap) {
            const QRgb* row = SkinRow(source, down.index[tap]);
            const quint32 weight = down.weight[tap];
            for (int x = *leftmost; x <= *rightmost; ++x) {
                for (int channel = 0; channel < 4; ++channel)
                    column[x * 4 + channel] += weight * Channel(row[x], channel);
            }
        }
        QRgb* out = SkinRow(reduced, y);
        for (int x = 0; x < pixels.width(); ++x) {
            quint64 sums[4] = {};
            for (int tap = across.start[x]; tap < across.start[x + 1]; ++tap) {
                for (int channel = 0; channel < 4; ++channel)
                    sums[channel] += quint64(across.weight[tap]) * column[across.index[tap] * 4 + channel];
            }
            QRgb pixel = 0;
            for (int channel = 0; channel < 4; ++channel)
                pixel |= static_cast<QRgb>((sums[channel] + (quint64(1) << 31)) >> 32) << (8 * channel);
            out[x] = pixel;
        }
    }
    return reduced;
}

void DrawFaceOnDevice(QPainter& painter, const QPoint& at, const QImage& face, const QRegion& exposed)
{
    const QRect area(at, LogicalSize(face));
    const QRegion shown = exposed.intersected(area);
    if (face.isNull() || shown.isEmpty())
        return;
    const qreal deviceRatio = painter.device() ? painter.device()->devicePixelRatio() : 1;
    const QTransform toDevice = painter.deviceTransform();
    const qreal faceRatio = face.devicePixelRatio();
    if (!IsFractionalRatio(deviceRatio) || faceRatio <= deviceRatio || toDevice.type() > QTransform::TxScale) {
        DrawEachExposedPart(painter, shown, [&](const QRect& part) {
            const QRectF piece(QPointF(part.topLeft() - at) * faceRatio, QSizeF(part.size()) * faceRatio);
            painter.drawImage(part, face, piece);
        });
        return;
    }
    const QRectF place = toDevice.mapRect(QRectF(area));
    const QRect pixels = TouchedPixels(place) & TouchedPixels(toDevice.mapRect(QRectF(shown.boundingRect())));
    const QImage reduced = ReduceByArea(face, place, pixels);
    // Copied one to one: the painter is given the inverse of its own mapping
    // to the device.
    painter.save();
    painter.resetTransform();
    painter.setTransform(painter.deviceTransform().inverted());
    painter.drawImage(pixels.topLeft(), reduced);
    painter.restore();
}

void SpreadInsideColours(QImage& picture, const std::function<bool(int x, int y)>& inside)
{
    if (picture.isNull())
        return;
    if (picture.depth() != 32)
        picture = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = picture.width();
    std::vector<int> filledRows;
    std::vector<int> nearestLeft(static_cast<std::size_t>(width));
    for (int y = 0; y < picture.height(); ++y) {
        int last = -1;
        for (int x = 0; x < width; ++x) {
            if (inside(x, y))
                last = x;
            nearestLeft[x] = last;
        }
        if (last < 0)
            continue;
        filledRows.push_back(y);
        QRgb* row = SkinRow(picture, y);
        int next = -1;
        for (int x = width - 1; x >= 0; --x) {
            if (nearestLeft[x] == x) {
                next = x;
                continue;
            }
            const int left = nearestLeft[x];
            row[x] = row[left >= 0 && (next < 0 || x - left <= next - x) ? left : next];
        }
    }
    if (filledRows.empty())
        return;
    const auto rowBytes = static_cast<std::size_t>(picture.bytesPerLine());
    for (int y = 0; y < picture.height(); ++y) {
        const auto after = std::lower_bound(filledRows.begin(), filledRows.end(), y);
        if (after != filledRows.end() && *after == y)
            continue;
        const bool takeEarlier
            = after != filledRows.begin() && (after == filledRows.end() || y - *(after - 1) <= *after - y);
        const int from = takeEarlier ? *(after - 1) : *after;
        std::memcpy(picture.scanLine(y), picture.constScanLine(from), rowBytes);
    }
}

void SpreadInsideShape(QImage& face, const QRegion& shape)
{
    const QSize size = LogicalSize(face);
    const int ratio = std::max(1, static_cast<int>(std::lround(face.devicePixelRatio())));
    std::vector<char> inside(static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height()));
    for (const QRect& rect : shape.intersected(QRect(QPoint(), size))) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            std::fill_n(inside.begin() + y * size.width() + rect.left(), rect.width(), 1);
    }
    SpreadInsideColours(face, [&](int x, int y) { return inside[(y / ratio) * size.width() + x / ratio] != 0; });
}
