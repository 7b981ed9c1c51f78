#include "skin/draw/engine_bitmap.h"

#include "skin/draw/whole_pixel_scaling.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr QRgb kBlack = 0xff000000u;

// Reads a piece of a picture as if the picture were padded with black wherever
// the piece reaches past it, without making that padded copy: a piece far
// larger than its picture costs only the pixels actually read.
class PieceReader {
public:
    PieceReader(const QImage& picture, const QRect& piece)
        : m_source(ToSkinBitmap(picture))
        , m_left(piece.left())
        , m_top(piece.top())
    {
    }

    // The picture's row under piece row y, or null where the piece passes the
    // picture's top or bottom.
    const QRgb* SourceRow(int y) const
    {
        qint64 const row = m_top + y;
        return row >= 0 && row < m_source.height() ? SkinRow(m_source, static_cast<int>(row)) : nullptr;
    }

    // The picture's column under piece column x, or -1 outside the picture.
    int SourceColumn(int x) const
    {
        qint64 const column = m_left + x;
        return column >= 0 && column < m_source.width() ? static_cast<int>(column) : -1;
    }

    // Copies count pixels of piece row y, from piece column x on, to out.
    void CopyRow(int y, int x, int count, QRgb* out) const
    {
        const QRgb* const row = SourceRow(y);
        if (!row) {
            std::fill_n(out, count, kBlack);
            return;
        }
        qint64 const from = m_left + x;
        int const before = static_cast<int>(std::clamp<qint64>(-from, 0, count));
        int const inside = static_cast<int>(std::clamp<qint64>(m_source.width() - from - before, 0, count - before));
        std::fill_n(out, before, kBlack);
        if (inside > 0)
            std::memcpy(out + before, row + from + before, sizeof(QRgb) * inside);
        std::fill_n(out + before + inside, count - before - inside, kBlack);
    }

private:
    QImage m_source;
    qint64 m_left;
    qint64 m_top;
};

// Which of `from` source positions feeds each of `to` target positions when
// stretching: the one under the target pixel's centre.
int StretchedIndex(int targetIndex, int from, int to)
{
    return static_cast<int>((2 * static_cast<qint64>(targetIndex) + 1) * from / (2 * static_cast<qint64>(to)));
}

// A source face of a higher ratio read in logical pixels.
QImage SourceAt1x(const QImage& source)
{
    if (source.devicePixelRatio() == 1.0)
        return source;
    QImage logical = source.scaled(LogicalSize(source));
    logical.setDevicePixelRatio(1);
    return logical;
}

bool AtHigherRatio(const QImage& image)
{
    return image.devicePixelRatio() != 1.0;
}

using PieceCopy = void (*)(QImage& destination, const QRect& target, const QImage& source, const QRect& piece);

// Destination or source at a higher pixel ratio: the visible part of the
// target is drawn at 1x by copy (from the source read in logical pixels, on a
// bitmap whose origin is the visible part's top-left) and enlarged by whole
// pixels, so the result is the 1x one with every pixel repeated. False, with
// nothing drawn, when both are at 1x.
bool CopiedThrough1x(QImage& destination, const QRect& target, const QImage& source, const QRect& piece, PieceCopy copy)
{
    if (!AtHigherRatio(destination) && !AtHigherRatio(source))
        return false;
    QRect const visible = target & LogicalRect(destination);
    if (visible.isEmpty())
        return true;
    QImage logical = MakeSkinBitmap(visible.width(), visible.height());
    copy(logical, target.translated(-visible.topLeft()), SourceAt1x(source), piece);
    QPainter painter(&destination);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(visible.topLeft(), ScaleByWholePixels(logical, WholePixelRatio(destination.devicePixelRatio())));
    return true;
}

// What DrawPiece and TilePiece do before their own pixel loops: nothing to
// copy without a piece, a source and a target; a copy involving a higher
// ratio made through 1x; otherwise destination made a skin bitmap and the
// part of target it shows returned. Empty when nothing is left to copy.
QRect VisibleAt1x(QImage& destination, const QRect& target, const QImage& source, const QRect& piece, PieceCopy copy)
{
    if (target.isEmpty() || piece.isEmpty() || source.isNull()
        || CopiedThrough1x(destination, target, source, piece, copy))
        return {};
    QRect const visible = target & destination.rect();
    if (!visible.isEmpty())
        ConvertToSkinBitmap(destination);
    return visible;
}

} // namespace

QSize LogicalSize(const QImage& image)
{
    return image.deviceIndependentSize().toSize();
}

QRect LogicalRect(const QImage& image)
{
    return QRect(QPoint(0, 0), LogicalSize(image));
}

QImage LogicalCopy(const QImage& image, const QRect& area)
{
    const int ratio = WholePixelRatio(image.devicePixelRatio());
    QImage part = image.copy(QRect(area.topLeft() * ratio, area.size() * ratio));
    part.setDevicePixelRatio(image.devicePixelRatio());
    return part;
}

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
    if (LogicalSize(image) == QSize(width, height) && image.format() == kSkinBitmapFormat)
        return;
    image = ScaleByWholePixels(MakeSkinBitmap(width, height), WholePixelRatio(image.devicePixelRatio()));
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
    if (!target.isEmpty() && AtHigherRatio(source) && source.devicePixelRatio() == destination.devicePixelRatio()
        && target.size() == piece.size()) {
        // A face of the same ratio is copied pixel for pixel.
        const int ratio = WholePixelRatio(source.devicePixelRatio());
        QPainter painter(&destination);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QRectF(target), source, QRectF(QRect(piece.topLeft() * ratio, piece.size() * ratio)));
        return;
    }
    QRect const visible = VisibleAt1x(destination, target, source, piece, DrawPiece);
    if (visible.isEmpty())
        return;
    PieceReader const from(source, piece);

    if (target.size() == piece.size()) {
        int const dx = visible.left() - target.left();
        for (int y = visible.top(); y <= visible.bottom(); ++y)
            from.CopyRow(y - target.top(), dx, visible.width(), SkinRow(destination, y) + visible.left());
        return;
    }

    std::vector<int> columns(visible.width());
    for (int x = 0; x < visible.width(); ++x)
        columns[x] = from.SourceColumn(StretchedIndex(visible.left() - target.left() + x, piece.width(), target.width()));
    int previousRow = -1;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        int const row = StretchedIndex(y - target.top(), piece.height(), target.height());
        QRgb* out = SkinRow(destination, y) + visible.left();
        if (row == previousRow) {
            std::memcpy(out, SkinRow(destination, y - 1) + visible.left(), sizeof(QRgb) * visible.width());
            continue;
        }
        const QRgb* in = from.SourceRow(row);
        for (int x = 0; x < visible.width(); ++x)
            out[x] = in && columns[x] >= 0 ? in[columns[x]] : kBlack;
        previousRow = row;
    }
}

void TilePiece(QImage& destination, const QRect& area, const QImage& source, const QRect& piece)
{
    QRect const visible = VisibleAt1x(destination, area, source, piece, TilePiece);
    if (visible.isEmpty())
        return;
    PieceReader const from(source, piece);
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
        int const pieceRow = (y - area.top()) % tileHeight;
        int const phase = (left - area.left()) % tileWidth;
        int const headWidth = std::min(tileWidth - phase, end - left);
        from.CopyRow(pieceRow, phase, headWidth, row + left);
        int const firstWhole = left + headWidth;
        if (firstWhole >= end)
            continue;
        from.CopyRow(pieceRow, 0, std::min(tileWidth, end - firstWhole), row + firstWhole);
        // Whole tiles from firstWhole on: double the laid run until the row is full.
        for (int x = firstWhole + tileWidth; x < end;) {
            int const count = std::min(x - firstWhole, end - x);
            std::memcpy(row + x, row + firstWhole, sizeof(QRgb) * count);
            x += count;
        }
    }
}

void DrawBand(QImage& destination, const QRect& target, const QImage& source, const QRect& piece, bool stretch)
{
    if (stretch)
        DrawPiece(destination, target, source, piece);
    else
        TilePiece(destination, target, source, piece);
}

QImage StretchedPiece(const QImage& source, const QRect& piece, int width, int height)
{
    QImage stretched = MakeSkinBitmap(width, height);
    DrawPiece(stretched, stretched.rect(), source, piece);
    return stretched;
}
