// The page control's frame and tabs, and the up-down that scrolls its tabs.
#include "art_palette.h"
#include "art_shapes.h"
#include "control_art.h"

namespace {

constexpr int kFrameSide = 40;
constexpr int kTabWidth = 64;
constexpr int kTabHeight = 24;
constexpr int kTabEnd = 6;

QImage PageFrame()
{
    QImage frame = art::NewCell(kFrameSide, kFrameSide, palette::kPageLine);
    art::FillRect(frame, QRect(1, 1, kFrameSide - 2, kFrameSide - 2), palette::kWhite);
    return frame;
}

QImage InactiveTab()
{
    QImage tab = art::NewCell(kTabWidth, kTabHeight, palette::kSurface);
    art::FillRect(tab, QRect(kTabWidth - 1, 6, 1, kTabHeight - 11), palette::kBorderLight);
    return tab;
}

QImage HoveredTab()
{
    QImage tab = art::NewCell(kTabWidth, kTabHeight, palette::kSurface);
    art::FillPath(tab, art::RoundedPath(QRectF(1, 3, kTabWidth - 2, kTabHeight - 3), 4, 0), palette::kHover);
    return tab;
}

// One pixel taller than the other tabs: its last row covers the page frame's
// top line, so the tab opens into its page.
QImage ActiveTab()
{
    const int height = kTabHeight + 1;
    QImage tab = art::NewCell(kTabWidth, height, palette::kSurface);
    art::FillPath(tab, art::RoundedPath(QRectF(0, 0, kTabWidth, height), 5, 0), palette::kPageLine);
    art::FillPath(tab, art::RoundedPath(QRectF(1, 1, kTabWidth - 2, height - 1), 4, 0), palette::kAccent);
    art::FillRect(tab, QRect(1, 3, kTabWidth - 2, height - 3), palette::kWhite);
    return tab;
}

void AddTab(SkinIniWriter& ini, SpriteSheet& sheet)
{
    const QRect frame = sheet.Place(PageFrame());
    const QRect tab = sheet.Place(InactiveTab());
    const QRect hovered = sheet.Place(HoveredTab());
    const QRect active = sheet.Place(ActiveTab());
    const QRect strip = sheet.Place(art::NewCell(16, 16, palette::kSurface));

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
        .SetColor("fontcolor", palette::kTextMuted)
        .SetColor("activefontcolor", palette::kTextStrong)
        .SetColor("focusfontcolor", palette::kTextStrong)
        .SetColor("mouseinfontcolor", palette::kText)
        .Set("updown", "hupdown")
        .SetBool("showfocus", false);
}

constexpr QSize kStepButton(18, 20);

QImage StepButton(art::Direction direction, QColor fill, QColor glyph)
{
    QImage button = art::NewCell(kStepButton.width(), kStepButton.height(), palette::kSurface);
    art::FillFramedBox(button, QRect(QPoint(0, 0), kStepButton), 3, palette::kBorder, fill);
    art::Chevron(button, QPointF(9, 10), direction, glyph);
    return button;
}

void AddUpDown(SkinIniWriter& ini, SpriteSheet& sheet)
{
    QImage face = art::NewCell(2 * kStepButton.width(), kStepButton.height(), palette::kSurface);
    art::FillFramedBox(face, QRect(QPoint(0, 0), face.size()), 3, palette::kBorder, palette::kWhite);
    art::FillRect(face, QRect(kStepButton.width(), 1, 1, kStepButton.height() - 2), palette::kBorderLight);
    art::Chevron(face, QPointF(9, 10), art::Direction::Left, palette::kTextMuted);
    art::Chevron(face, QPointF(27, 10), art::Direction::Right, palette::kTextMuted);

    using art::Direction;
    const QRect faceRect = sheet.Place(face);
    const QRect upHover = sheet.Place(StepButton(Direction::Right, palette::kHover, palette::kTextStrong));
    const QRect upDown = sheet.Place(StepButton(Direction::Right, palette::kPressed, palette::kTextStrong));
    const QRect downHover = sheet.Place(StepButton(Direction::Left, palette::kHover, palette::kTextStrong));
    const QRect downDown = sheet.Place(StepButton(Direction::Left, palette::kPressed, palette::kTextStrong));

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

void AddPageControls(SkinIniWriter& ini, SpriteSheet& sheet)
{
    AddTab(ini, sheet);
    AddUpDown(ini, sheet);
}
