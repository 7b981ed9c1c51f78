#include "skin/hints/hint_face.h"

#include "skin/draw/compose_skin_image.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/outline.h"
#include "skin/draw/system_colors.h"
#include "skin/draw/whole_pixel_scaling.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;

// Between the text and the skin's client rectangle.
constexpr QMargins kSkinPadding { 2, 1, 2, 1 };
// Between the text and the edge of the plain box, border included.
constexpr QMargins kPlainPadding { 4, 2, 4, 2 };

// How much narrower (shorter) than the picture a window can be before its
// corners or the client rectangle would overlap.
int Shrinkable(int bandTop, int bandBottom, int client)
{
    return std::max(0, std::min({ bandTop, bandBottom, client }));
}

} // namespace

QSize HintTextSize(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    const QRect room(0, 0, kMaxHintTextSize.width(), kMaxHintTextSize.height());
    const QSize needed = metrics.boundingRect(room, kTextFlags, text).size();
    return needed.boundedTo(kMaxHintTextSize);
}

HintGeometry CalcHintGeometry(const HintLook& look, const QSize& textSize)
{
    HintGeometry geometry;
    if (!look.Skinned()) {
        geometry.size = textSize.grownBy(kPlainPadding);
        geometry.textRect = QRect(QPoint(kPlainPadding.left(), kPlainPadding.top()), textSize);
        return geometry;
    }
    const SkinPieceGeometry& piece = look.piece;
    const int pictureWidth = piece.skinRect.width();
    const int pictureHeight = piece.skinRect.height();
    const QRect& client = piece.clientRect;
    const QSize clientNeeded = textSize.grownBy(kSkinPadding);
    const int minWidth = pictureWidth
        - Shrinkable(piece.rightTop.x() - piece.leftTop.x(), piece.rightBottom.x() - piece.leftBottom.x(),
            client.width());
    const int minHeight = pictureHeight
        - Shrinkable(piece.leftBottom.y() - piece.leftTop.y(), piece.rightBottom.y() - piece.rightTop.y(),
            client.height());
    const int width = std::max(minWidth, pictureWidth - client.width() + clientNeeded.width());
    const int height = std::max(minHeight, pictureHeight - client.height() + clientNeeded.height());
    geometry.size = QSize(width, height);
    geometry.target = CalcTargetGeometry(CompositionMode::Full, piece, width, height);
    // The text is centred in the client rectangle, which may have grown past
    // its needs to keep the corners apart.
    const QRect clientArea = geometry.target.clientRect.marginsRemoved(kSkinPadding);
    geometry.textRect = QRect(QPoint(), textSize);
    geometry.textRect.moveCenter(clientArea.center());
    return geometry;
}

QImage RenderHintFace(const HintLook& look, const HintGeometry& geometry, const QString& text, int ratio)
{
    QImage face = ScaleByWholePixels(
        MakeSkinBitmap(geometry.size.width(), geometry.size.height(), SkinColorToRgb(clInfoBk)), ratio);
    if (look.Skinned())
        ComposeSkinImage(face, look.picture, look.piece, geometry.target, true);
    QPainter painter(&face);
    if (!look.Skinned())
        DrawOutline(painter, LogicalRect(face), SkinColorToQColor(clInfoText));
    painter.setFont(look.font);
    painter.setPen(QColor::fromRgb(look.textColor));
    painter.setClipRect(geometry.textRect);
    painter.drawText(geometry.textRect, kTextFlags, text);
    return face;
}

std::optional<QRegion> HintRegion(const HintLook& look, const HintGeometry& geometry)
{
    if (!look.Skinned() || look.maskPicture.isNull())
        return std::nullopt;
    return ComposeMaskRegion(look.maskPicture, look.piece, geometry.target);
}
