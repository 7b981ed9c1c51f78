#include "skin/draw/morph.h"

#include "skin/draw/engine_bitmap.h"
#include "skin/draw/pixel_loops.h"
#include "skin/draw/round_half_even.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

int MixChannel(int current, int target, double currentWeight, double targetWeight)
{
    return std::clamp(RoundHalfEven(currentWeight * current + targetWeight * target), 0, 255);
}

QRgb Mix(QRgb current, QRgb target, double currentWeight, double targetWeight)
{
    return qRgb(MixChannel(qRed(current), qRed(target), currentWeight, targetWeight),
        MixChannel(qGreen(current), qGreen(target), currentWeight, targetWeight),
        MixChannel(qBlue(current), qBlue(target), currentWeight, targetWeight));
}

// The plain blend: one weight pair for every pixel. Large images look each
// result up by its channel pair rather than computing it millions of times;
// small ones are done before such a table would be built.
void Blend(QImage& current, const QImage& target, double progress)
{
    int const width = current.width();
    int const height = current.height();
    constexpr int kTableSize = 256 * 256;
    bool const useTable = qint64(width) * height * 3 > kTableSize;
    std::vector<quint8> table;
    if (useTable) {
        table.resize(kTableSize);
        for (int c = 0; c < 256; ++c)
            for (int t = 0; t < 256; ++t)
                table[c * 256 + t] = static_cast<quint8>(MixChannel(c, t, 1 - progress, progress));
    }
    MixEachPixel(current, target, [&](QRgb c, QRgb t, int, int) {
        return useTable ? qRgb(table[qRed(c) * 256 + qRed(t)], table[qGreen(c) * 256 + qGreen(t)],
                              table[qBlue(c) * 256 + qBlue(t)])
                        : Mix(c, t, 1 - progress, progress);
    });
}

// Weights of the current image per column (or row): 0 shows the target,
// 1 keeps the current image.
void MixColumns(QImage& current, const QImage& target, const std::vector<double>& weights)
{
    MixEachPixel(current, target,
        [&weights](QRgb c, QRgb t, int x, int) { return Mix(c, t, weights[x], 1 - weights[x]); });
}

void MixRows(QImage& current, const QImage& target, const std::vector<double>& weights)
{
    MixEachPixel(current, target,
        [&weights](QRgb c, QRgb t, int, int y) { return Mix(c, t, weights[y], 1 - weights[y]); });
}

// The target fills a band around the middle that widens with progress; on
// either side the current image comes back gradually.
std::vector<double> CentreGradientWeights(int length, double progress, double stepWhenNoRoom)
{
    int const band = RoundHalfEven(length * progress);
    int const from = std::max(0, length / 2 - band / 2);
    int const to = std::min(length - 1, length / 2 + band / 2);
    int const room = (length - band) / 2;
    double const step = room == 0 ? stepWhenNoRoom : 1.0 / room;

    std::vector<double> weights(length, 0.0);
    double weight = 0;
    for (int i = from - 1; i >= 0; --i) {
        weights[i] = weight;
        weight = std::min(1.0, weight + step);
    }
    weight = 0;
    for (int i = to + 1; i < length; ++i) {
        weights[i] = weight;
        weight = std::min(1.0, weight + step);
    }
    return weights;
}

std::vector<double> LeftGradientWeights(int width, double progress)
{
    int const edge = std::clamp(RoundHalfEven(width * progress), 1, width - 1);
    std::vector<double> weights(width, 1.0);
    double const step = 1.0 / edge;
    double weight = 0;
    for (int x = 0; x <= edge; ++x) {
        weights[x] = weight;
        weight = std::min(1.0, weight + step);
    }
    return weights;
}

std::vector<double> RightGradientWeights(int width, double progress)
{
    int const edge = std::clamp(width - RoundHalfEven(width * progress), 0, width - 1);
    std::vector<double> weights(width, 1.0);
    double const step = 1.0 / (width - edge);
    double weight = 0;
    for (int x = width - 1; x >= edge; --x) {
        weights[x] = weight;
        weight = std::min(1.0, weight + step);
    }
    return weights;
}

void SlideFromLeft(QImage& current, const QImage& target, double progress)
{
    int const width = current.width();
    int const count = std::clamp(RoundHalfEven(width * progress), 1, width - 1);
    for (int y = 0; y < current.height(); ++y)
        std::memcpy(SkinRow(current, y), SkinRow(target, y) + width - count, sizeof(QRgb) * count);
}

void SlideFromRight(QImage& current, const QImage& target, double progress)
{
    int const width = current.width();
    int const count = std::clamp(RoundHalfEven(width * progress), 1, width - 1);
    for (int y = 0; y < current.height(); ++y)
        std::memcpy(SkinRow(current, y) + width - count, SkinRow(target, y), sizeof(QRgb) * count);
}

void Push(QImage& current, const QImage& target, double progress)
{
    int const width = current.width();
    int const edge = std::clamp(RoundHalfEven(width * progress), 0, width - 1);
    for (int y = 0; y < current.height(); ++y) {
        QRgb* row = SkinRow(current, y);
        std::memmove(row + edge + 1, row, sizeof(QRgb) * (width - edge - 1));
        std::memcpy(row, SkinRow(target, y) + width - edge - 1, sizeof(QRgb) * (edge + 1));
    }
}

} // namespace

void Morph(QImage& current, const QImage& target, double progress, MorphKind kind)
{
    if (current.isNull() || current.size() != target.size())
        return;
    ConvertToSkinBitmap(current);
    QImage const to = ToSkinBitmap(target);
    progress = std::clamp(progress, 0.0, 1.0);
    int const width = current.width();
    int const height = current.height();
    if (kind != MorphKind::mkDefault && kind != MorphKind::mkGradient && width < 2)
        return;

    switch (kind) {
    case MorphKind::mkDefault:
        Blend(current, to, progress);
        return;
    case MorphKind::mkGradient:
        if (width >= height)
            MixColumns(current, to, CentreGradientWeights(width, progress, 1.0));
        else
            MixRows(current, to, CentreGradientWeights(height, progress, 0.0));
        return;
    case MorphKind::mkLeftGradient:
        MixColumns(current, to, LeftGradientWeights(width, progress));
        return;
    case MorphKind::mkRightGradient:
        MixColumns(current, to, RightGradientWeights(width, progress));
        return;
    case MorphKind::mkLeftSlide:
        SlideFromLeft(current, to, progress);
        return;
    case MorphKind::mkRightSlide:
        SlideFromRight(current, to, progress);
        return;
    case MorphKind::mkPush:
        Push(current, to, progress);
        return;
    }
}
