#include "app_icon_art.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

// The icon's own colours: the light skin's accent, so the window and its
// icon belong together, and the icon stays the same whatever skin is worn.
const QColor kTileTop { 0x3D, 0x7C, 0xE6 };
const QColor kTileBottom { 0x24, 0x5B, 0xB8 };
const QColor kTileEdge { 0x1D, 0x4F, 0xA6 };
const QColor kLine { 0xFF, 0xFF, 0xFF };
const QColor kMovedLine { 0xFF, 0xD2, 0x6A };

// The icon is designed on a 64-unit grid.
constexpr qreal kGrid = 64;

// A line of the design grid moved onto whole pixels, every line as high as
// the others and at least one pixel, so that none blurs into two half-lit rows.
QRectF SnappedLine(qreal scale, qreal left, qreal top, qreal right)
{
    constexpr qreal kLineHeight = 7;
    const qreal height = std::max<qreal>(1, std::round(kLineHeight * scale));
    return QRectF(std::round(left * scale), std::round(top * scale), std::round((right - left) * scale), height);
}

void DrawTile(QPainter& painter, qreal scale)
{
    const qreal inset = std::round(scale);
    const qreal side = std::round(kGrid * scale) - 2 * inset;
    const QRectF tile(inset, inset, side, side);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, kTileTop);
    fill.setColorAt(1, kTileBottom);
    painter.setPen(scale >= 1 ? QPen(kTileEdge, scale) : Qt::NoPen);
    painter.setBrush(fill);
    const qreal radius = 13 * scale;
    painter.drawRoundedRect(tile.adjusted(scale / 2, scale / 2, -scale / 2, -scale / 2), radius, radius);
}

void DrawLine(QPainter& painter, const QRectF& line, QColor color)
{
    const qreal radius = line.height() >= 4 ? line.height() / 2 : 0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(line, radius, radius);
}

// A bow on the right from the first line to the last, with a head at each end.
void DrawSwapArrow(QPainter& painter, qreal scale)
{
    const qreal width = 3.5 * scale;
    QPainterPath bow;
    bow.moveTo(44 * scale, 19.5 * scale);
    bow.cubicTo(56 * scale, 19.5 * scale, 56 * scale, 44.5 * scale, 44 * scale, 44.5 * scale);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kLine, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(bow);
    for (const qreal y : { 19.5, 44.5 }) {
        QPainterPath head;
        head.moveTo(47 * scale, (y - 4.5) * scale);
        head.lineTo(42.5 * scale, y * scale);
        head.lineTo(47 * scale, (y + 4.5) * scale);
        painter.drawPath(head);
    }
}

} // namespace

QImage DrawAppIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    const qreal scale = size / kGrid;
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawTile(painter, scale);

    // Three lines of an article; at small sizes they use the whole tile.
    const bool withArrow = size >= 32;
    const qreal right = withArrow ? 38 : 50;
    DrawLine(painter, SnappedLine(scale, 13, 16, right), kLine);
    DrawLine(painter, SnappedLine(scale, 21, 29, right + 4), kMovedLine);
    DrawLine(painter, SnappedLine(scale, 13, 42, right - 6), kLine);
    if (withArrow)
        DrawSwapArrow(painter, scale);
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

bool WriteAppIcons(const QString& folder)
{
    for (const int size : kAppIconSizes) {
        const QString path = QDir(folder).filePath(QStringLiteral("lumeno-%1.png").arg(size));
        if (!DrawAppIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "lumeno-skin-art: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}
