#include "caption_button_art.h"

#include "art_palette.h"
#include "art_shapes.h"
#include "sprite_sheet.h"

#include <functional>

namespace {

constexpr QSize kCaptionButton(30, 22);
constexpr QSize kMenuBarButton(24, 18);
constexpr int kGlyphSize = 10;

// Glyphs are drawn in a 10 x 10 cell whose top-left is the origin given.
using Glyph = std::function<void(QImage&, QPoint, QColor)>;

void CloseGlyph(QImage& image, QPoint o, QColor color)
{
    art::Stroke(image, { o + QPointF(0.5, 0.5), o + QPointF(9.5, 9.5) }, color, 1.4);
    art::Stroke(image, { o + QPointF(9.5, 0.5), o + QPointF(0.5, 9.5) }, color, 1.4);
}

void OutlineBox(QImage& image, const QRect& box, QColor color)
{
    art::FillRect(image, QRect(box.left(), box.top(), box.width(), 1), color);
    art::FillRect(image, QRect(box.left(), box.bottom(), box.width(), 1), color);
    art::FillRect(image, QRect(box.left(), box.top(), 1, box.height()), color);
    art::FillRect(image, QRect(box.right(), box.top(), 1, box.height()), color);
}

void MaximizeGlyph(QImage& image, QPoint o, QColor color) { OutlineBox(image, QRect(o, QSize(10, 10)), color); }

void RestoreGlyph(QImage& image, QPoint o, QColor color)
{
    // The back window shows only where the front one does not cover it.
    art::FillRect(image, QRect(o + QPoint(2, 0), QSize(8, 1)), color);
    art::FillRect(image, QRect(o + QPoint(9, 0), QSize(1, 8)), color);
    art::FillRect(image, QRect(o + QPoint(2, 0), QSize(1, 2)), color);
    art::FillRect(image, QRect(o + QPoint(8, 7), QSize(2, 1)), color);
    OutlineBox(image, QRect(o + QPoint(0, 2), QSize(8, 8)), color);
}

void MinimizeGlyph(QImage& image, QPoint o, QColor color)
{
    art::FillRect(image, QRect(o + QPoint(0, 5), QSize(10, 1)), color);
}

void RollUpGlyph(QImage& image, QPoint o, QColor color)
{
    art::Stroke(image, { o + QPointF(1, 7), o + QPointF(5, 3), o + QPointF(9, 7) }, color, 1.4);
}

void RollDownGlyph(QImage& image, QPoint o, QColor color)
{
    art::Stroke(image, { o + QPointF(1, 3), o + QPointF(5, 7), o + QPointF(9, 3) }, color, 1.4);
}

void TrayGlyph(QImage& image, QPoint o, QColor color)
{
    art::Stroke(image, { o + QPointF(1.5, 1.5), o + QPointF(5, 5), o + QPointF(8.5, 1.5) }, color, 1.4);
    art::FillRect(image, QRect(o + QPoint(0, 9), QSize(10, 1)), color);
}

// The program's mark: an accent tile with three shuffled lines of text.
Glyph SystemMenuGlyph(const SkinPalette& colors)
{
    return [&colors](QImage& image, QPoint o, QColor color) {
        const bool dimmed = color == colors.glyphInactive || color == colors.glyphDisabled;
        const QColor tile = dimmed ? color : colors.accent;
        art::FillPath(image, art::RoundedPath(QRectF(o.x() - 2, o.y() - 2, 14, 14), 3), tile);
        art::FillRect(image, QRect(o + QPoint(1, 1), QSize(8, 2)), colors.onAccent);
        art::FillRect(image, QRect(o + QPoint(1, 4), QSize(5, 2)), colors.onAccent);
        art::FillRect(image, QRect(o + QPoint(1, 7), QSize(7, 2)), colors.onAccent);
    };
}

struct FaceStyle {
    QColor background;
    QColor glyph;
};

QImage ButtonFace(QSize size, QColor surface, const FaceStyle& style, const Glyph& glyph)
{
    QImage face = art::NewCell(size.width(), size.height(), surface);
    if (style.background != surface)
        art::FillPath(face, art::RoundedPath(QRectF(QPointF(0, 0), QSizeF(size)), 4), style.background);
    const QPoint origin((size.width() - kGlyphSize) / 2, (size.height() - kGlyphSize) / 2);
    glyph(face, origin, style.glyph);
    return face;
}

ButtonFaces PlaceFaces(SpriteSheet& sheet, const SkinPalette& colors, QSize size, QColor surface, const Glyph& glyph,
    bool danger = false)
{
    const FaceStyle normal { surface, colors.glyph };
    const FaceStyle hover = danger ? FaceStyle { colors.danger, colors.onAccent } : FaceStyle { colors.hover, colors.textStrong };
    const FaceStyle down = danger ? FaceStyle { colors.dangerPressed, colors.onAccent } : FaceStyle { colors.pressed, colors.textStrong };
    const FaceStyle inactive { surface, colors.glyphInactive };
    const FaceStyle disabled { surface, colors.glyphDisabled };
    ButtonFaces faces;
    faces.normal = sheet.Place(ButtonFace(size, surface, normal, glyph));
    faces.hover = sheet.Place(ButtonFace(size, surface, hover, glyph));
    faces.down = sheet.Place(ButtonFace(size, surface, down, glyph));
    faces.inactive = sheet.Place(ButtonFace(size, surface, inactive, glyph));
    faces.disabled = sheet.Place(ButtonFace(size, surface, disabled, glyph));
    sheet.NewRow();
    return faces;
}

IniSection& AddStdButton(SkinIniWriter& ini, const QString& name, const QString& type, const QString& hint,
    const QString& command, const ButtonFaces& faces)
{
    return ini.AddObject(name, type)
        .Set("hint", hint)
        .Set("activepictureindex", kButtonsPicture)
        .SetBool("skinrectinapicture", true)
        .SetRect("skinrect", faces.normal)
        .SetRect("activeskinrect", faces.hover)
        .SetRect("inactiveskinrect", faces.inactive)
        .SetBool("morphing", false)
        .SetRect("downrect", faces.down)
        .SetRect("disableskinrsect", faces.disabled)
        .Set("command", command);
}

void SetRestoreFaces(IniSection& section, const ButtonFaces& faces)
{
    section.SetRect("restorerect", faces.normal)
        .SetRect("restoreactiverect", faces.hover)
        .SetRect("restoredownrect", faces.down)
        .SetRect("restoreinactiverect", faces.inactive);
}

} // namespace

CaptionButtonArt DrawCaptionButtons(SkinPictures& pictures, const SkinPalette& colors)
{
    SpriteSheet sheet(5 * (kCaptionButton.width() + 2) + 2, colors.caption);
    CaptionButtonArt art;
    art.close = PlaceFaces(sheet, colors, kCaptionButton, colors.caption, CloseGlyph, true);
    art.maximize = PlaceFaces(sheet, colors, kCaptionButton, colors.caption, MaximizeGlyph);
    art.restore = PlaceFaces(sheet, colors, kCaptionButton, colors.caption, RestoreGlyph);
    art.minimize = PlaceFaces(sheet, colors, kCaptionButton, colors.caption, MinimizeGlyph);
    art.rollUp = PlaceFaces(sheet, colors, kCaptionButton, colors.caption, RollUpGlyph);
    art.rollDown = PlaceFaces(sheet, colors, kCaptionButton, colors.caption, RollDownGlyph);
    art.tray = PlaceFaces(sheet, colors, kCaptionButton, colors.caption, TrayGlyph);
    art.systemMenu = PlaceFaces(sheet, colors, kCaptionButton, colors.caption, SystemMenuGlyph(colors));
    // The menu bar lies on the client surface, not on the caption.
    art.menuBarClose = PlaceFaces(sheet, colors, kMenuBarButton, colors.surface, CloseGlyph);
    art.menuBarRestore = PlaceFaces(sheet, colors, kMenuBarButton, colors.surface, RestoreGlyph);
    art.menuBarMinimize = PlaceFaces(sheet, colors, kMenuBarButton, colors.surface, MinimizeGlyph);
    art.menuBarSystemMenu = PlaceFaces(sheet, colors, kMenuBarButton, colors.surface, SystemMenuGlyph(colors));
    pictures.active[kButtonsPicture] = sheet.Render();
    return art;
}

void AddCaptionButtonObjects(SkinIniWriter& ini, const CaptionButtonArt& art)
{
    AddStdButton(ini, "closebutton", "stdbutton", "Close", "cmclose", art.close);
    SetRestoreFaces(AddStdButton(ini, "maxbutton", "stdbutton", "Maximize", "cmmaximize", art.maximize), art.restore);
    SetRestoreFaces(AddStdButton(ini, "minbutton", "stdbutton", "Minimize", "cmminimize", art.minimize), art.restore);
    SetRestoreFaces(AddStdButton(ini, "rollupbutton", "stdbutton", "Roll Up", "cmrollup", art.rollUp), art.rollDown);
    AddStdButton(ini, "sysmenubutton", "stdbutton", "System menu", "cmsysmenu", art.systemMenu);
    AddStdButton(ini, "traybutton", "stdbutton", "Minimize to Tray", "cmminimizetotray", art.tray);
}

void AddMenuBarButtonObjects(SkinIniWriter& ini, const CaptionButtonArt& art)
{
    AddStdButton(ini, "menubarsysmenubutton", "mainmenubarbutton", "System menu", "cmsysmenu", art.menuBarSystemMenu);
    AddStdButton(ini, "menubarclosebutton", "mainmenubarbutton", "Close", "cmclose", art.menuBarClose);
    AddStdButton(ini, "menubarmaxbutton", "mainmenubarbutton", "Maximize", "cmmaximize", art.menuBarRestore);
    AddStdButton(ini, "menubarminbutton", "mainmenubarbutton", "Minimize", "cmminimize", art.menuBarMinimize);
}
