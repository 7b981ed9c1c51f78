// Scroll bars and the slider.
#include "art_shapes.h"
#include "control_art.h"

#include <QPainter>

namespace {

// Every scroll bar piece is drawn upright and transposed for the horizontal
// bars, so both directions share one look.
constexpr int kBarWidth = 19;
constexpr int kArrowLength = 18;
constexpr int kTrackLength = 36;
constexpr int kBarLength = 2 * kArrowLength + kTrackLength;
constexpr int kThumbLength = 24;
constexpr int kThumbEnd = 6;

QImage TrackPiece(const SkinPalette& colors, int length)
{
    QImage piece = art::NewCell(kBarWidth, length, colors.track);
    art::FillRect(piece, QRect(0, 0, 1, length), colors.borderLight);
    return piece;
}

QImage ArrowButton(const SkinPalette& colors, art::Direction direction, QColor background, QColor glyph)
{
    QImage button = TrackPiece(colors, kArrowLength);
    if (background != colors.track)
        art::FillPath(button, art::RoundedPath(QRectF(3, 2, 14, 14), 3), background);
    art::Chevron(button, QPointF(10, 9), direction, glyph);
    return button;
}

QImage BarFace(const SkinPalette& colors, bool withCorner)
{
    QImage face = TrackPiece(colors, kBarLength + (withCorner ? kBarWidth : 0));
    QImage upper = ArrowButton(colors, art::Direction::Up, colors.track, colors.textMuted);
    QImage lower = ArrowButton(colors, art::Direction::Down, colors.track, colors.textMuted);
    QPainter painter(&face);
    painter.drawImage(0, 0, upper);
    painter.drawImage(0, kBarLength - kArrowLength, lower);
    if (withCorner)
        painter.fillRect(QRect(0, kBarLength, kBarWidth, 1), colors.borderLight);
    return face;
}

QImage Thumb(const SkinPalette& colors, QColor color)
{
    QImage thumb = TrackPiece(colors, kThumbLength);
    art::FillPath(thumb, art::RoundedPath(QRectF(6, 2, 8, kThumbLength - 4), 4), color);
    return thumb;
}

struct BarArt {
    QRect face, upHover, upDown, downHover, downDown, thumb, thumbHover, thumbDown;
};

BarArt PlaceBar(SpriteSheet& sheet, const SkinPalette& colors, bool horizontal, bool withCorner)
{
    const auto place = [&](const QImage& upright) { return sheet.Place(horizontal ? art::Transposed(upright) : upright); };
    using art::Direction;
    BarArt bar;
    bar.face = place(BarFace(colors, withCorner));
    // The "up" button raises the position and sits at the far end.
    bar.upHover = place(ArrowButton(colors, Direction::Down, colors.hover, colors.textStrong));
    bar.upDown = place(ArrowButton(colors, Direction::Down, colors.pressed, colors.textStrong));
    bar.downHover = place(ArrowButton(colors, Direction::Up, colors.hover, colors.textStrong));
    bar.downDown = place(ArrowButton(colors, Direction::Up, colors.pressed, colors.textStrong));
    bar.thumb = place(Thumb(colors, colors.thumb));
    bar.thumbHover = place(Thumb(colors, colors.thumbHover));
    bar.thumbDown = place(Thumb(colors, colors.accent));
    return bar;
}

// An upright rectangle in the coordinates of the bar, turned for horizontal bars.
QRect Along(bool horizontal, int start, int length)
{
    return horizontal ? QRect(start, 0, length, kBarWidth) : QRect(0, start, kBarWidth, length);
}

void AddScrollBar(SkinIniWriter& ini, const QString& name, bool horizontal, const BarArt& bar)
{
    const int trackEnd = kArrowLength + kTrackLength;
    PieceGeometry geometry;
    if (horizontal) {
        geometry.leftTop = { kArrowLength, 0 };
        geometry.rightTop = { trackEnd, 0 };
        geometry.client = QRect(kArrowLength, 1, kTrackLength, kBarWidth - 1);
    } else {
        geometry.leftTop = { 0, kArrowLength };
        geometry.leftBottom = { 0, trackEnd };
        geometry.client = QRect(1, kArrowLength, kBarWidth - 1, kTrackLength);
    }
    AddPictureControl(ini, name, "scrollbar", bar.face, geometry)
        .SetRect("trackarea", Along(horizontal, kArrowLength, kTrackLength))
        .SetRect("upbuttonrect", Along(horizontal, trackEnd, kArrowLength))
        .SetRect("activeupbuttonrect", bar.upHover)
        .SetRect("downupbuttonrect", bar.upDown)
        .SetRect("downbuttonrect", Along(horizontal, 0, kArrowLength))
        .SetRect("activedownbuttonrect", bar.downHover)
        .SetRect("downdownbuttonrect", bar.downDown)
        .SetRect("thumbrect", bar.thumb)
        .SetRect("activethumbrect", bar.thumbHover)
        .SetRect("downthumbrect", bar.thumbDown)
        .Set("thumboffset1", kThumbEnd)
        .Set("thumboffset2", kThumbEnd)
        .SetBool("thumbtransparent", false)
        .SetBool("thumbstretcheffect", false)
        .Set("thumbminsize", 0)
        .Set("thumbminpagesize", 0);
}

constexpr int kKnob = 14;

QImage SliderThumbs(const SkinPalette& colors)
{
    QImage thumbs = art::NewCell(2 * kKnob, kKnob, colors.surface);
    const QColor states[] = { colors.accent, colors.accentPressed };
    for (int i = 0; i < 2; ++i) {
        QPainterPath knob;
        knob.addEllipse(QRectF(i * kKnob, 0, kKnob, kKnob));
        art::FillPath(thumbs, knob, states[i]);
        QPainterPath centre;
        const qreal inner = i == 0 ? 6 : 4;
        centre.addEllipse(QRectF(i * kKnob + (kKnob - inner) / 2, (kKnob - inner) / 2, inner, inner));
        art::FillPath(thumbs, centre, colors.onAccent);
    }
    return thumbs;
}

void AddSlider(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    QImage horizontalRuler = art::NewCell(16, 8, colors.surface);
    art::FillPath(horizontalRuler, art::RoundedPath(QRectF(0, 2, 16, 4), 2), colors.groove);
    const QRect hRuler = sheet.Place(horizontalRuler);
    const QRect vRuler = sheet.Place(art::Transposed(horizontalRuler));
    const QRect hThumb = sheet.Place(SliderThumbs(colors));
    const QRect vThumb = sheet.Place(SliderThumbs(colors));

    ini.AddControl("slider", "slider")
        .Set("pictureindex", kControlsPicture)
        .Set("maskpictureindex", -1)
        .SetRect("skinrect", QRect())
        .SetColor("bgcolor", colors.surface)
        .SetRect("hrulerrect", hRuler)
        .SetRect("hthumbrect", hThumb)
        .SetRect("vrulerrect", vRuler)
        .SetRect("vthumbrect", vThumb)
        .Set("edgesize", 3)
        .SetColor("pointscolor", colors.ticks);
}

} // namespace

void AddScrollControls(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    AddScrollBar(ini, "vscrollbar", false, PlaceBar(sheet, colors, false, false));
    AddScrollBar(ini, "hscrollbar", true, PlaceBar(sheet, colors, true, false));
    AddScrollBar(ini, "bothhscrollbar", true, PlaceBar(sheet, colors, true, true));
    AddSlider(ini, sheet, colors);
}
