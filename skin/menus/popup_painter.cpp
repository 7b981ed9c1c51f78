#include "skin/menus/popup_painter.h"

#include "skin/data/control_definitions_labels.h"
#include "skin/data/menu_item_definitions.h"
#include "skin/data/popup_window_definition.h"
#include "skin/draw/outline.h"
#include "skin/draw/whole_pixel_scaling.h"
#include "skin/draw/compose_skin_face.h"
#include "skin/draw/accelerator_text.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/glyphs.h"
#include "skin/menus/frame_menu_row_names.h"
#include "skin/draw/morph.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/skin_font.h"
#include "skin/draw/system_colors.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/popup_item_animation.h"

#include <QFontMetrics>
#include <QPainter>

#include <optional>

namespace {

// The plain look's highlighted row: a navy frame around a pale blue fill
// (0x00BBGGRR, as skin colours are kept).
constexpr SkinColor kPlainActiveFrame = clNavy;
constexpr SkinColor kPlainActiveFill = 0xD2BDB6;
// Room the plain rows keep right of the text for the submenu arrow.
constexpr int kPlainTextRightRoom = 19;
constexpr int kSkinTextRightRoom = 16;

// The rows of a frame's menus are told apart by name; those standing for a
// caption button show its glyph.
struct FrameRowGlyph {
    QLatin1StringView name;
    CaptionGlyph glyph;
};
constexpr FrameRowGlyph kFrameRowGlyphs[] = {
    { kFrameRowClose, CaptionGlyph::Close },
    { kTrayRowClose, CaptionGlyph::Close },
    { kFrameRowMinimize, CaptionGlyph::Minimize },
    { kFrameRowMaximize, CaptionGlyph::Maximize },
    { kFrameRowRestore, CaptionGlyph::Restore },
    { kTrayRowRestore, CaptionGlyph::Restore },
    { kFrameRowRollUp, CaptionGlyph::UpTriangle },
    { kFrameRowMinimizeToTray, CaptionGlyph::FlatRectangle },
};

std::optional<CaptionGlyph> FrameGlyphOf(const QString& name)
{
    for (const FrameRowGlyph& row : kFrameRowGlyphs) {
        if (name == row.name)
            return row.glyph;
    }
    return std::nullopt;
}

// The normal or highlighted row face of a skin at width; the skin height.
QImage SkinRowFace(const PopupLook& look, bool active, int width)
{
    const TbsDataSkinMenuItem& item = *look.item;
    QImage face;
    const QRect& rect = active ? look.itemPieces.activeFace : look.itemPieces.face;
    const bool stretch = active ? item.stretchEffect : item.inactiveStretchEffect;
    ComposeSkinImageHorz(face, look.itemPicture, rect, item.itemLeftOffset, item.itemRightOffset, width, stretch);
    return face;
}

// Everything a row draws over its face.
struct RowContent {
    const TbsMenuItem& item;
    QRect textRect;
    // Where an image or a mark is centred.
    QRect imageArea;
    int textLeft { 0 };
    int textRightRoom { 0 };
    QColor color;
    bool active { false };
};

// A skin's mark picture for a checked row, centred at centre; false when the
// skin has none.
bool DrawSkinMark(QImage& image, const PopupLook& look, const RowContent& row, const QPoint& centre)
{
    if (!look.item)
        return false;
    const PopupItemPieces& pieces = look.itemPieces;
    const QRect& mark = row.item.RadioItem() ? (row.active ? pieces.activeRadio : pieces.radio)
                                             : (row.active ? pieces.activeCheck : pieces.check);
    if (mark.isEmpty())
        return false;
    DrawPiece(image, QRect(centre - QPoint(mark.width() / 2, mark.height() / 2), mark.size()), look.itemPicture,
        mark);
    return true;
}

void DrawImageOrMark(QImage& image, const PopupLook& look, const RowContent& row)
{
    const TbsMenuItem& item = row.item;
    const QImage picture = item.Image();
    const QPoint centre = row.imageArea.center() + QPoint(1, 1);
    if (picture.isNull() && !FrameGlyphOf(item.Name()) && item.Checked() && DrawSkinMark(image, look, row, centre))
        return;
    QPainter painter(&image);
    if (!picture.isNull()) {
        const QRect place(centre - QPoint(picture.width() / 2, picture.height() / 2), picture.size());
        painter.drawImage(place.topLeft(), picture);
        if (item.Checked())
            DrawOutline(painter, place.adjusted(-1, -1, 1, 1), row.color);
    } else if (const std::optional<CaptionGlyph> glyph = FrameGlyphOf(item.Name())) {
        DrawCaptionGlyph(painter, *glyph, centre - QPoint(5, 5), row.color);
    } else if (item.Checked() && item.RadioItem()) {
        DrawRadioGlyph(painter, centre - QPoint(3, 3), row.color);
    } else if (item.Checked()) {
        DrawCheckGlyph(painter, centre - QPoint(4, 4), row.color);
    }
}

void DrawArrow(QImage& image, const PopupLook& look, const RowContent& row)
{
    const QRect& tr = row.textRect;
    if (look.item) {
        const QRect& arrow = row.active ? look.itemPieces.activeArrow : look.itemPieces.arrow;
        if (!arrow.isEmpty()) {
            const QRect area
                = RectFromEdges(tr.right() + 1 - arrow.width() - 5, tr.top(), tr.right() + 1, tr.bottom() + 1);
            const QRect place(
                area.center() - QPoint(arrow.width() / 2, arrow.height() / 2) + QPoint(1, 1), arrow.size());
            DrawPiece(image, place, look.itemPicture, arrow);
            return;
        }
    }
    QPainter painter(&image);
    DrawArrowGlyph(painter, QRect(tr.right() + 1 - 7, tr.top(), 1, tr.height()), ArrowDirection::Right, row.color);
}

// Caption, short cut, image or mark, and arrow.
void DrawRowContent(QImage& image, const PopupLook& look, const RowContent& row)
{
    const TbsMenuItem& item = row.item;
    {
        QPainter painter(&image);
        painter.setFont(look.font);
        painter.setPen(row.color);
        const QRect& tr = row.textRect;
        const QRect textArea = RectFromEdges(row.textLeft, tr.top(), tr.right() + 1 - row.textRightRoom, tr.bottom() + 1);
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine,
            item.Caption());
        const QString shortCut = MenuItemShortCutText(item.ShortCut());
        if (!shortCut.isEmpty())
            painter.drawText(textArea, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, shortCut);
    }
    DrawImageOrMark(image, look, row);
    if (item.Count() > 0)
        DrawArrow(image, look, row);
}

void DrawHeaderText(QImage& image, const QFont& font, const QColor& color, const QString& text)
{
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(LogicalRect(image), Qt::AlignCenter | Qt::TextSingleLine, text);
}

// A row its item draws itself, over the row's face, in the row's font and
// text colour.
void DrawOwnerRow(QImage& row, const QFont& font, const QColor& color, const TbsMenuItem& item, const QRect& textRect,
    bool active)
{
    QPainter painter(&row);
    painter.setFont(font);
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    item.OnDrawItem(painter, textRect, active);
}

QString HeaderText(const TbsMenuItem& item)
{
    return item.Caption().mid(1, item.Caption().size() - 2);
}

QImage SkinHeaderRow(const PopupLook& look, const TbsMenuItem& item, QSize size, int ratio)
{
    QImage row = ScaleByWholePixels(MakeSkinBitmap(size.width(), size.height()), ratio);
    const TbsDataSkinLabelControl& header = *look.header;
    const SkinPieceGeometry& piece = look.headerPiece;
    const QImage face = ComposeSkinFace(look.headerPicture, piece, CompositionModeOf(piece), piece.skinRect,
        size.width(), size.height());
    if (!face.isNull())
        DrawPiece(row, LogicalRect(row), face, face.rect());
    DrawHeaderText(row, SkinFont(header.fontName, header.fontHeight, header.fontStyle),
        SkinColorToQColor(header.fontColor), HeaderText(item));
    return row;
}

QImage SkinRow(const QImage& background, const PopupLook& look, const PopupMetrics& metrics,
    const TbsMenuItem& item, const QRect& rect, const PopupRowState& state, int ratio)
{
    const TbsDataSkinMenuItem& definition = *look.item;
    const PopupItemPieces& pieces = look.itemPieces;
    const int width = rect.width();
    if (item.IsSeparator()) {
        QImage row = MakeSkinBitmap(width, rect.height());
        if (look.itemDivider) {
            ComposeSkinImageHorz(row, look.itemPicture, pieces.divider, definition.dividerLeftOffset,
                definition.dividerRightOffset, width, definition.dividerStretchEffect);
        } else {
            DrawPiece(row, row.rect(), SkinRowFace(look, false, width), QRect(0, 0, width, metrics.itemHeight));
            QPainter(&row).fillRect(
                QRect(0, rect.height() / 2, width, 1), SkinColorToQColor(definition.unenabledFontColor));
        }
        return row;
    }
    if (item.IsHeader() && look.header)
        return SkinHeaderRow(look, item, rect.size(), ratio);

    QImage row;
    if (!state.active && definition.inactiveTransparent) {
        row = LogicalCopy(background, rect);
    } else {
        row = SkinRowFace(look, state.active, width);
    }
    const QRect animationFrame = look.itemAnimated
        ? MenuItemAnimationFrame(pieces.animationStrip, pieces.face.height(), definition.frameCount, state.frame)
        : QRect();
    if (!animationFrame.isEmpty()) {
        ComposeSkinImageHorz(row, look.itemPicture, animationFrame, definition.itemLeftOffset,
            definition.itemRightOffset, width, definition.stretchEffect);
    } else if (look.itemMorphing && state.morph > 0 && state.morph < 1) {
        row = SkinRowFace(look, false, width);
        Morph(row, SkinRowFace(look, true, width), state.morph, definition.morphKind);
    }
    // Text and marks are drawn at the window's ratio.
    row = ScaleByWholePixels(row, ratio);

    // The text rectangle follows the row's width; without an image rectangle
    // the image column sits at the text's left.
    const QRect textRect = pieces.text.adjusted(0, 0, width - pieces.face.width(), 0);
    if (item.OnDrawItem) {
        const SkinColor textColor = !item.Enabled() ? definition.unenabledFontColor
            : state.active                          ? definition.activeFontColor
                                                    : definition.fontColor;
        DrawOwnerRow(row, look.font, SkinColorToQColor(textColor), item, textRect, state.active);
        return row;
    }
    if (item.IsHeader()) {
        DrawHeaderText(row, look.font, SkinColorToQColor(definition.unenabledFontColor), HeaderText(item));
        return row;
    }
    const bool imageColumn = pieces.image.isEmpty();
    const int imageWidth = item.MenuImages().isEmpty() ? 16 : item.MenuImages().first().width();
    const int g = imageColumn ? imageWidth : 0;
    const QRect imageArea = imageColumn ? QRect(textRect.left() + 2, textRect.top(), imageWidth, textRect.height())
                                        : pieces.image;
    SkinColor color = state.active ? definition.activeFontColor : definition.fontColor;
    if (!item.Enabled())
        color = definition.unenabledFontColor;
    if (definition.useImageColor && item.Enabled())
        color = state.active ? definition.activeImageColor : definition.imageColor;
    const RowContent content { item, textRect, imageArea, textRect.left() + g, kSkinTextRightRoom,
        SkinColorToQColor(color), state.active };
    DrawRowContent(row, look, content);
    return row;
}

QImage PlainRow(const PopupMetrics& metrics, const PopupLook& look, const TbsMenuItem& item, const QRect& rect,
    const PopupRowState& state, int ratio)
{
    const int width = rect.width();
    const int height = rect.height();
    const int column = metrics.glyphWidth;
    QImage row = ScaleByWholePixels(MakeSkinBitmap(width, height, SkinColorToRgb(clWindow)), ratio);
    QPainter painter(&row);
    if (item.IsHeader()) {
        painter.fillRect(LogicalRect(row), SkinColorToQColor(clBtnShadow));
        painter.end();
        DrawHeaderText(row, look.font, SkinColorToQColor(clBtnHighlight), HeaderText(item));
        return row;
    }
    const bool active = state.active && !item.IsSeparator();
    if (active) {
        painter.fillRect(LogicalRect(row), SkinColorToQColor(kPlainActiveFill));
        DrawOutline(painter, LogicalRect(row), SkinColorToQColor(kPlainActiveFrame));
    } else {
        painter.fillRect(QRect(0, 0, column, height), SkinColorToQColor(clBtnFace));
    }
    if (item.IsSeparator()) {
        painter.fillRect(QRect(column, height / 2, width - column, 1), SkinColorToQColor(clBtnShadow));
        return row;
    }
    painter.end();
    const QRect textRect(2, 2, width - 4, height - 4);
    const QColor color = SkinColorToQColor(item.Enabled() ? clWindowText : clBtnShadow);
    if (item.OnDrawItem) {
        DrawOwnerRow(row, look.font, color, item, textRect, active);
        return row;
    }
    const RowContent content { item, textRect, QRect(textRect.left() + 2, textRect.top(), column - 4, textRect.height()),
        column + 4, kPlainTextRightRoom, color, active };
    DrawRowContent(row, look, content);
    return row;
}

} // namespace

SkinPieceGeometry PopupWindowPiece(const PopupLook& look, const PopupMetrics& metrics)
{
    SkinPieceGeometry piece = PopupPictureCuts(metrics);
    if (look.window)
        TakeStretchKeys(*look.window, piece);
    return piece;
}

SkinTargetGeometry PopupWindowTarget(const PopupFrame& frame, int width, int height)
{
    return { width, height, frame.leftTop, frame.rightTop, frame.leftBottom, frame.rightBottom, frame.itemsRect };
}

void PaintPopupWindow(QImage& image, const PopupLook& look, const PopupMetrics& metrics, const PopupFrame& frame,
    bool menuHasImages)
{
    if (look.window) {
        ComposeSkinImage(image, look.windowPicture, PopupWindowPiece(look, metrics),
            PopupWindowTarget(frame, LogicalSize(image).width(), LogicalSize(image).height()), true);
        return;
    }
    const int width = LogicalSize(image).width();
    const int height = LogicalSize(image).height();
    QPainter painter(&image);
    const int column = menuHasImages ? metrics.glyphWidth + 2 : 21;
    painter.fillRect(QRect(0, 0, column, height), SkinColorToQColor(clBtnFace));
    painter.fillRect(QRect(column, 0, width - column, height), SkinColorToQColor(clWindow));
    DrawOutline(painter, QRect(0, 0, width, height), SkinColorToQColor(clBtnShadow));
    DrawOutline(painter, QRect(1, 1, width - 2, height - 2), SkinColorToQColor(clWindow));
}

void PaintPopupRow(QImage& image, const QImage& background, const PopupLook& look, const PopupMetrics& metrics,
    const TbsMenuItem& item, const QRect& rect, const PopupRowState& state)
{
    if (rect.isEmpty())
        return;
    const int ratio = WholePixelRatio(image.devicePixelRatio());
    const QImage row = look.item ? SkinRow(background, look, metrics, item, rect, state, ratio)
                                 : PlainRow(metrics, look, item, rect, state, ratio);
    DrawPiece(image, rect, row, LogicalRect(row));
}

void PaintPopupRowGround(QImage& image, const QImage& background, const PopupLook& look,
    const PopupMetrics& metrics, const QRect& rect)
{
    if (rect.isEmpty())
        return;
    if (!look.item) {
        QPainter painter(&image);
        const int column = std::min(metrics.glyphWidth, rect.width());
        painter.fillRect(QRect(rect.left(), rect.top(), column, rect.height()), SkinColorToQColor(clBtnFace));
        painter.fillRect(rect.adjusted(column, 0, 0, 0), SkinColorToQColor(clWindow));
        return;
    }
    if (look.item->inactiveTransparent) {
        DrawPiece(image, rect, background, rect);
        return;
    }
    const QImage face = SkinRowFace(look, false, rect.width());
    DrawPiece(image, rect, face, face.rect());
}

void PaintScrollMarkers(QImage& image, const QImage& background, const PopupLook& look,
    const PopupMetrics& metrics, const PopupFrame& frame, PopupScrollCode scrolling)
{
    const QSize size = LogicalSize(image);
    const QRect top = TopScrollMarker(metrics, frame, size.width());
    const QRect bottom = BottomScrollMarker(metrics, frame, size.width(), size.height());
    PaintPopupRowGround(image, background, look, metrics, top);
    PaintPopupRowGround(image, background, look, metrics, bottom);
    const SkinColor idle = look.window ? look.window->scrollMarkerColor : clBtnShadow;
    const SkinColor busy = look.window ? look.window->scrollMarkerActiveColor : clBtnText;
    QPainter painter(&image);
    DrawArrowGlyph(
        painter, top, ArrowDirection::Up, SkinColorToQColor(scrolling == PopupScrollCode::Up ? busy : idle));
    DrawArrowGlyph(painter, bottom, ArrowDirection::Down,
        SkinColorToQColor(scrolling == PopupScrollCode::Down ? busy : idle));
}

int WidestMenuText(const PopupLook& look, const std::vector<const TbsMenuItem*>& items)
{
    const QFontMetrics metrics(look.font);
    int widest = 0;
    for (const TbsMenuItem* item : items) {
        QString text = WithoutAccelerator(item->Caption());
        const QString shortCut = MenuItemShortCutText(item->ShortCut());
        if (!shortCut.isEmpty())
            text += QStringLiteral("  ") + shortCut;
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    return widest;
}
