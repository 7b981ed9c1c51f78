#include "fuzz/render_draw_steps.h"

#include "base/random_generator.h"
#include "fuzz/fuzz_support.h"
#include "skin/data/control_definitions_buttons.h"
#include "skin/data/control_definitions_gauge.h"
#include "skin/data/control_definitions_scroll_bar.h"
#include "skin/data/control_definitions_tab.h"
#include "skin/data/data_skin_object.h"
#include "skin/data/skin_data.h"
#include "skin/draw/accelerator_text.h"
#include "skin/draw/area_reduction.h"
#include "skin/draw/compose_skin_face.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/glyph_text_layout.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/image_turns.h"
#include "skin/draw/keyed_copy.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/morph.h"
#include "skin/draw/outline.h"
#include "skin/draw/pixel_effects.h"
#include "skin/draw/skin_font.h"
#include "skin/draw/system_colors.h"
#include "skin/draw/text_ellipsis.h"
#include "skin/draw/whole_pixel_scaling.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace {

// The choices of one run, drawn from its input's hash.
class StepChoices {
public:
    explicit StepChoices(std::uint64_t hash)
        : m_state(hash)
    {
    }
    // A number below count (count > 0).
    int Below(int count)
    {
        // A splitmix64 step: every choice takes fresh, evenly spread bits,
        // however many a run makes.
        m_state += 0x9E3779B97F4A7C15u;
        std::uint64_t bits = m_state;
        bits = (bits ^ (bits >> 30)) * 0xBF58476D1CE4E5B9u;
        bits = (bits ^ (bits >> 27)) * 0x94D049BB133111EBu;
        bits ^= bits >> 31;
        return static_cast<int>(bits % static_cast<std::uint64_t>(count));
    }
    bool Flag() { return Below(2) == 1; }

private:
    std::uint64_t m_state;
};

// No step works on a face of more logical pixels than this (a fixed face is
// as large as its skin rectangle), nor on a frame object's piece larger than
// kMaxObjectSide either way; enlargements go up to ratio 3 at most.
constexpr qint64 kMaxStepPixels = 160 * 80;
constexpr int kMaxObjectSide = 160;
constexpr int kObjectsPerInput = 4;
constexpr int kFacesPerRun = 2;
// The sizes asked of a face: square, a wide control's and a tall one's.
constexpr QSize kStepSizes[] = { { 16, 16 }, { 121, 25 }, { 40, 90 } };
// One frame object a run is drawn through the enlarged picture cache, and
// only from a picture this small: the cache enlarges the whole picture.
constexpr qint64 kMaxCachedPicturePixels = 192 * 192;
constexpr int kCachedPictureRatio = 2;
constexpr qint64 kPictureCacheBudget = kMaxCachedPicturePixels * kCachedPictureRatio * kCachedPictureRatio * 4;
constexpr qreal kDeviceRatios[] = { 1.25, 1.5, 1.75, 2, 2.5, 3 };
// A colour no face step draws: what a device holds where nothing was drawn.
constexpr QRgb kUntouched = 0xff123457u;

std::string SizeText(const QSize& size)
{
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

// The lowest and highest value of each colour channel over an image.
struct ChannelRange {
    int low[3] { 255, 255, 255 };
    int high[3] { 0, 0, 0 };

    void Take(QRgb pixel)
    {
        const int channels[3] = { qRed(pixel), qGreen(pixel), qBlue(pixel) };
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], channels[c]);
            high[c] = std::max(high[c], channels[c]);
        }
    }
    bool Holds(QRgb pixel) const
    {
        const int channels[3] = { qRed(pixel), qGreen(pixel), qBlue(pixel) };
        for (int c = 0; c < 3; ++c) {
            if (channels[c] < low[c] || channels[c] > high[c])
                return false;
        }
        return true;
    }
};

// image is a 32-bit one.
ChannelRange RangeOf(const QImage& image)
{
    ChannelRange range;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            range.Take(SkinRow(image, y)[x]);
    }
    return range;
}

QImage PictureAt(const TbsSkinData& skin, int index)
{
    const QList<QImage>& pictures = skin.ActivePictures();
    return index >= 0 && index < pictures.size() ? pictures.at(index) : QImage();
}

// The part of picture under rect, as the controls cut pieces.
QImage PieceOf(const QImage& picture, const QRect& rect)
{
    const QRect inside = rect & picture.rect();
    if (inside.isEmpty() || qint64(inside.width()) * inside.height() > kMaxStepPixels)
        return {};
    return ToSkinBitmap(picture.copy(inside));
}

// A face copied to a device of a fractional or whole ratio the way controls
// and the frame copy theirs: every device pixel the face touches is a blend of
// face pixels (so within their channel range), and nothing lands beyond them.
void CheckFaceOnDevice(const QImage& face, qreal deviceRatio, const QPoint& at)
{
    const QSize logical = LogicalSize(face);
    const QSize deviceSize(static_cast<int>(std::ceil((at.x() + logical.width()) * deviceRatio)) + 1,
        static_cast<int>(std::ceil((at.y() + logical.height()) * deviceRatio)) + 1);
    QImage device(deviceSize, QImage::Format_RGB32);
    device.fill(kUntouched);
    device.setDevicePixelRatio(deviceRatio);
    {
        QPainter painter(&device);
        DrawFaceOnDevice(painter, at, face, QRegion(QRect(at, logical)));
    }
    const QRect covered = TouchedPixels(QRectF(QPointF(at) * deviceRatio, QSizeF(logical) * deviceRatio));
    ChannelRange range = RangeOf(face);
    // A face with alpha is blended with what the device held.
    if (face.hasAlphaChannel())
        range.Take(kUntouched);
    for (int y = 0; y < device.height(); ++y) {
        const QRgb* row = SkinRow(device, y);
        for (int x = 0; x < device.width(); ++x) {
            const bool inside = covered.contains(x, y);
            Require(inside ? range.Holds(row[x]) : row[x] == kUntouched, [&] {
                return "device pixel " + std::to_string(x) + "," + std::to_string(y) + " of a " + SizeText(logical)
                    + " face at ratio " + std::to_string(deviceRatio) + (inside ? " is no blend of the face's" : " drawn outside the face");
            });
        }
    }
}

// Each channel of every mixed pixel lies between the two it was mixed from.
void CheckMixedBetween(const QImage& mixed, const QImage& from, const QImage& to)
{
    const QImage a = ToSkinBitmap(from);
    const QImage b = ToSkinBitmap(to);
    for (int y = 0; y < mixed.height(); ++y) {
        for (int x = 0; x < mixed.width(); ++x) {
            ChannelRange range;
            range.Take(SkinRow(a, y)[x]);
            range.Take(SkinRow(b, y)[x]);
            Require(range.Holds(SkinRow(mixed, y)[x]), [&] {
                return "morphed pixel " + std::to_string(x) + "," + std::to_string(y) + " is outside its two faces";
            });
        }
    }
}

// current morphed towards target as the buttons and frame objects do it.
QImage MorphAndCheck(const QImage& from, const QImage& target, double progress, MorphKind kind)
{
    const QImage before = from;
    QImage current = from;
    Morph(current, target, progress, kind);
    Require(LogicalSize(current) == LogicalSize(before), [&] { return "a morph resized its face"; });
    const bool mixes = kind == MorphKind::mkDefault || kind == MorphKind::mkGradient
        || kind == MorphKind::mkLeftGradient || kind == MorphKind::mkRightGradient;
    if (mixes && before.size() == target.size())
        CheckMixedBetween(current, before, target);
    return current;
}

// source copied onto a copy of face at position with key left out: every
// device pixel is the source's or the face's, as the key says.
void KeyedCopyAndCheck(const QImage& face, const QPoint& position, const QImage& source, std::optional<QRgb> key)
{
    if (face.isNull() || source.isNull())
        return;
    QImage drawn = face;
    DrawKeyed(drawn, position, source, key);
    Require(drawn.size() == face.size(), [] { return "a keyed copy resized its face"; });
    const int ratio = WholePixelRatio(face.devicePixelRatio());
    const QRect area(position * ratio, source.size() * ratio);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            QRgb expected = SkinRow(face, y)[x];
            if (area.contains(x, y)) {
                const QRgb from = source.pixel((x - area.left()) / ratio, (y - area.top()) / ratio);
                if (!key || (from & 0x00FFFFFFu) != *key)
                    expected = from;
            }
            Require(SkinRow(drawn, y)[x] == expected, [&] {
                return "keyed copy pixel " + std::to_string(x) + "," + std::to_string(y) + " is neither the face's nor the source's";
            });
        }
    }
}

// The key colour a definition names, or, in half the runs, the colour of the
// source's bottom-left pixel, as a skin that marks its glyphs' background
// would name it: the corpus then reaches the left-out pixels without a
// mutation of the transparency keys.
std::optional<QRgb> KeyColor(bool transparent, SkinColor color, const QImage& source, StepChoices& choices)
{
    if (choices.Flag())
        return source.isNull() ? std::nullopt : std::optional<QRgb>(source.pixel(0, source.height() - 1) & 0x00FFFFFFu);
    if (!transparent)
        return std::nullopt;
    return SkinColorToRgb(color) & 0x00FFFFFFu;
}

// A piece of the picture drawn or tiled onto area of an enlarged face, as the
// controls lay client pieces and buttons: each device pixel of area is the
// piece's pixel under it (repeated from area's top-left), every other one is
// the face's.
void PieceOntoFaceAndCheck(const QImage& face, const QImage& picture, const QRect& piece, const QRect& area, bool tile)
{
    if (face.isNull() || piece.isEmpty() || area.isEmpty() || !picture.rect().contains(piece))
        return;
    QImage drawn = face;
    if (tile)
        TilePiece(drawn, area, picture, piece);
    else
        DrawPiece(drawn, QRect(area.topLeft(), piece.size()), picture, piece);
    const QRect covered = tile ? area : QRect(area.topLeft(), piece.size());
    const QImage source = ToSkinBitmap(picture);
    const int ratio = WholePixelRatio(face.devicePixelRatio());
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QPoint logical(x / ratio, y / ratio);
            const QPoint offset = logical - covered.topLeft();
            const QRgb expected = covered.contains(logical)
                ? SkinRow(source, piece.top() + offset.y() % piece.height())[piece.left() + offset.x() % piece.width()]
                : SkinRow(face, y)[x];
            Require(SkinRow(drawn, y)[x] == expected, [&] {
                return std::string(tile ? "tiled" : "drawn") + " piece device pixel " + std::to_string(x) + ","
                    + std::to_string(y) + " of a " + SizeText(LogicalSize(face)) + " face at ratio "
                    + std::to_string(ratio) + " is not the piece's";
            });
        }
    }
}

// What a skin names in one of its keys, or, in half the runs, what another
// skin could name there: the kept corpus then reaches every kind without
// waiting for a mutation of that one key.
template <typename Kind> Kind NamedOrAnother(Kind named, int kinds, StepChoices& choices)
{
    return choices.Flag() ? named : static_cast<Kind>(choices.Below(kinds));
}
constexpr int kMorphKinds = static_cast<int>(MorphKind::mkPush) + 1;
constexpr int kInactiveEffects = static_cast<int>(InactiveEffect::ieInvert) + 1;
constexpr int kStretchTypes = static_cast<int>(StretchType::stVert) + 1;

// An outline as the menus and hints draw theirs on an enlarged face: its
// bands cover exactly the device pixels of the face's edge pixels.
void OutlineAndCheck(QImage face, const QColor& color)
{
    const QImage before = face;
    {
        QPainter painter(&face);
        DrawOutline(painter, LogicalRect(face), color);
    }
    const int ratio = WholePixelRatio(face.devicePixelRatio());
    const QRgb ink = color.rgb() | 0xff000000u;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const bool edge = x < ratio || y < ratio || x >= face.width() - ratio || y >= face.height() - ratio;
            const QRgb pixel = SkinRow(face, y)[x] | 0xff000000u;
            Require(edge ? pixel == ink : pixel == (SkinRow(before, y)[x] | 0xff000000u), [&] {
                return "outline device pixel " + std::to_string(x) + "," + std::to_string(y) + " of a "
                    + SizeText(LogicalSize(face)) + " face at ratio " + std::to_string(ratio)
                    + (edge ? " is not the outline's" : " was drawn over");
            });
        }
    }
}

// The glyphs the controls and menus draw where a skin has no picture for
// them, somewhere on face.
void DrawGlyphs(QImage& face, const QColor& color, StepChoices& choices)
{
    const QSize size = LogicalSize(face);
    QPainter painter(&face);
    const QPoint at(choices.Below(std::max(1, size.width())), choices.Below(std::max(1, size.height())));
    DrawArrowGlyph(painter, QRect(at, QSize(7, 7)), static_cast<ArrowDirection>(1 + choices.Below(4)), color);
    DrawDropGlyph(painter, LogicalRect(face), color);
    if (choices.Flag())
        DrawCheckGlyph(painter, at, color);
    else
        DrawRadioGlyph(painter, at, color);
    DrawCaptionGlyph(painter, static_cast<CaptionGlyph>(choices.Below(8)), at, color);
}

// The shape of a face from its mask, as the controls take it, and the face's
// colours spread into what the shape leaves out. (A mask larger than its skin
// rectangle gives a shape past the face; the platform clips a control's shape
// to the control, so that is no fault.) The shape a mask gives on its own
// covers exactly its black pixels, counted here one by one.
void ShapeAndCheck(QImage& scaled, const QImage& mask, const TbsDataSkinCustomControl& definition,
    const SkinPieceGeometry& piece, CompositionMode mode)
{
    const QSize size = LogicalSize(scaled);
    const std::optional<QRegion> shape
        = SkinFaceRegion(mask, ClipToPicture(piece, mask.size()), mode, size.width(), size.height());
    if (shape)
        SpreadInsideShape(scaled, *shape);
    const QImage maskPiece = PieceOf(mask, definition.skinRect.ToQRect());
    const std::optional<QRegion> whole = RegionFromMask(maskPiece);
    if (!whole)
        return;
    qint64 black = 0;
    for (int y = 0; y < maskPiece.height(); ++y) {
        for (int x = 0; x < maskPiece.width(); ++x)
            black += (SkinRow(maskPiece, y)[x] & 0x00FFFFFFu) == 0;
    }
    qint64 area = 0;
    for (const QRect& rect : *whole)
        area += qint64(rect.width()) * rect.height();
    Require(area == black && (whole->isEmpty() || maskPiece.rect().contains(whole->boundingRect())), [&] {
        return "a mask of " + std::to_string(black) + " black pixels gives a shape of " + std::to_string(area);
    });
}

// A rectangle of the skin mapped to the requested size as the controls map
// their text areas and buttons: at the skin's own size it stays where it is,
// and at any size it keeps its size or grows by the size's growth.
void MapAndCheck(CompositionMode mode, const SkinPieceGeometry& piece, const QRect& rect, const QSize& requested)
{
    const QSize skinSize = piece.skinRect.size();
    Require(MapSkinRect(mode, piece, rect, skinSize.width(), skinSize.height()) == rect,
        [] { return "a skin rectangle mapped to the skin's own size moved"; });
    const QRect mapped = MapSkinRect(mode, piece, rect, requested.width(), requested.height());
    const qint64 dW = qint64(requested.width()) - skinSize.width();
    const qint64 dH = qint64(requested.height()) - skinSize.height();
    const bool widthKept = mapped.width() == rect.width() || mapped.width() == rect.width() + dW;
    const bool heightKept = mapped.height() == rect.height() || mapped.height() == rect.height() + dH;
    Require(widthKept && heightKept, [&] {
        return "a " + SizeText(rect.size()) + " skin rectangle mapped from " + SizeText(skinSize) + " to "
            + SizeText(requested) + " is " + SizeText(mapped.size());
    });
}

// A panel or page control draws its four border strips around its own
// client background; where they lie they show what the whole face shows.
// (Strips are cut at the client rectangle's edges, the face's bands at the
// corner points; a client rectangle reaching into the corners makes the two
// cut the art differently, so only pieces whose client lies within the
// corner points are compared.)
void CheckBordersMatchFace(const QImage& picture, const SkinPieceGeometry& piece, const QSize& requested)
{
    const QRect& client = piece.clientRect;
    const int right = client.left() + client.width();
    const int bottom = client.top() + client.height();
    if (client.left() < std::max(piece.leftTop.x(), piece.leftBottom.x())
        || client.top() < std::max(piece.leftTop.y(), piece.rightTop.y())
        || right > std::min(piece.rightTop.x(), piece.rightBottom.x())
        || bottom > std::min(piece.leftBottom.y(), piece.rightBottom.y()))
        return;
    const SkinTargetGeometry target = CalcTargetGeometry(CompositionMode::Full, piece, requested.width(), requested.height());
    QImage whole;
    ComposeSkinImage(whole, picture, piece, target, true);
    if (whole.isNull())
        return;
    const SkinBorderStrips strips = ComposeSkinBorders(picture, piece, target);
    QImage bordered = whole.copy();
    bordered.fill(kUntouched);
    {
        QPainter painter(&bordered);
        DrawSkinBorders(painter, QRect(QPoint(), whole.size()), strips);
    }
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            const QRgb border = SkinRow(bordered, y)[x];
            Require(border == kUntouched || border == SkinRow(whole, y)[x], [&] {
                return "border strip pixel " + std::to_string(x) + "," + std::to_string(y) + " of a "
                    + SizeText(whole.size()) + " face is not the face's";
            });
        }
    }
}

// An edit's frame when its height follows the font: every band stretched to
// the requested size, exactly.
void ComposeStretchedAndCheck(const QImage& picture, const SkinPieceGeometry& piece, const QSize& requested)
{
    QImage frame;
    ComposeSkinImageStretched(frame, picture, piece.skinRect, piece.clientRect, requested.width(), requested.height(), true);
    Require(frame.isNull() || frame.size() == requested,
        [&] { return "a stretched frame asked at " + SizeText(requested) + " is " + SizeText(frame.size()); });
}

// The face of a button going from its normal face to its hot one.
void MorphButtonFace(const QImage& picture, const TbsDataSkinButtonControl& button, const SkinPieceGeometry& piece,
    CompositionMode mode, const QImage& face, const QSize& requested, int ratio, StepChoices& choices)
{
    if (!button.morphing)
        return;
    const QImage active = ComposeSkinFace(
        picture, piece, mode, button.activeSkinRect.ToQRect(), requested.width(), requested.height());
    if (active.isNull())
        return;
    MorphAndCheck(ScaleByWholePixels(face, ratio), ScaleByWholePixels(active, ratio), choices.Below(1025) / 1024.0,
        NamedOrAnother(button.morphKind, kMorphKinds, choices));
}

// The face of definition at the requested size, through the steps the
// controls take it: enlarged for the device, dimmed for an inactive window,
// shaped by its mask, outlined, glyphs and keyed glyphs drawn on it, morphed
// to its hot face, and copied to the device.
void DrawFaceSteps(const TbsSkinData& skin, const TbsDataSkinCustomControl& definition, const QSize& requested,
    StepChoices& choices)
{
    const QImage picture = PictureAt(skin, definition.pictureIndex);
    if (picture.isNull())
        return;
    SkinPieceGeometry piece = ClipToPicture(PieceGeometryOf(definition), picture.size());
    piece.stretchType = NamedOrAnother(piece.stretchType, kStretchTypes, choices);
    const CompositionMode mode = CompositionModeOf(piece);
    MapAndCheck(mode, piece, definition.clientRect.ToQRect(), requested);
    if (mode == CompositionMode::Full && choices.Flag())
        CheckBordersMatchFace(picture, piece, requested);
    if (choices.Flag())
        ComposeStretchedAndCheck(picture, piece, requested);
    const QImage face
        = ComposeSkinFace(picture, piece, mode, definition.skinRect.ToQRect(), requested.width(), requested.height());
    if (face.isNull() || qint64(face.width()) * face.height() > kMaxStepPixels)
        return;
    const qreal deviceRatio = kDeviceRatios[choices.Below(static_cast<int>(std::size(kDeviceRatios)))];
    const int ratio = WholePixelRatio(deviceRatio);
    QImage scaled = ScaleByWholePixels(face, ratio);
    Require(LogicalSize(scaled) == face.size() && scaled.width() == face.width() * ratio,
        [&] { return "a " + SizeText(face.size()) + " face enlarged by " + std::to_string(ratio) + " is " + SizeText(scaled.size()); });

    if (choices.Flag()) {
        ApplyInactiveEffect(scaled, NamedOrAnother(skin.FormInfo().inactiveEffect, kInactiveEffects, choices));
        Require(LogicalSize(scaled) == face.size() && WholePixelRatio(scaled.devicePixelRatio()) == ratio,
            [] { return "the inactive effect changed a face's size or ratio"; });
    }
    const QImage mask = PictureAt(skin, definition.maskPictureIndex);
    if (!mask.isNull())
        ShapeAndCheck(scaled, mask, definition, piece, mode);
    const TbsSkinColors& colors = skin.SkinColors();
    const SkinColor inks[] = { colors.cBtnText, colors.cWindowText, colors.cHighlight, colors.cBtnShadow };
    const QColor ink = SkinColorToQColor(inks[choices.Below(static_cast<int>(std::size(inks)))]);
    if (choices.Flag())
        OutlineAndCheck(scaled, ink);
    if (choices.Flag())
        DrawGlyphs(scaled, ink, choices);
    if (const auto* bar = dynamic_cast<const TbsDataSkinScrollBarControl*>(&definition)) {
        const QImage glyph = PieceOf(picture, bar->glyphRect.ToQRect());
        const QPoint centred((face.width() - glyph.width()) / 2, (face.height() - glyph.height()) / 2);
        KeyedCopyAndCheck(
            scaled, centred, glyph, KeyColor(bar->glyphTransparent, bar->glyphTransparentColor, glyph, choices));
        const QImage thumb = PieceOf(picture, bar->thumbRect.ToQRect());
        KeyedCopyAndCheck(scaled, bar->trackArea.ToQRect().topLeft(), thumb,
            KeyColor(bar->thumbTransparent, bar->thumbTransparentColor, thumb, choices));
    }
    if (const auto* gauge = dynamic_cast<const TbsDataSkinGaugeControl*>(&definition)) {
        const QImage bar = PieceOf(picture, gauge->progressRect.ToQRect());
        KeyedCopyAndCheck(scaled, gauge->progressArea.ToQRect().topLeft(), bar,
            KeyColor(gauge->progressTransparent, gauge->progressTransparentColor, bar, choices));
    }
    const QRect client = definition.clientRect.ToQRect();
    PieceOntoFaceAndCheck(scaled, picture, client.translated(definition.skinRect.ToQRect().topLeft()),
        MapSkinRect(mode, piece, client, requested.width(), requested.height()), choices.Flag());
    if (const auto* button = dynamic_cast<const TbsDataSkinButtonControl*>(&definition))
        MorphButtonFace(picture, *button, piece, mode, face, requested, ratio, choices);
    CheckFaceOnDevice(scaled, deviceRatio, QPoint(choices.Below(4), choices.Below(4)));
}

// A frame object's face on a device of a whole ratio through the enlarged
// picture cache (when given one), and its morph from the normal to the active
// face, as the frame draws them.
void DrawObject(const TbsSkinData& skin, const TbsDataSkinObject& object, ScaledPictureCache* cache,
    StepChoices& choices)
{
    const QImage active = PictureAt(skin, object.activePictureIndex);
    const QImage normal = object.skinRectInAPicture ? active : skin.Picture();
    const QRect piece = object.skinRect.ToQRect();
    if (normal.isNull() || piece.isEmpty())
        return;
    const QSize size = piece.size().boundedTo(QSize(kMaxObjectSide, kMaxObjectSide));
    if (cache && qint64(normal.width()) * normal.height() <= kMaxCachedPicturePixels) {
        const int ratio = kCachedPictureRatio;
        QImage device(size * ratio, QImage::Format_RGB32);
        device.fill(kUntouched);
        device.setDevicePixelRatio(ratio);
        {
            QPainter painter(&device);
            // Drawn twice, as a frame paints again: the second comes from the cache.
            for (int paint = 0; paint < 2; ++paint)
                DrawPicturePiece(painter, QRect(QPoint(), size), normal, QRect(piece.topLeft(), size), *cache);
        }
        Require(cache->Bytes() <= kPictureCacheBudget, [] { return "the enlarged picture cache passed its budget"; });
        // An unstretched piece comes out in whole device pixels of the picture.
        const QPoint last(size.width() - 1, size.height() - 1);
        if (!normal.hasAlphaChannel() && normal.rect().contains(QRect(piece.topLeft(), size))) {
            for (const QPoint& corner : { QPoint(), last }) {
                const QRgb expected = normal.pixel(piece.topLeft() + corner) | 0xff000000u;
                for (const QPoint& sub : { QPoint(), QPoint(ratio - 1, ratio - 1) }) {
                    const QPoint at = corner * ratio + sub;
                    Require((device.pixel(at) | 0xff000000u) == expected, [&] {
                        return "device pixel " + std::to_string(at.x()) + "," + std::to_string(at.y())
                            + " of a frame object is not its picture pixel";
                    });
                }
            }
        }
    }
    if (!object.morphing || active.isNull() || object.activeSkinRect.IsEmpty())
        return;
    const QImage from = StretchedPiece(normal, piece, size.width(), size.height());
    const QImage to = StretchedPiece(active, object.activeSkinRect.ToQRect(), size.width(), size.height());
    QImage morphed = MorphAndCheck(
        from, to, choices.Below(1025) / 1024.0, NamedOrAnother(object.morphKind, kMorphKinds, choices));
    // An inactive caption shows its morph through the window's inactive effect.
    if (skin.FormInfo().autoRenderingInactiveImage) {
        ApplyInactiveEffect(morphed, NamedOrAnother(skin.FormInfo().inactiveEffect, kInactiveEffects, choices));
        Require(morphed.size() == size, [] { return "the inactive effect resized a frame object"; });
    }
}

// A tab laid on the left, right or bottom of its page control, and its close
// button copied onto it without its key colour.
void DrawTab(const TbsSkinData& skin, const TbsDataSkinTabControl& tab, StepChoices& choices)
{
    const QImage picture = PictureAt(skin, tab.pictureIndex);
    const QImage upright = PieceOf(picture, tab.tabRect.ToQRect());
    if (upright.isNull())
        return;
    const QImage left = TurnLeft(upright);
    const QImage right = TurnRight(upright);
    Require(left.size() == upright.size().transposed() && right.size() == left.size(),
        [&] { return "a " + SizeText(upright.size()) + " tab turned is " + SizeText(left.size()); });
    Require(TurnRight(left) == upright && TurnLeft(right) == upright && FlipVertically(FlipVertically(upright)) == upright,
        [] { return "a tab turned back is not the tab"; });
    const QImage button = PieceOf(picture, tab.closeButtonRect.ToQRect());
    const QImage face = choices.Flag() ? FlipVertically(upright) : left;
    const QPoint at(choices.Below(std::max(1, face.width())), choices.Below(std::max(1, face.height())));
    KeyedCopyAndCheck(face, at, button, KeyColor(tab.buttonTransparent, tab.buttonTransparentColor, button, choices));
}

// A caption shortened to fit: the whole caption when it fits, else a start
// of it with "..." that fits, or "..." alone.
void TrimAndCheck(const QFontMetrics& metrics, const QString& caption, int limit)
{
    const QString trimmed = TrimWithEllipsis(metrics, caption, limit);
    const QString ellipsis = QStringLiteral("...");
    const bool whole = trimmed == caption && MeasureText(metrics, caption).width() <= limit;
    const bool shortened = trimmed.endsWith(ellipsis) && caption.startsWith(trimmed.chopped(ellipsis.size()))
        && (trimmed == ellipsis || MeasureText(metrics, trimmed).width() <= limit);
    Require(whole || shortened, [&] {
        return "\"" + caption.toStdString() + "\" trimmed to " + std::to_string(limit) + " pixels is \""
            + trimmed.toStdString() + "\"";
    });
}

// A few frame objects from one choices picks, and the first page control's
// tabs.
void DrawObjectSteps(const TbsSkinData& skin, StepChoices& choices)
{
    const auto& objects = skin.ObjectDefinitions();
    if (objects.empty())
        return;
    ScaledPictureCache cache(kPictureCacheBudget);
    const std::size_t first = static_cast<std::size_t>(choices.Below(static_cast<int>(objects.size())));
    for (std::size_t i = 0; i < objects.size() && i < kObjectsPerInput; ++i)
        DrawObject(skin, *objects[(first + i) % objects.size()], i == 0 ? &cache : nullptr, choices);
    for (const auto& definition : skin.ControlDefinitions()) {
        if (const auto* tab = dynamic_cast<const TbsDataSkinTabControl*>(definition.get())) {
            DrawTab(skin, *tab, choices);
            break;
        }
    }
}

// A caption laid out, shortened and drawn in the font of a definition.
void DrawTextSteps(const TbsSkinData& skin, StepChoices& choices)
{
    const auto& definitions = skin.ControlDefinitions();
    if (definitions.empty())
        return;
    const std::size_t first = static_cast<std::size_t>(choices.Below(static_cast<int>(definitions.size())));
    const FontKeys* keys = nullptr;
    const TbsDataSkinControl* control = nullptr;
    for (std::size_t i = 0; i < definitions.size() && !keys; ++i) {
        control = definitions[(first + i) % definitions.size()].get();
        keys = dynamic_cast<const FontKeys*>(control);
    }
    if (!keys)
        return;
    const QFont font = SkinFont(keys->fontName, keys->fontHeight, keys->fontStyle);
    const QFontMetrics metrics(font);
    // The section's name stands in for a caption: it is text of the skin's.
    const QString marked = QStringLiteral("&") + control->IDName();
    const QString caption = WithoutAccelerator(marked);
    Require(caption.size() < marked.size(), [] { return "an accelerator mark stayed in a caption"; });
    TrimAndCheck(metrics, caption, choices.Below(160));

    const int ratio = 1 + choices.Below(3);
    QImage face = ScaleByWholePixels(MakeSkinBitmap(121, 25, SkinColorToRgb(skin.SkinColors().cBtnFace)), ratio);
    const QImage picture = PictureAt(skin, control->pictureIndex);
    const QImage glyph = PieceOf(picture, control->skinRect.ToQRect());
    QPainter painter(&face);
    painter.setFont(font);
    painter.setPen(SkinColorToQColor(keys->fontColor));
    const auto layout = static_cast<TbsButtonLayout>(choices.Below(4));
    const FocusMark focus { choices.Flag(), SkinColorToQColor(skin.SkinColors().cHighlight) };
    const QRect rect = LogicalRect(face).adjusted(2, 2, -2, -2);
    if (choices.Flag())
        DrawGlyphAndText(painter, rect, choices.Below(6) - 1, choices.Below(5), layout, caption, glyph,
            1 + choices.Below(4), 1 + choices.Below(5), choices.Flag(), focus);
    else
        DrawImageAndText(painter, rect, choices.Below(6) - 1, choices.Below(5), layout, caption, glyph,
            choices.Flag(), choices.Flag(), focus);
    painter.end();
    Require(LogicalSize(face) == QSize(121, 25), [] { return "drawing a caption resized its face"; });
}

} // namespace

void DrawChosenSteps(const TbsSkinData& skin, std::uint64_t hash)
{
    // The noise effect draws from the process-wide generator: started from
    // the hash, a run draws the same every time it is run.
    RandomGenerator::ProcessWide().SetState(static_cast<std::uint32_t>(hash));
    StepChoices choices(hash);
    const auto& definitions = skin.ControlDefinitions();
    for (int face = 0; face < kFacesPerRun && !definitions.empty(); ++face) {
        const auto& definition = definitions[static_cast<std::size_t>(choices.Below(static_cast<int>(definitions.size())))];
        if (const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(definition.get()))
            DrawFaceSteps(skin, *custom, kStepSizes[choices.Below(static_cast<int>(std::size(kStepSizes)))], choices);
    }
    DrawObjectSteps(skin, choices);
    DrawTextSteps(skin, choices);
}
