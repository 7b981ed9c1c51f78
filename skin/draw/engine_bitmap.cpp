#include "skin/draw/engine_bitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// A piece that lies wholly inside its picture, so the copy loops never test
// bounds: either the caller's own piece or a copy padded with black.
class InsidePiece {
public:
    InsidePiece(const QImage& picture, const QRect& piece)
        : m_source(ToSkinBitmap(picture))
    {
        QImage const& source = m_source;
        if (source.rect().contains(piece)) {
            m_image = &source;
            m_rect = piece;
            return;
        }
        m_padded = MakeSkinBitmap(piece.width(), piece.height());
        if (m_padded.isNull())
            return;
        QRect const inside = piece & source.rect();
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            std::memcpy(SkinRow(m_padded, y - piece.top()) + (inside.left() - piece.left()),
                SkinRow(source, y) + inside.left(), sizeof(QRgb) * inside.width());
        m_image = &m_padded;
        m_rect = m_padded.rect();
    }

    InsidePiece(const InsidePiece&) = delete;
    InsidePiece& operator=(const InsidePiece&) = delete;

    // False when a padded copy could not be made (a piece too large for memory).
    bool IsValid() const { return m_image != nullptr; }

    const QRgb* Row(int pieceY) const { return SkinRow(*m_image, m_rect.top() + pieceY) + m_rect.left(); }

private:
    QImage m_source;
    QImage m_padded;
    const QImage* m_image { nullptr };
    QRect m_rect;
};

// Which of `from` source positions feeds each of `to` target positions when
// stretching: the one under the target pixel's centre.
int StretchedIndex(int targetIndex, int from, int to)
{
    return static_cast<int>((2 * static_cast<qint64>(targetIndex) + 1) * from / (2 * static_cast<qint64>(to)));
}

} // namespace

QImage MakeSkinBitmap(int width, int height, QRgb fill)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, kSkinBitmapFormat);
    image.fill(0xff000000u | fill);
    return image;
}

void SetSkinBitmapSize(QImage& image, int width, int height)
{
    if (image.width() == width && image.height() == height && image.format() == kSkinBitmapFormat)
        return;
    image = MakeSkinBitmap(width, height);
}

QImage ToSkinBitmap(const QImage& picture)
{
    if (picture.isNull() || picture.format() == kSkinBitmapFormat)
        return picture;
    return picture.convertToFormat(kSkinBitmapFormat);
}

void ConvertToSkinBitmap(QImage& image)
{
    if (!image.isNull() && image.format() != kSkinBitmapFormat)
        image = image.convertToFormat(kSkinBitmapFormat);
}

void DrawPiece(QImage& destination, const QRect& target, const QImage& source, const QRect& piece)
{
    if (target.isEmpty() || piece.isEmpty() || source.isNull())
        return;
    QRect const visible = target & destination.rect();
    if (visible.isEmpty())
        return;
    ConvertToSkinBitmap(destination);
    InsidePiece const from(source, piece);
    if (!from.IsValid())
        return;

    if (target.size() == piece.size()) {
        int const dx = visible.left() - target.left();
        for (int y = visible.top(); y <= visible.bottom(); ++y)
            std::memcpy(SkinRow(destination, y) + visible.left(), from.Row(y - target.top()) + dx,
                sizeof(QRgb) * visible.width());
        return;
    }

    std::vector<int> columns(visible.width());
    for (int x = 0; x < visible.width(); ++x)
        columns[x] = StretchedIndex(visible.left() - target.left() + x, piece.width(), target.width());
    int previousRow = -1;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        int const row = StretchedIndex(y - target.top(), piece.height(), target.height());
        QRgb* out = SkinRow(destination, y) + visible.left();
        if (row == previousRow) {
            std::memcpy(out, SkinRow(destination, y - 1) + visible.left(), sizeof(QRgb) * visible.width());
            continue;
        }
        const QRgb* in = from.Row(row);
        for (int x = 0; x < visible.width(); ++x)
            out[x] = in[columns[x]];
        previousRow = row;
    }
}

void TilePiece(QImage& destination, const QRect& area, const QImage& source, const QRect& piece)
{
    if (area.isEmpty() || piece.isEmpty() || source.isNull())
        return;
    QRect const visible = area & destination.rect();
    if (visible.isEmpty())
        return;
    ConvertToSkinBitmap(destination);
    InsidePiece const from(source, piece);
    if (!from.IsValid())
        return;
    int const tileWidth = piece.width();
    int const tileHeight = piece.height();
    int const left = visible.left();
    int const end = visible.left() + visible.width();

    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        QRgb* row = SkinRow(destination, y);
        // Rows one tile further down repeat a row already laid.
        if (y - tileHeight >= visible.top()) {
            std::memcpy(row + left, SkinRow(destination, y - tileHeight) + left, sizeof(QRgb) * visible.width());
            continue;
        }
        const QRgb* in = from.Row((y - area.top()) % tileHeight);
        int const phase = (left - area.left()) % tileWidth;
        int const headWidth = std::min(tileWidth - phase, end - left);
        std::memcpy(row + left, in + phase, sizeof(QRgb) * headWidth);
        int const firstWhole = left + headWidth;
        if (firstWhole >= end)
            continue;
        std::memcpy(row + firstWhole, in, sizeof(QRgb) * std::min(tileWidth, end - firstWhole));
        // Whole tiles from firstWhole on: double the laid run until the row is full.
        for (int x = firstWhole + tileWidth; x < end;) {
            int const count = std::min(x - firstWhole, end - x);
            std::memcpy(row + x, row + firstWhole, sizeof(QRgb) * count);
            x += count;
        }
    }
}

QImage StretchedPiece(const QImage& source, const QRect& piece, int width, int height)
{
    QImage stretched = MakeSkinBitmap(width, height);
    DrawPiece(stretched, stretched.rect(), source, piece);
    return stretched;
}
