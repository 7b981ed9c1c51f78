#include "skin/draw/pixel_effects.h"

#include "base/random_generator.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/pixel_loops.h"
#include "skin/draw/round_half_even.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

using ChannelTable = std::array<quint8, 256>;

QRgb Pack(int red, int green, int blue)
{
    return 0xff000000u | (static_cast<QRgb>(red) << 16) | (static_cast<QRgb>(green) << 8) | static_cast<QRgb>(blue);
}

void ApplyChannelTable(QImage& image, const ChannelTable& table)
{
    ChangeEachPixel(image, [&table](QRgb p) { return Pack(table[qRed(p)], table[qGreen(p)], table[qBlue(p)]); });
}

// Amounts are taken in thousandths so the rounding of (1 - a) c + k a is
// exact for the amounts skins use (0.5, 0.3).
ChannelTable LinearTable(double amount, int towards)
{
    std::int64_t const thousandths = RoundHalfEven(std::clamp(amount, 0.0, 1.0) * 1000);
    ChannelTable table;
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<quint8>(DivideRoundHalfEven((1000 - thousandths) * c + towards * thousandths, 1000));
    return table;
}

int ClampChannel(int value)
{
    return std::clamp(value, 0, 255);
}

} // namespace

void ApplyBrightness(QImage& image, double amount)
{
    ApplyChannelTable(image, LinearTable(amount, 255));
}

void ApplyDarkness(QImage& image, double amount)
{
    ApplyChannelTable(image, LinearTable(amount, 0));
}

void ApplyGrayScale(QImage& image)
{
    // Indexed by 30 r + 59 g + 11 b: the rounded hundredth of every sum.
    static std::vector<quint8> const levels = [] {
        std::vector<quint8> table(100 * 255 + 1);
        for (int sum = 0; sum < static_cast<int>(table.size()); ++sum)
            table[sum] = static_cast<quint8>(DivideRoundHalfEven(sum, 100));
        return table;
    }();
    ChangeEachPixel(image, [](QRgb p) {
        int const gray = levels[30 * qRed(p) + 59 * qGreen(p) + 11 * qBlue(p)];
        return Pack(gray, gray, gray);
    });
}

void ApplyNoise(QImage& image, int amount, RandomGenerator& random)
{
    if (amount < 1)
        return;
    ChangeEachPixel(image, [amount, &random](QRgb p) {
        int const noise = static_cast<int>(random.Draw(static_cast<std::uint32_t>(amount))) - amount / 2;
        return Pack(ClampChannel(qRed(p) + noise), ClampChannel(qGreen(p) + noise), ClampChannel(qBlue(p) + noise));
    });
}

void ApplySplitBlur(QImage& image, int amount)
{
    int const width = image.width();
    int const height = image.height();
    // The substitute sample positions (height - y, width - x) only stay inside
    // an image larger than the amount.
    if (amount < 1 || amount >= width || amount >= height)
        return;
    ConvertToSkinBitmap(image);
    std::vector<QRgb> blurred(width);
    for (int y = 0; y < height; ++y) {
        const QRgb* above = SkinRow(image, y - amount < 0 ? y : y - amount);
        const QRgb* below = SkinRow(image, y + amount >= height ? height - y : y + amount);
        for (int x = 0; x < width; ++x) {
            int const x1 = x - amount < 0 ? x : x - amount;
            int const x2 = x + amount >= width ? width - x : x + amount;
            QRgb const a = above[x1], b = below[x1], c = above[x2], d = below[x2];
            blurred[x] = Pack((qRed(a) + qRed(b) + qRed(c) + qRed(d)) >> 2,
                (qGreen(a) + qGreen(b) + qGreen(c) + qGreen(d)) >> 2, (qBlue(a) + qBlue(b) + qBlue(c) + qBlue(d)) >> 2);
        }
        std::memcpy(SkinRow(image, y), blurred.data(), sizeof(QRgb) * width);
    }
}

void ApplyInvert(QImage& image)
{
    ChangeEachPixel(image, [](QRgb p) { return p ^ 0x00ffffffu; });
}

void ApplyInactiveEffect(QImage& image, InactiveEffect effect)
{
    switch (effect) {
    case InactiveEffect::ieBrightness:
        ApplyBrightness(image, 0.5);
        return;
    case InactiveEffect::ieDarkness:
        ApplyDarkness(image, 0.3);
        return;
    case InactiveEffect::ieGrayScale:
        ApplyGrayScale(image);
        return;
    case InactiveEffect::ieNoise:
        ApplyNoise(image, 50, RandomGenerator::ProcessWide());
        return;
    case InactiveEffect::ieSplitBlur:
        ApplySplitBlur(image, 1);
        return;
    case InactiveEffect::ieInvert:
        ApplyInvert(image);
        return;
    }
}
