#include "skin/controls/slider_pictures.h"

#include "skin/draw/system_colors.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace {

constexpr QRgb kTransparentKey = 0xFFFF00FF;
constexpr int kThumbWidth = 11;
constexpr int kThumbHeight = 15;
constexpr int kRulerLength = 12;
constexpr int kRulerThickness = 6;

// One thumb state: a raised (or, pressed, sunken) block with cut corners.
void DrawThumbState(QImage& image, int left, bool pressed)
{
    QPainter painter(&image);
    const QRect block(left, 0, kThumbWidth, kThumbHeight);
    painter.fillRect(block, SkinColorToQColor(pressed ? clBtnHighlight : clBtnFace));
    const QColor outerLight = SkinColorToQColor(pressed ? cl3DDkShadow : clBtnHighlight);
    const QColor outerDark = SkinColorToQColor(pressed ? clBtnHighlight : cl3DDkShadow);
    const QColor innerDark = SkinColorToQColor(clBtnShadow);
    const int right = left + kThumbWidth - 1;
    const int bottom = kThumbHeight - 1;
    painter.fillRect(QRect(left, 0, kThumbWidth, 1), outerLight);
    painter.fillRect(QRect(left, 0, 1, kThumbHeight), outerLight);
    painter.fillRect(QRect(left, bottom, kThumbWidth, 1), outerDark);
    painter.fillRect(QRect(right, 0, 1, kThumbHeight), outerDark);
    painter.fillRect(QRect(left + 1, bottom - 1, kThumbWidth - 2, 1), innerDark);
    painter.fillRect(QRect(right - 1, 1, 1, kThumbHeight - 2), innerDark);
    // A grip line down the middle.
    painter.fillRect(QRect(left + kThumbWidth / 2 - 1, 4, 1, kThumbHeight - 8), innerDark);
    painter.fillRect(QRect(left + kThumbWidth / 2, 4, 1, kThumbHeight - 8), SkinColorToQColor(clBtnHighlight));
    for (const QPoint corner : { QPoint(left, 0), QPoint(right, 0), QPoint(left, bottom), QPoint(right, bottom) })
        image.setPixel(corner, kTransparentKey);
}

QImage MakeHorizontalThumb()
{
    QImage thumb(2 * kThumbWidth, kThumbHeight, QImage::Format_RGB32);
    DrawThumbState(thumb, 0, false);
    DrawThumbState(thumb, kThumbWidth, true);
    return thumb;
}

// A sunken groove; the corners are transparent.
QImage MakeHorizontalRuler()
{
    QImage ruler(kRulerLength, kRulerThickness, QImage::Format_RGB32);
    const QRgb rows[kRulerThickness] = { SkinColorToRgb(clBtnShadow), SkinColorToRgb(cl3DDkShadow),
        SkinColorToRgb(clWindow), SkinColorToRgb(clWindow), SkinColorToRgb(cl3DLight), SkinColorToRgb(clBtnHighlight) };
    for (int y = 0; y < kRulerThickness; ++y)
        for (int x = 0; x < kRulerLength; ++x)
            ruler.setPixel(x, y, rows[y]);
    for (int y = 1; y < kRulerThickness - 1; ++y) {
        ruler.setPixel(0, y, SkinColorToRgb(clBtnShadow));
        ruler.setPixel(1, y, SkinColorToRgb(cl3DDkShadow));
        ruler.setPixel(kRulerLength - 2, y, SkinColorToRgb(cl3DLight));
        ruler.setPixel(kRulerLength - 1, y, SkinColorToRgb(clBtnHighlight));
    }
    for (const int x : { 0, kRulerLength - 1 }) {
        ruler.setPixel(x, 0, kTransparentKey);
        ruler.setPixel(x, kRulerThickness - 1, kTransparentKey);
    }
    return ruler;
}

QImage Transposed(const QImage& image)
{
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

// The vertical thumb: each horizontal state turned on its side, the two
// states still side by side.
QImage MakeVerticalThumb()
{
    const QImage horizontal = DefaultHorizontalThumb();
    QImage thumb(2 * kThumbHeight, kThumbWidth, QImage::Format_RGB32);
    QPainter painter(&thumb);
    painter.drawImage(0, 0, Transposed(horizontal.copy(0, 0, kThumbWidth, kThumbHeight)));
    painter.drawImage(kThumbHeight, 0, Transposed(horizontal.copy(kThumbWidth, 0, kThumbWidth, kThumbHeight)));
    return thumb;
}

} // namespace

const QImage& DefaultHorizontalThumb()
{
    static const QImage picture = MakeHorizontalThumb();
    return picture;
}

const QImage& DefaultHorizontalRuler()
{
    static const QImage picture = MakeHorizontalRuler();
    return picture;
}

const QImage& DefaultVerticalThumb()
{
    static const QImage picture = MakeVerticalThumb();
    return picture;
}

const QImage& DefaultVerticalRuler()
{
    static const QImage picture = Transposed(DefaultHorizontalRuler());
    return picture;
}

QImage BuildRuler(const QImage& picture, int edgeSize, int length, bool horizontal)
{
    if (picture.isNull() || length <= 0)
        return {};
    // Work along x; a vertical ruler is built turned and turned back.
    const QImage source = horizontal ? picture : Transposed(picture);
    const int pictureLength = source.width();
    const int middle = std::max(1, pictureLength - 2 * edgeSize);
    QImage ruler(length, source.height(), QImage::Format_RGB32);
    QPainter painter(&ruler);
    painter.drawImage(0, 0, source, 0, 0, pictureLength - edgeSize, source.height());
    int x = edgeSize;
    while (x + middle + edgeSize <= length) {
        painter.drawImage(x, 0, source, edgeSize, 0, middle, source.height());
        x += middle;
    }
    // The last piece ends with the picture's end and takes as much of the
    // middle before it as fills the length exactly.
    const int rest = std::min(length - std::min(x, length), pictureLength);
    painter.drawImage(length - rest, 0, source, pictureLength - rest, 0, rest, source.height());
    painter.end();
    return horizontal ? ruler : Transposed(ruler);
}
