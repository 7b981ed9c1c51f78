// Buttons, check and radio boxes, panels, labels, the edit and the memo.
#include "art_palette.h"
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

QImage ButtonFace(QColor border, QColor fill)
{
    QImage face = art::NewCell(kButton.width(), kButton.height(), palette::kSurface);
    art::FillFramedBox(face, QRect(QPoint(0, 0), kButton), 4, border, fill);
    return face;
}

QImage FocusedButtonFace()
{
    QImage face = ButtonFace(palette::kAccent, palette::kAccentTintStrong);
    art::FillPath(face, art::RoundedPath(QRectF(2, 2, kButton.width() - 4, kButton.height() - 4), 2), palette::kWhite);
    return face;
}

void AddButton(SkinIniWriter& ini, SpriteSheet& sheet)
{
    const QRect normal = sheet.Place(ButtonFace(palette::kBorder, palette::kWhite));
    const QRect hover = sheet.Place(ButtonFace(palette::kAccent, QColor(0xF3, 0xF7, 0xFE)));
    const QRect down = sheet.Place(ButtonFace(palette::kAccentPressed, palette::kAccentTint));
    const QRect disabled = sheet.Place(ButtonFace(palette::kBorderDisabled, palette::kFillDisabled));
    const QRect focused = sheet.Place(FocusedButtonFace());

    // Horizontal composition: the rounded ends stay, the uniform middle repeats.
    const PieceGeometry geometry { { 6, 12 }, { 42, 12 }, {}, {}, QRect(4, 3, 40, 18) };
    SetFont(AddPictureControl(ini, "button", "button", normal, geometry), 13)
        .SetColor("fontcolor", palette::kText)
        .SetColor("activefontcolor", palette::kAccentText)
        .SetColor("downfontcolor", palette::kAccentText)
        .SetColor("disabledfontcolor", palette::kTextDisabled)
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
// drawn over whatever lies under the box.
using MarkPainter = std::function<void(QImage&)>;

QImage Mark(const QPainterPath& shape, QColor border, QColor fill, const MarkPainter& inner = {})
{
    QImage image = art::NewCell(kCheckImage.width(), kCheckImage.height(), palette::kSurface);
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
        inner(image);
    return art::KeyOutside(image, shape);
}

void CheckMark(QImage& image)
{
    art::Stroke(image, { QPointF(4, 8.2), QPointF(6.8, 11), QPointF(12, 5.2) }, palette::kWhite, 1.7);
}

void GrayedMark(QImage& image) { art::FillRect(image, QRect(4, 7, 8, 2), palette::kWhite); }

void RadioDot(QImage& image)
{
    QPainterPath dot;
    dot.addEllipse(QRectF(5, 5, 6, 6));
    art::FillPath(image, dot, palette::kWhite);
}

struct MarkSet {
    QRect check, uncheck, activeCheck, activeUncheck, disabledCheck, disabledUncheck, grayed, activeGrayed;
};

MarkSet PlaceMarks(SpriteSheet& sheet, const QPainterPath& shape, const MarkPainter& checked, const MarkPainter& grayed)
{
    using namespace palette;
    MarkSet marks;
    marks.check = sheet.Place(Mark(shape, kAccent, kAccent, checked));
    marks.uncheck = sheet.Place(Mark(shape, kTextInactive, kWhite));
    marks.activeCheck = sheet.Place(Mark(shape, kAccentHover, kAccentHover, checked));
    marks.activeUncheck = sheet.Place(Mark(shape, kAccent, kWhite));
    marks.disabledCheck = sheet.Place(Mark(shape, kGlyphDisabled, kGlyphDisabled, checked));
    marks.disabledUncheck = sheet.Place(Mark(shape, kBorderDisabled, kFillDisabled));
    marks.grayed = sheet.Place(Mark(shape, kAccent, kAccent, grayed));
    marks.activeGrayed = sheet.Place(Mark(shape, kAccentHover, kAccentHover, grayed));
    return marks;
}

void AddCheckRadio(SkinIniWriter& ini, const QString& name, const QRect& face, const QRect& activeFace,
    const MarkSet& marks)
{
    const PieceGeometry geometry { { 26, 12 }, { 58, 12 }, {}, {}, QRect(2, 2, 60, 20) };
    SetFont(AddPictureControl(ini, name, "checkradio", face, geometry), 12)
        .SetColor("fontcolor", palette::kText)
        .SetColor("activefontcolor", palette::kTextStrong)
        .SetColor("unenabledfontcolor", palette::kTextDisabled)
        .SetColor("framefontcolor", palette::kText)
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

void AddCheckAndRadioBoxes(SkinIniWriter& ini, SpriteSheet& sheet)
{
    QImage face = art::NewCell(kCheckFace.width(), kCheckFace.height(), palette::kSurface);
    QImage activeFace = face;
    art::FillPath(activeFace, art::RoundedPath(QRectF(0, 0, kCheckFace.width(), kCheckFace.height()), 4),
        palette::kHover);
    const QRect faceRect = sheet.Place(face);
    const QRect activeFaceRect = sheet.Place(activeFace);

    const MarkSet boxes = PlaceMarks(sheet, art::RoundedPath(kMarkShape, 3), CheckMark, GrayedMark);
    QPainterPath circle;
    circle.addEllipse(kMarkShape);
    const MarkSet radios = PlaceMarks(sheet, circle, RadioDot, GrayedMark);

    AddCheckRadio(ini, "checkbox", faceRect, activeFaceRect, boxes);
    AddCheckRadio(ini, "radiobox", faceRect, activeFaceRect, radios);
}

const PieceGeometry kBoxGeometry {
    { 3, 3 }, { kBoxSide - 3, 3 }, { 3, kBoxSide - 3 }, { kBoxSide - 3, kBoxSide - 3 }, QRect(1, 1, kBoxSide - 2, kBoxSide - 2)
};

void AddPanelAndLabels(SkinIniWriter& ini, SpriteSheet& sheet)
{
    // A light top edge and a hairline at the bottom set a tool strip apart
    // from what lies below it; its sides stay open.
    QImage panel = art::NewCell(kBoxSide, kBoxSide, palette::kSurface);
    art::FillRect(panel, QRect(0, 0, kBoxSide, 1), palette::kWhite);
    art::FillRect(panel, QRect(0, kBoxSide - 1, kBoxSide, 1), palette::kBorderLight);
    const QRect panelRect = sheet.Place(panel);

    QImage label = art::NewCell(40, 20, palette::kCaption);
    art::FillRect(label, QRect(0, 19, 40, 1), palette::kBorderLight);
    const QRect labelRect = sheet.Place(label);

    SetFont(AddPictureControl(ini, "panel", "panel", panelRect, kBoxGeometry), 13)
        .Set("bgpictureindex", -1)
        .SetRect("captionrect", QRect())
        .Set("alignment", "taleftjustify")
        .SetColor("fontcolor", palette::kText);

    SetFont(ini.AddControl("stdlabel", "stdlabel").Set("pictureindex", -1).Set("maskpictureindex", -1), 13)
        .SetColor("fontcolor", QColor(0x37, 0x41, 0x51))
        .SetColor("activefontcolor", palette::kAccent);

    const PieceGeometry labelGeometry { { 4, 10 }, { 36, 10 }, {}, {}, QRect(4, 2, 32, 16) };
    SetFont(AddPictureControl(ini, "label", "label", labelRect, labelGeometry), 12, "fsbold")
        .SetColor("fontcolor", palette::kTextMuted);
}

QImage EditFace(QColor background, bool active)
{
    QImage face = art::NewCell(kEdit.width(), kEdit.height(), background);
    const QRect box(QPoint(0, 0), kEdit);
    if (!active) {
        art::FillFramedBox(face, box, 3, palette::kBorder, palette::kWhite);
        return face;
    }
    // The focus ring sits inside the box, so the text area does not move.
    art::FillFramedBox(face, box, 3, palette::kAccent, palette::kAccentTintStrong);
    art::FillPath(face, art::RoundedPath(QRectF(box.adjusted(2, 2, -2, -2)), 1), palette::kWhite);
    return face;
}

QImage MemoFace(QColor border)
{
    QImage face = art::NewCell(kBoxSide, kBoxSide, palette::kWhite);
    art::FillFramedBox(face, QRect(0, 0, kBoxSide, kBoxSide), 3, border, palette::kWhite);
    return face;
}

void AddEditAndMemo(SkinIniWriter& ini, SpriteSheet& sheet)
{
    const QRect edit = sheet.Place(EditFace(palette::kSurface, false));
    const QRect activeEdit = sheet.Place(EditFace(palette::kSurface, true));
    const QRect memo = sheet.Place(MemoFace(palette::kBorder));
    const QRect activeMemo = sheet.Place(MemoFace(palette::kAccent));

    const PieceGeometry editGeometry { { 6, 11 }, { 42, 11 }, {}, {}, QRect(4, 3, 40, 16) };
    SetFont(AddPictureControl(ini, "edit", "edit", edit, editGeometry).SetRect("activeskinrect", activeEdit), 13)
        .SetColor("fontcolor", palette::kTextStrong)
        .SetColor("disabledfontcolor", palette::kTextDisabled)
        .SetColor("activefontcolor", palette::kTextStrong);

    const PieceGeometry memoGeometry { { 4, 4 }, { kBoxSide - 4, 4 }, { 4, kBoxSide - 4 }, { kBoxSide - 4, kBoxSide - 4 },
        QRect(2, 2, kBoxSide - 4, kBoxSide - 4) };
    SetFont(AddPictureControl(ini, "memo", "memo", memo, memoGeometry).SetRect("activeskinrect", activeMemo), 14)
        .SetColor("fontcolor", palette::kTextStrong)
        .SetColor("disabledfontcolor", palette::kTextDisabled)
        .SetColor("activefontcolor", palette::kTextStrong)
        .SetColor("bgcolor", palette::kWhite)
        .SetColor("activebgcolor", palette::kWhite);
}

} // namespace

void AddTextControls(SkinIniWriter& ini, SpriteSheet& sheet)
{
    AddButton(ini, sheet);
    AddCheckAndRadioBoxes(ini, sheet);
    AddPanelAndLabels(ini, sheet);
    AddEditAndMemo(ini, sheet);
}
