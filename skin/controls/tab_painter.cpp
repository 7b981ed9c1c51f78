#include "skin/controls/tab_painter.h"

#include "skin/controls/fallback_drawing.h"
#include "skin/controls/plain_look_colors.h"
#include "skin/controls/tab_face.h"
#include "skin/data/control_definitions_buttons.h"
#include "skin/data/control_definitions_tab.h"
#include "skin/draw/compose_skin_face.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/exposed_parts.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/image_turns.h"
#include "skin/draw/keyed_copy.h"
#include "skin/draw/system_colors.h"
#include "skin/draw/whole_pixel_scaling.h"

#include <QPainter>
#include <algorithm>
#include <optional>

namespace {

// A skinned tab keeps this much more room between its caption and the button.
constexpr int kSkinCloseButtonGap = 3;
// Inactive captions sit this much nearer the page when the selected tab is
// taller.
constexpr int kInactiveCaptionDrop = 2;

TabLook LookOf(const TabStripLook& look, const TabPaintState& tab)
{
    return { .active = tab.active, .mouseIn = !tab.active && tab.hot, .focused = look.controlFocused };
}

QImage UprightTabFace(const TabStripLook& look, const TabPaintState& tab, const QSize& size)
{
    if (const auto* definition = look.definition) {
        return ComposeTabFace(look.picture, *definition, TabFaceRect(look.pieces, LookOf(look, tab)), size.width(),
            std::min(size.height(), look.thickness), look.tabHeight);
    }
    QImage face = MakeSkinBitmap(size.width(), size.height());
    QPainter painter(&face);
    const QRect area = LogicalRect(face);
    if (tab.active) {
        painter.fillRect(area, SkinColorToQColor(look.controlFocused ? kPlainDownFill : kPlainHotFill));
        fallback::FrameRect(painter, area, SkinColorToQColor(clNavy));
    } else {
        painter.fillRect(area, SkinColorToQColor(tab.hot ? kPlainHotFill : clBtnFace));
    }
    return face;
}

void DrawToolCloseButton(
    const TabStripLook& look, QPainter& painter, const TabPaintState& tab, const QRect& button, SkinColor glyphColor)
{
    if (const TbsDataSkinButtonControl* tool = look.toolButton) {
        const PartFaces& faces = look.toolFaces;
        const bool pressed = tab.closeMouseIn && tab.closeDown;
        const QRect& shown = pressed ? faces.down : tab.closeMouseIn ? faces.hot : faces.normal;
        glyphColor = pressed ? tool->downFontColor : tab.closeMouseIn ? tool->activeFontColor : tool->fontColor;
        const SkinPieceGeometry piece = PieceGeometryOf(*tool);
        const QImage face = ComposeSkinFace(
            look.toolPicture, piece, CompositionModeOf(piece), shown, button.width(), button.height());
        if (!face.isNull())
            painter.drawImage(button.topLeft(), face);
    }
    // The 10-pixel glyph in the middle of its cell.
    const QPoint glyph = button.topLeft() + QPoint((button.width() - 10) / 2, (button.height() - 10) / 2);
    DrawCaptionGlyph(painter, CaptionGlyph::Close, glyph, SkinColorToQColor(glyphColor));
}

void DrawSkinCloseButton(
    const TabStripLook& look, QImage& face, const TabPaintState& tab, const QRect& button, SkinColor glyphColor)
{
    const auto& definition = *look.definition;
    const PartFaces& faces = look.pieces.closeButton;
    if (faces.normal.isEmpty()) {
        QPainter painter(&face);
        DrawToolCloseButton(look, painter, tab, button, glyphColor);
        return;
    }
    const QRect& shown = !tab.closeMouseIn ? faces.normal : tab.closeDown ? faces.down : faces.hot;
    QImage piece = MakeSkinBitmap(button.width(), button.height());
    DrawPiece(piece, piece.rect(), look.picture, shown);
    const std::optional<QRgb> key = definition.buttonTransparent
        ? std::optional<QRgb>(SkinColorToRgb(definition.buttonTransparentColor) & 0xFFFFFFu)
        : std::nullopt;
    DrawKeyed(face, button.topLeft(), piece, key);
}

} // namespace

void PaintTab(const TabStripLook& look, QImage& target, const QPoint& origin, const TabPaintState& tab)
{
    if (tab.rect.isEmpty())
        return;
    const auto* definition = look.definition;
    // Composed upright; a bottom tab's face is flipped before its caption is
    // written, so the caption stays readable.
    QImage face = UprightTabFace(look, tab, UprightTabSize(look.position, tab.rect));
    if (look.position == tpBottom)
        face = FlipVertically(face);
    // The caption is written at the ratio of the face the tab lands on.
    face = ScaleByWholePixels(face, WholePixelRatio(target.devicePixelRatio()));
    QRect content = LogicalRect(face);
    if (definition && !tab.active && ActiveTabGrowth(look.pieces) != 0)
        content.translate(0, look.position == tpBottom ? -kInactiveCaptionDrop : kInactiveCaptionDrop);
    if (look.showCloseButtons) {
        const int skinGap = definition ? kSkinCloseButtonGap : 0;
        content.setWidth(content.width() - look.closeButtonWidth - kTabCloseButtonGap - skinGap);
    }
    const SkinColor color = definition ? TabFontColor(*definition, LookOf(look, tab)) : look.defaultFontColor;
    QPainter painter(&face);
    painter.setFont(look.font);
    painter.setPen(SkinColorToQColor(color));
    painter.drawText(content, Qt::AlignCenter | Qt::TextSingleLine, tab.caption);
    painter.end();
    face = TurnUprightTab(look.position, face);
    if (look.showCloseButtons) {
        const QRect button = tab.closeButton.translated(-tab.rect.topLeft());
        if (definition) {
            DrawSkinCloseButton(look, face, tab, button, color);
        } else {
            // The 10-pixel glyph sits in the middle of its cell.
            QPainter glyphPainter(&face);
            DrawCaptionGlyph(glyphPainter, CaptionGlyph::Close, button.topLeft() + QPoint(2, 2),
                SkinColorToQColor(tab.closeMouseIn ? clWhite : clBlack));
        }
    }
    if (definition && tab.active && look.controlFocused)
        fallback::DrawFocusRect(face, TabFocusMarkRect(*definition, look.pieces, LogicalSize(face)));
    QPainter(&target).drawImage(tab.rect.topLeft() - origin, face);
}

void PaintPageBackground(QImage& image, const TbsDataSkinTabControl& definition, const QRect& clientPiece,
    const QImage& picture, const QImage& backgroundPicture, const QSize& controlSize)
{
    // Whatever the skin leaves undrawn shows the form's colour.
    image.fill(SkinColorToQColor(clBtnFace));
    if (!backgroundPicture.isNull()) {
        FillWithPiece(image, LogicalRect(image), backgroundPicture, backgroundPicture.rect(), definition.stretchEffect,
            definition.stretchType);
        return;
    }
    const QRect area = definition.stretchEffect ? QRect(QPoint(0, 0), controlSize) : LogicalRect(image);
    FillWithPiece(image, area, picture, clientPiece, definition.stretchEffect, definition.stretchType);
}

void PaintPageFrame(QImage& face, const QRegion& clip, const TbsDataSkinTabControl& definition,
    const QImage& picture, const QRect& frame)
{
    const SkinPieceGeometry piece = PieceGeometryOf(definition);
    const SkinTargetGeometry target = CalcTargetGeometry(CompositionMode::Full, piece, frame.width(), frame.height());
    const SkinBorderStrips strips = ComposeSkinBorders(picture, piece, target);
    QPainter painter(&face);
    DrawEachExposedPart(painter, clip, [&](const QRect&) { DrawSkinBorders(painter, frame, strips); });
}

QImage TabStripBackground(const QRect& piece, const QImage& picture, const QSize& size)
{
    QImage strip = MakeSkinBitmap(size.width(), size.height(), SkinColorToQColor(clBtnFace).rgb());
    if (strip.isNull())
        return strip;
    TilePiece(strip, strip.rect(), picture, piece);
    return strip;
}

void PaintPlainPageControl(QImage& face, const PageControlPaint& paint)
{
    QPainter painter(&face);
    painter.fillRect(LogicalRect(face), SkinColorToQColor(clBtnFace));
    fallback::FrameRect(painter, paint.pageFrame.adjusted(-1, -1, 1, 1), SkinColorToQColor(clBtnShadow));
    painter.end();
    for (const TabPaintState& tab : paint.tabs)
        PaintTab(paint.look, face, {}, tab);
}

void PaintSkinPageControl(QImage& face, const PageControlPaint& paint)
{
    if (!paint.look.definition)
        return;
    const bool hasActive = paint.active >= 0 && paint.active < static_cast<int>(paint.tabs.size());
    const QRect activeArea = hasActive ? paint.tabs[static_cast<std::size_t>(paint.active)].rect : QRect();
    // The selected tab covers the frame and the strip, so it is drawn last and
    // nothing under it is drawn at all.
    const QRegion outsideActive = QRegion(LogicalRect(face)).subtracted(activeArea);
    PaintPageFrame(face, outsideActive, *paint.look.definition, paint.look.picture, paint.pageFrame);
    // The tabs take captions: their strip is drawn at the face's ratio.
    QImage strip = ScaleByWholePixels(paint.stripBackground, WholePixelRatio(face.devicePixelRatio()));
    for (std::size_t i = 0; i < paint.tabs.size(); ++i) {
        if (static_cast<int>(i) != paint.active)
            PaintTab(paint.look, strip, paint.band.topLeft(), paint.tabs[i]);
    }
    {
        QPainter painter(&face);
        painter.setClipRegion(outsideActive);
        painter.drawImage(paint.band.topLeft(), strip);
    }
    if (hasActive)
        PaintTab(paint.look, face, {}, paint.tabs[static_cast<std::size_t>(paint.active)]);
}

QSize TabCloseButtonSize(const TbsDataSkinTabControl* definition)
{
    constexpr int kPlainCell = 14;
    if (definition && !definition->closeButtonRect.IsEmpty())
        return { definition->closeButtonRect.Width(), definition->closeButtonRect.Height() };
    return { kPlainCell, kPlainCell };
}
