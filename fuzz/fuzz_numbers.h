#pragma once

// The numbers that find faults in geometry: nothing, minus one, one past a
// picture's edge, the limits of 16 and 32 bits.
#include <QList>
#include <QSize>

#include <climits>
#include <cstdint>
#include <random>

inline qint64 InterestingNumber(qint64 old, const QList<QSize>& pictureSizes, std::minstd_rand& random)
{
    static constexpr qint64 kHuge[] = { 32767, 32768, -32768, 65535, 65536, 1 << 20, INT_MAX, INT_MIN,
        qint64(INT_MAX) + 1 };
    switch (random() % 10) {
    case 0: return 0;
    case 1: return -1;
    case 2: return old + qint64(random() % 9) - 4;
    case 3:
    case 4: {
        if (pictureSizes.isEmpty())
            return old + 1;
        const QSize size = pictureSizes[random() % pictureSizes.size()];
        return (random() % 2 ? size.width() : size.height()) + qint64(random() % 3) - 1;
    }
    case 5: return kHuge[random() % std::size(kHuge)];
    case 6: return -old;
    case 7: return random() % 2 ? old * 2 : old / 2;
    case 8: return 1;
    default: return qint64(random() % 1100) - 64;
    }
}
