// Buttons, check and radio boxes, panels, labels, the edit and the memo.
#include "art_shapes.h"
#include "control_art.h"

#include <QTransform>
#include <functional>

namespace {

constexpr QSize kButton(48, 24);
constexpr QSize kCheckImage(16, 16);
// The mark's box or circle, inset one pixel so that the cell's bottom-left
// pixel stays outside it and serves as the transparent key.
const QRectF kMarkShape(1, 1, 14, 14);
constexpr QSize kCheckFace(64, 24);
constexpr QSize kEdit(48, 22);
constexpr int kBoxSide = 40;

QImage ButtonFace(const SkinPalette& colors, QColor border, QColor fill)
{
    QImage face = art::NewCell(kButton.width(), kButton.height(), colors.surface);
    art::FillFramedBox(face, QRect(QPoint(0, 0), kButton), 4, border, fill);
    return face;
}

QImage FocusedButtonFace(const SkinPalette& colors)
{
    QImage face = ButtonFace(colors, colors.accent, colors.accentTintStrong);
    art::FillPath(face, art::RoundedPath(QRectF(2, 2, kButton.width() - 4, kButton.height() - 4), 2), colors.buttonFill);
    return face;
}

void AddButton(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    const QRect normal = sheet.Place(ButtonFace(colors, colors.border, colors.buttonFill));
    const QRect hover = sheet.Place(ButtonFace(colors, colors.accent, colors.buttonHoverFill));
    const QRect down = sheet.Place(ButtonFace(colors, colors.accentPressed, colors.accentTint));
    const QRect disabled = sheet.Place(ButtonFace(colors, colors.borderDisabled, colors.fillDisabled));
    const QRect focused = sheet.Place(FocusedButtonFace(colors));

    // Horizontal composition: the rounded ends stay, the uniform middle repeats.
    const PieceGeometry geometry { { 6, 12 }, { 42, 12 }, {}, {}, QRect(4, 3, 40, 18) };
    SetFont(AddPictureControl(ini, "button", "button", normal, geometry), 13)
        .SetColor("fontcolor", colors.text)
        .SetColor("activefontcolor", colors.accentText)
        .SetColor("downfontcolor", colors.accentText)
        .SetColor("disabledfontcolor", colors.textDisabled)
        .SetRect("activeskinrect", hover)
        .SetRect("downskinrect", down)
        .SetRect("focusedskinrect", focused)
        .SetRect("disabledskinrect", disabled)
        .SetBool("morphing", false)
        .Set("morphkind", "mkdefault")
        .Set("animateinterval", 25)
        .SetBool("showfocus", false);
}

// The marks of check and radio boxes, keyed so that only the mark itself is
// drawn over whatever lies under the box. The inner sign is painted in the
// colour given.
using MarkPainter = std::function<void(QImage&, QColor)>;

QImage Mark(const SkinPalette& colors, const QPainterPath& shape, QColor border, QColor fill,
    const MarkPainter& inner = {})
{
    QImage image = art::NewCell(kCheckImage.width(), kCheckImage.height(), colors.surface);
    art::FillPath(image, shape, border);
    if (border != fill) {
        // The same shape one pixel smaller on every side.
        const QPointF centre = kMarkShape.center();
        const qreal scale = (kMarkShape.width() - 2) / kMarkShape.width();
        const QPainterPath inside
            = QTransform().translate(centre.x(), centre.y()).scale(scale, scale).translate(-centre.x(), -centre.y()).map(shape);
        art::FillPath(image, inside, fill);
    }
    if (inner)
        inner(image, colors.onAccent);
    return art::KeyOutside(image, shape);
}

void CheckMark(QImage& image, QColor color)
{
    art::Stroke(image, { QPointF(4, 8.2), QPointF(6.8, 11), QPointF(12, 5.2) }, color, 1.7);
}

void GrayedMark(QImage& image, QColor color) { art::FillRect(image, QRect(4, 7, 8, 2), color); }

void RadioDot(QImage& image, QColor color)
{
    QPainterPath dot;
    dot.addEllipse(QRectF(5, 5, 6, 6));
    art::FillPath(image, dot, color);
}

struct MarkSet {
    QRect check, uncheck, activeCheck, activeUncheck, disabledCheck, disabledUncheck, grayed, activeGrayed;
};

MarkSet PlaceMarks(SpriteSheet& sheet, const SkinPalette& colors, const QPainterPath& shape, const MarkPainter& checked,
    const MarkPainter& grayed)
{
    const auto place = [&](QColor border, QColor fill, const MarkPainter& inner = {}) {
        return sheet.Place(Mark(colors, shape, border, fill, inner));
    };
    MarkSet marks;
    marks.check = place(colors.accent, colors.accent, checked);
    marks.uncheck = place(colors.textInactive, colors.field);
    marks.activeCheck = place(colors.accentHover, colors.accentHover, checked);
    marks.activeUncheck = place(colors.accent, colors.field);
    marks.disabledCheck = place(colors.glyphDisabled, colors.glyphDisabled, checked);
    marks.disabledUncheck = place(colors.borderDisabled, colors.fillDisabled);
    marks.grayed = place(colors.accent, colors.accent, grayed);
    marks.activeGrayed = place(colors.accentHover, colors.accentHover, grayed);
    return marks;
}

void AddCheckRadio(SkinIniWriter& ini, const SkinPalette& colors, const QString& name, const QRect& face,
    const QRect& activeFace, const MarkSet& marks)
{
    const PieceGeometry geometry { { 26, 12 }, { 58, 12 }, {}, {}, QRect(2, 2, 60, 20) };
    SetFont(AddPictureControl(ini, name, "checkradio", face, geometry), 12)
        .SetColor("fontcolor", colors.text)
        .SetColor("activefontcolor", colors.textStrong)
        .SetColor("unenabledfontcolor", colors.textDisabled)
        .SetColor("framefontcolor", colors.text)
        .SetRect("activeskinrect", activeFace)
        .SetRect("checkimagearea", QRect(3, 4, 16, 16))
        .SetRect("textarea", QRect(24, 2, 38, 20))
        .SetRect("checkimagerect", marks.check)
        .SetRect("uncheckimagerect", marks.uncheck)
        .SetRect("activecheckimagerect", marks.activeCheck)
        .SetRect("activeuncheckimagerect", marks.activeUncheck)
        .SetRect("unenabledcheckimagerect", marks.disabledCheck)
        .SetRect("unenableduncheckimagerect", marks.disabledUncheck)
        .SetRect("grayedcheckimagerect", marks.grayed)
        .SetRect("activegrayedcheckimagerect", marks.activeGrayed)
        .SetBool("morphing", false)
        .Set("morphkind", "mkdefault");
}

void AddCheckAndRadioBoxes(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    QImage face = art::NewCell(kCheckFace.width(), kCheckFace.height(), colors.surface);
    QImage activeFace = face;
    art::FillPath(activeFace, art::RoundedPath(QRectF(0, 0, kCheckFace.width(), kCheckFace.height()), 4),
        colors.hover);
    const QRect faceRect = sheet.Place(face);
    const QRect activeFaceRect = sheet.Place(activeFace);

    const MarkSet boxes = PlaceMarks(sheet, colors, art::RoundedPath(kMarkShape, 3), CheckMark, GrayedMark);
    QPainterPath circle;
    circle.addEllipse(kMarkShape);
    const MarkSet radios = PlaceMarks(sheet, colors, circle, RadioDot, GrayedMark);

    AddCheckRadio(ini, colors, "checkbox", faceRect, activeFaceRect, boxes);
    AddCheckRadio(ini, colors, "radiobox", faceRect, activeFaceRect, radios);
}

const PieceGeometry kBoxGeometry {
    { 3, 3 }, { kBoxSide - 3, 3 }, { 3, kBoxSide - 3 }, { kBoxSide - 3, kBoxSide - 3 }, QRect(1, 1, kBoxSide - 2, kBoxSide - 2)
};

void AddPanelAndLabels(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    // A light top edge and a hairline at the bottom set a tool strip apart
    // from what lies below it; its sides stay open.
    QImage panel = art::NewCell(kBoxSide, kBoxSide, colors.surface);
    art::FillRect(panel, QRect(0, 0, kBoxSide, 1), colors.bevelHighlight);
    art::FillRect(panel, QRect(0, kBoxSide - 1, kBoxSide, 1), colors.borderLight);
    const QRect panelRect = sheet.Place(panel);

    QImage label = art::NewCell(40, 20, colors.caption);
    art::FillRect(label, QRect(0, 19, 40, 1), colors.borderLight);
    const QRect labelRect = sheet.Place(label);

    SetFont(AddPictureControl(ini, "panel", "panel", panelRect, kBoxGeometry), 13)
        .Set("bgpictureindex", -1)
        .SetRect("captionrect", QRect())
        .Set("alignment", "taleftjustify")
        .SetColor("fontcolor", colors.text);

    SetFont(ini.AddControl("stdlabel", "stdlabel").Set("pictureindex", -1).Set("maskpictureindex", -1), 13)
        .SetColor("fontcolor", colors.labelText)
        .SetColor("activefontcolor", colors.accent);

    const PieceGeometry labelGeometry { { 4, 10 }, { 36, 10 }, {}, {}, QRect(4, 2, 32, 16) };
    SetFont(AddPictureControl(ini, "label", "label", labelRect, labelGeometry), 12, "fsbold")
        .SetColor("fontcolor", colors.textMuted);
}

QImage EditFace(const SkinPalette& colors, bool active)
{
    QImage face = art::NewCell(kEdit.width(), kEdit.height(), colors.surface);
    const QRect box(QPoint(0, 0), kEdit);
    if (!active) {
        art::FillFramedBox(face, box, 3, colors.border, colors.field);
        return face;
    }
    // The focus ring sits inside the box, so the text area does not move.
    art::FillFramedBox(face, box, 3, colors.accent, colors.accentTintStrong);
    art::FillPath(face, art::RoundedPath(QRectF(box.adjusted(2, 2, -2, -2)), 1), colors.field);
    return face;
}

QImage MemoFace(const SkinPalette& colors, QColor border)
{
    QImage face = art::NewCell(kBoxSide, kBoxSide, colors.field);
    art::FillFramedBox(face, QRect(0, 0, kBoxSide, kBoxSide), 3, border, colors.field);
    return face;
}

void AddEditAndMemo(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    const QRect edit = sheet.Place(EditFace(colors, false));
    const QRect activeEdit = sheet.Place(EditFace(colors, true));
    const QRect memo = sheet.Place(MemoFace(colors, colors.border));
    const QRect activeMemo = sheet.Place(MemoFace(colors, colors.accent));

    const PieceGeometry editGeometry { { 6, 11 }, { 42, 11 }, {}, {}, QRect(4, 3, 40, 16) };
    SetFont(AddPictureControl(ini, "edit", "edit", edit, editGeometry).SetRect("activeskinrect", activeEdit), 13)
        .SetColor("fontcolor", colors.textStrong)
        .SetColor("disabledfontcolor", colors.textDisabled)
        .SetColor("activefontcolor", colors.textStrong);

    const PieceGeometry memoGeometry { { 4, 4 }, { kBoxSide - 4, 4 }, { 4, kBoxSide - 4 }, { kBoxSide - 4, kBoxSide - 4 },
        QRect(2, 2, kBoxSide - 4, kBoxSide - 4) };
    SetFont(AddPictureControl(ini, "memo", "memo", memo, memoGeometry).SetRect("activeskinrect", activeMemo), 14)
        .SetColor("fontcolor", colors.textStrong)
        .SetColor("disabledfontcolor", colors.textDisabled)
        .SetColor("activefontcolor", colors.textStrong)
        .SetColor("bgcolor", colors.field)
        .SetColor("activebgcolor", colors.field);
}

} // namespace

void AddTextControls(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    AddButton(ini, sheet, colors);
    AddCheckAndRadioBoxes(ini, sheet, colors);
    AddPanelAndLabels(ini, sheet, colors);
    AddEditAndMemo(ini, sheet, colors);
}
