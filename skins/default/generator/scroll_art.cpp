// Scroll bars and the slider.
#include "art_palette.h"
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

QImage TrackPiece(int length)
{
    QImage piece = art::NewCell(kBarWidth, length, palette::kTrack);
    art::FillRect(piece, QRect(0, 0, 1, length), palette::kBorderLight);
    return piece;
}

QImage ArrowButton(art::Direction direction, QColor background, QColor glyph)
{
    QImage button = TrackPiece(kArrowLength);
    if (background != palette::kTrack)
        art::FillPath(button, art::RoundedPath(QRectF(3, 2, 14, 14), 3), background);
    art::Chevron(button, QPointF(10, 9), direction, glyph);
    return button;
}

QImage BarFace(bool withCorner)
{
    QImage face = TrackPiece(kBarLength + (withCorner ? kBarWidth : 0));
    QImage upper = ArrowButton(art::Direction::Up, palette::kTrack, palette::kTextMuted);
    QImage lower = ArrowButton(art::Direction::Down, palette::kTrack, palette::kTextMuted);
    QPainter painter(&face);
    painter.drawImage(0, 0, upper);
    painter.drawImage(0, kBarLength - kArrowLength, lower);
    if (withCorner)
        painter.fillRect(QRect(0, kBarLength, kBarWidth, 1), palette::kBorderLight);
    return face;
}

QImage Thumb(QColor color)
{
    QImage thumb = TrackPiece(kThumbLength);
    art::FillPath(thumb, art::RoundedPath(QRectF(6, 2, 8, kThumbLength - 4), 4), color);
    return thumb;
}

struct BarArt {
    QRect face, upHover, upDown, downHover, downDown, thumb, thumbHover, thumbDown;
};

BarArt PlaceBar(SpriteSheet& sheet, bool horizontal, bool withCorner)
{
    const auto place = [&](const QImage& upright) { return sheet.Place(horizontal ? art::Transposed(upright) : upright); };
    using art::Direction;
    BarArt bar;
    bar.face = place(BarFace(withCorner));
    // The "up" button raises the position and sits at the far end.
    bar.upHover = place(ArrowButton(Direction::Down, palette::kHover, palette::kTextStrong));
    bar.upDown = place(ArrowButton(Direction::Down, palette::kPressed, palette::kTextStrong));
    bar.downHover = place(ArrowButton(Direction::Up, palette::kHover, palette::kTextStrong));
    bar.downDown = place(ArrowButton(Direction::Up, palette::kPressed, palette::kTextStrong));
    bar.thumb = place(Thumb(palette::kThumb));
    bar.thumbHover = place(Thumb(palette::kThumbHover));
    bar.thumbDown = place(Thumb(palette::kAccent));
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

QImage SliderThumbs()
{
    QImage thumbs = art::NewCell(2 * kKnob, kKnob, palette::kSurface);
    const QColor states[] = { palette::kAccent, palette::kAccentPressed };
    for (int i = 0; i < 2; ++i) {
        QPainterPath knob;
        knob.addEllipse(QRectF(i * kKnob, 0, kKnob, kKnob));
        art::FillPath(thumbs, knob, states[i]);
        QPainterPath centre;
        const qreal inner = i == 0 ? 6 : 4;
        centre.addEllipse(QRectF(i * kKnob + (kKnob - inner) / 2, (kKnob - inner) / 2, inner, inner));
        art::FillPath(thumbs, centre, palette::kWhite);
    }
    return thumbs;
}

void AddSlider(SkinIniWriter& ini, SpriteSheet& sheet)
{
    QImage horizontalRuler = art::NewCell(16, 8, palette::kSurface);
    art::FillPath(horizontalRuler, art::RoundedPath(QRectF(0, 2, 16, 4), 2), palette::kGroove);
    const QRect hRuler = sheet.Place(horizontalRuler);
    const QRect vRuler = sheet.Place(art::Transposed(horizontalRuler));
    const QRect hThumb = sheet.Place(SliderThumbs());
    const QRect vThumb = sheet.Place(SliderThumbs());

    ini.AddControl("slider", "slider")
        .Set("pictureindex", kControlsPicture)
        .Set("maskpictureindex", -1)
        .SetRect("skinrect", QRect())
        .SetColor("bgcolor", palette::kSurface)
        .SetRect("hrulerrect", hRuler)
        .SetRect("hthumbrect", hThumb)
        .SetRect("vrulerrect", vRuler)
        .SetRect("vthumbrect", vThumb)
        .Set("edgesize", 3)
        .SetColor("pointscolor", palette::kTicks);
}

} // namespace

void AddScrollControls(SkinIniWriter& ini, SpriteSheet& sheet)
{
    AddScrollBar(ini, "vscrollbar", false, PlaceBar(sheet, false, false));
    AddScrollBar(ini, "hscrollbar", true, PlaceBar(sheet, true, false));
    AddScrollBar(ini, "bothhscrollbar", true, PlaceBar(sheet, true, true));
    AddSlider(ini, sheet);
}
