#pragma once

#include <QImage>
#include <QRect>
#include <QtGlobal>
#include <list>

class QPainter;
class QPaintDevice;

// Skin art on screens with more than one device pixel per logical pixel.
// Pictures are only ever enlarged by whole pixels, each picture pixel becoming
// a square of ratio x ratio device pixels, so the art keeps its hard edges at
// any size; text, painted through a QPainter on an enlarged face, is drawn at
// the device's own resolution. A fractional screen ratio (1.5, 2.25) draws at
// the whole ratio above it, and the finished face is reduced once to the
// device's pixels (see area_reduction.h). Geometry always stays in logical
// pixels.

// Enlargements stop here: a ratio above it is drawn at this one.
inline constexpr int kMaxWholePixelRatio = 8;

// The whole ratio faces are drawn at for a device of the given ratio: rounded
// up, at least 1, at most kMaxWholePixelRatio.
int WholePixelRatio(qreal deviceRatio);
// The whole ratio for faces painted on device.
int WholePixelRatio(const QPaintDevice& device);

// image (of ratio 1) with every pixel repeated ratio times across and down,
// tagged with that device pixel ratio so it covers the same logical area. A
// ratio of 1, a null image or one already at a higher ratio gives image itself.
QImage ScaleByWholePixels(const QImage& image, int ratio);

// The enlargements of pictures that are drawn again and again, kept per
// picture (by its cache key, so a changed or new picture never hits an old
// entry) and per ratio. Entries are dropped least recently used first once
// their pixels pass the budget; an enlargement larger than the whole budget is
// made each time and not kept.
class ScaledPictureCache {
public:
    static constexpr qint64 kDefaultBudgetBytes = 64 * 1024 * 1024;

    explicit ScaledPictureCache(qint64 budgetBytes = kDefaultBudgetBytes);

    // picture enlarged by ratio (see ScaleByWholePixels).
    QImage Scaled(const QImage& picture, int ratio);
    void Clear();

    int Count() const { return static_cast<int>(m_entries.size()); }
    qint64 Bytes() const { return m_bytes; }

private:
    struct Entry {
        qint64 key;
        int ratio;
        QImage scaled;
    };
    qint64 m_budgetBytes;
    qint64 m_bytes = 0;
    std::list<Entry> m_entries; // most recently used first
};

// Draws piece of picture into the logical rectangle target on painter, as
// QPainter::drawImage does. On a device of a whole ratio above 1 an
// unstretched piece comes from the cached enlargement of the picture, so every
// device pixel is a copy of a picture pixel and nothing is scaled per paint.
void DrawPicturePiece(QPainter& painter, const QRect& target, const QImage& picture, const QRect& piece,
    ScaledPictureCache& cache);
