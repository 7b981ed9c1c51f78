// The page control's frame and tabs, and the up-down that scrolls its tabs.
#include "art_shapes.h"
#include "control_art.h"

namespace {

constexpr int kFrameSide = 40;
constexpr int kTabWidth = 64;
constexpr int kTabHeight = 24;
constexpr int kTabEnd = 6;

QImage PageFrame(const SkinPalette& colors)
{
    QImage frame = art::NewCell(kFrameSide, kFrameSide, colors.pageLine);
    art::FillRect(frame, QRect(1, 1, kFrameSide - 2, kFrameSide - 2), colors.field);
    return frame;
}

QImage InactiveTab(const SkinPalette& colors)
{
    QImage tab = art::NewCell(kTabWidth, kTabHeight, colors.surface);
    art::FillRect(tab, QRect(kTabWidth - 1, 6, 1, kTabHeight - 11), colors.borderLight);
    return tab;
}

QImage HoveredTab(const SkinPalette& colors)
{
    QImage tab = art::NewCell(kTabWidth, kTabHeight, colors.surface);
    art::FillPath(tab, art::RoundedPath(QRectF(1, 3, kTabWidth - 2, kTabHeight - 3), 4, 0), colors.hover);
    return tab;
}

// One pixel taller than the other tabs: its last row covers the page frame's
// top line, so the tab opens into its page.
QImage ActiveTab(const SkinPalette& colors)
{
    const int height = kTabHeight + 1;
    QImage tab = art::NewCell(kTabWidth, height, colors.surface);
    art::FillPath(tab, art::RoundedPath(QRectF(0, 0, kTabWidth, height), 5, 0), colors.pageLine);
    art::FillPath(tab, art::RoundedPath(QRectF(1, 1, kTabWidth - 2, height - 1), 4, 0), colors.accent);
    art::FillRect(tab, QRect(1, 3, kTabWidth - 2, height - 3), colors.field);
    return tab;
}

void AddTab(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    const QRect frame = sheet.Place(PageFrame(colors));
    const QRect tab = sheet.Place(InactiveTab(colors));
    const QRect hovered = sheet.Place(HoveredTab(colors));
    const QRect active = sheet.Place(ActiveTab(colors));
    const QRect strip = sheet.Place(art::NewCell(16, 16, colors.surface));

    // The tab keys follow their own order, not that of the other picture
    // controls, so the section is written here in full.
    SetFont(ini.AddControl("tab", "tab")
                .Set("pictureindex", kControlsPicture)
                .Set("maskpictureindex", -1)
                .SetRect("skinrect", frame)
                .SetRect("tabrect", tab)
                .SetRect("activetabrect", active)
                .SetRect("focustabrect", active)
                .SetRect("mouseintabrect", hovered)
                .SetRect("clientrect", QRect(1, 1, kFrameSide - 2, kFrameSide - 2))
                .Set("bgpictureindex", -1)
                .SetPoint("lefttoppoint", { 3, 3 })
                .SetPoint("righttoppoint", { kFrameSide - 3, 3 })
                .SetPoint("leftbottompoint", { 3, kFrameSide - 3 })
                .SetPoint("rightbottompoint", { kFrameSide - 3, kFrameSide - 3 })
                .Set("tableftoffset", kTabEnd)
                .Set("tabrightoffset", kTabEnd)
                .SetRect("tabsbgrect", strip)
                .SetBool("tabstretcheffect", true)
                .SetBool("leftstretch", false)
                .SetBool("topstretch", false)
                .SetBool("rightstretch", false)
                .SetBool("bottomstretch", false)
                .SetBool("stretcheffect", false)
                .Set("stretchtype", "stfull"),
        13)
        .SetColor("fontcolor", colors.textMuted)
        .SetColor("activefontcolor", colors.textStrong)
        .SetColor("focusfontcolor", colors.textStrong)
        .SetColor("mouseinfontcolor", colors.text)
        .Set("updown", "hupdown")
        .SetBool("showfocus", false);
}

constexpr QSize kStepButton(18, 20);

QImage StepButton(const SkinPalette& colors, art::Direction direction, QColor fill, QColor glyph)
{
    QImage button = art::NewCell(kStepButton.width(), kStepButton.height(), colors.surface);
    art::FillFramedBox(button, QRect(QPoint(0, 0), kStepButton), 3, colors.border, fill);
    art::Chevron(button, QPointF(9, 10), direction, glyph);
    return button;
}

void AddUpDown(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    QImage face = art::NewCell(2 * kStepButton.width(), kStepButton.height(), colors.surface);
    art::FillFramedBox(face, QRect(QPoint(0, 0), face.size()), 3, colors.border, colors.buttonFill);
    art::FillRect(face, QRect(kStepButton.width(), 1, 1, kStepButton.height() - 2), colors.borderLight);
    art::Chevron(face, QPointF(9, 10), art::Direction::Left, colors.textMuted);
    art::Chevron(face, QPointF(27, 10), art::Direction::Right, colors.textMuted);

    using art::Direction;
    const QRect faceRect = sheet.Place(face);
    const QRect upHover = sheet.Place(StepButton(colors, Direction::Right, colors.hover, colors.textStrong));
    const QRect upDown = sheet.Place(StepButton(colors, Direction::Right, colors.pressed, colors.textStrong));
    const QRect downHover = sheet.Place(StepButton(colors, Direction::Left, colors.hover, colors.textStrong));
    const QRect downDown = sheet.Place(StepButton(colors, Direction::Left, colors.pressed, colors.textStrong));

    // No corner points: the up-down keeps the size of its face.
    const PieceGeometry geometry { {}, {}, {}, {}, QRect(1, 1, face.width() - 2, face.height() - 2) };
    AddPictureControl(ini, "hupdown", "updown", faceRect, geometry)
        .SetRect("upbuttonrect", QRect(QPoint(kStepButton.width(), 0), kStepButton))
        .SetRect("activeupbuttonrect", upHover)
        .SetRect("downupbuttonrect", upDown)
        .SetRect("downbuttonrect", QRect(QPoint(0, 0), kStepButton))
        .SetRect("activedownbuttonrect", downHover)
        .SetRect("downdownbuttonrect", downDown);
}

} // namespace

void AddPageControls(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    AddTab(ini, sheet, colors);
    AddUpDown(ini, sheet, colors);
}
