#include "menu_art.h"

#include "art_shapes.h"
#include "sprite_sheet.h"

namespace {

constexpr int kPopupSide = 48;
constexpr qreal kPopupRadius = 6;
constexpr QSize kHint(24, 20);
constexpr qreal kHintRadius = 4;

constexpr QSize kItem(100, 24);
constexpr int kItemEnd = 8;
constexpr QSize kBarItem(40, 22);
constexpr int kBarItemEnd = 5;

void SetCorners(IniSection& section, QPoint leftTop, QSize size)
{
    section.SetPoint("lefttoppoint", leftTop)
        .SetPoint("righttoppoint", { size.width() - leftTop.x(), leftTop.y() })
        .SetPoint("leftbottompoint", { leftTop.x(), size.height() - leftTop.y() })
        .SetPoint("rightbottompoint", { size.width() - leftTop.x(), size.height() - leftTop.y() });
}

void SetEdgeStretch(IniSection& section, bool stretch)
{
    section.SetBool("leftstretch", stretch)
        .SetBool("rightstretch", stretch)
        .SetBool("topstretch", stretch)
        .SetBool("bottomstretch", stretch);
}

QImage ItemFace(QColor background, QColor highlight)
{
    QImage face = art::NewCell(kItem.width(), kItem.height(), background);
    if (highlight != background)
        art::FillPath(face, art::RoundedPath(QRectF(4, 1, kItem.width() - 8, kItem.height() - 2), 4), highlight);
    return face;
}

QImage Glyph(QSize size, QColor background)
{
    return art::NewCell(size.width(), size.height(), background);
}

QImage CheckGlyph(QColor background, QColor mark)
{
    QImage glyph = Glyph({ 12, 12 }, background);
    art::Stroke(glyph, { QPointF(1.5, 6.2), QPointF(4.6, 9.3), QPointF(10.5, 3) }, mark, 1.7);
    return glyph;
}

QImage RadioGlyph(QColor background, QColor mark)
{
    QImage glyph = Glyph({ 12, 12 }, background);
    QPainterPath dot;
    dot.addEllipse(QRectF(3, 3, 6, 6));
    art::FillPath(glyph, dot, mark);
    return glyph;
}

QImage ArrowGlyph(QColor background, QColor color)
{
    QImage glyph = Glyph({ 8, 12 }, background);
    art::Chevron(glyph, QPointF(4, 6), art::Direction::Right, color);
    return glyph;
}

QImage BarItemFace(QColor background, QColor highlight)
{
    QImage face = art::NewCell(kBarItem.width(), kBarItem.height(), background);
    if (highlight != background)
        art::FillPath(face, art::RoundedPath(QRectF(1, 1, kBarItem.width() - 2, kBarItem.height() - 2), 4), highlight);
    return face;
}

} // namespace

void DrawPopupAndHintWindows(SkinIniWriter& ini, SkinPictures& pictures, const SkinPalette& colors)
{
    const QPainterPath popupShape = art::RoundedPath(QRectF(0, 0, kPopupSide, kPopupSide), kPopupRadius);
    QImage popup = art::NewCell(kPopupSide, kPopupSide, colors.border);
    art::FillPath(popup, art::RoundedPath(QRectF(1, 1, kPopupSide - 2, kPopupSide - 2), kPopupRadius - 1),
        colors.menu);
    pictures.active[kPopupPicture] = popup;
    pictures.active[kPopupMaskPicture] = art::MaskOf(popup.size(), popupShape);

    IniSection& popupSection = ini.Section("POPUPWINDOW")
                                   .Set("windowpictureindex", kPopupPicture)
                                   .Set("maskpictureindex", kPopupMaskPicture);
    SetCorners(popupSection, { 8, 8 }, popup.size());
    popupSection.SetRect("itemsrect", QRect(4, 4, kPopupSide - 8, kPopupSide - 8))
        .SetColor("scrollmarkercolor", colors.textInactive)
        .SetColor("scrollmarkeractivecolor", colors.accent);
    SetEdgeStretch(popupSection, false);
    popupSection.SetBool("stretcheffect", false).Set("stretchtype", "stfull");

    const QPainterPath hintShape = art::RoundedPath(QRectF(QPointF(0, 0), QSizeF(kHint)), kHintRadius);
    QImage hint = art::NewCell(kHint.width(), kHint.height(), colors.hintBackground);
    pictures.active[kHintPicture] = hint;
    pictures.active[kHintMaskPicture] = art::MaskOf(hint.size(), hintShape);

    IniSection& hintSection = ini.Section("HINTWINDOW")
                                  .Set("windowpictureindex", kHintPicture)
                                  .Set("maskpictureindex", kHintMaskPicture);
    SetCorners(hintSection, { 5, 5 }, kHint);
    hintSection.SetRect("clientrect", QRect(4, 3, kHint.width() - 8, kHint.height() - 6))
        .Set("fontname", "Arial")
        .Set("fontheight", 13)
        .Set("fontstyle", "")
        .SetColor("fontcolor", colors.hintText);
    SetEdgeStretch(hintSection, false);
    hintSection.SetBool("stretcheffect", false).Set("stretchtype", "stfull");
}

void DrawMenuItems(SkinIniWriter& ini, SkinPictures& pictures, const SkinPalette& colors)
{
    const QColor menu = colors.menu;
    SpriteSheet sheet(2 * (kItem.width() + 2) + 2, menu);
    const QRect item = sheet.Place(ItemFace(menu, menu));
    const QRect activeItem = sheet.Place(ItemFace(menu, colors.accentTint));
    QImage divider = art::NewCell(kItem.width(), 7, menu);
    art::FillRect(divider, QRect(kItemEnd, 3, kItem.width() - 2 * kItemEnd, 1), colors.borderLight);
    const QRect dividerRect = sheet.Place(divider);
    sheet.NewRow();
    const QRect check = sheet.Place(CheckGlyph(menu, colors.accent));
    const QRect activeCheck = sheet.Place(CheckGlyph(colors.accentTint, colors.accent));
    const QRect radio = sheet.Place(RadioGlyph(menu, colors.accent));
    const QRect activeRadio = sheet.Place(RadioGlyph(colors.accentTint, colors.accent));
    const QRect arrow = sheet.Place(ArrowGlyph(menu, colors.textMuted));
    const QRect activeArrow = sheet.Place(ArrowGlyph(colors.accentTint, colors.accentText));
    sheet.NewRow();
    const QRect barItem = sheet.Place(BarItemFace(colors.surface, colors.surface));
    const QRect activeBarItem = sheet.Place(BarItemFace(colors.surface, colors.hover));
    const QRect downBarItem = sheet.Place(BarItemFace(colors.surface, colors.accentTint));
    pictures.active[kMenuItemsPicture] = sheet.Render();

    ini.AddObject("menuitem", "menuitem")
        .Set("activepictureindex", kMenuItemsPicture)
        .SetBool("skinrectinapicture", true)
        .SetRect("skinrect", item)
        .SetRect("activeskinrect", activeItem)
        .SetBool("morphing", false)
        .Set("itemleftoffset", kItemEnd)
        .Set("itemrightoffset", kItemEnd)
        .SetRect("dividerrect", dividerRect)
        .Set("dividerleftoffset", kItemEnd)
        .Set("dividerrightoffset", kItemEnd)
        .SetRect("textrect", QRect(30, 0, kItem.width() - 30 - kItemEnd, kItem.height()))
        .SetRect("imagerect", QRect(8, 4, 16, 16))
        .Set("fontname", "Arial")
        .Set("fontheight", 13)
        .Set("fontstyle", "")
        .SetColor("fontcolor", colors.text)
        .SetColor("activefontcolor", colors.accentText)
        .SetColor("unenabledfontcolor", colors.textDisabled)
        .SetBool("stretcheffect", true)
        .SetBool("inactivestretcheffect", true)
        .SetBool("dividerstretcheffect", true)
        .SetBool("useimagecolor", false)
        .SetBool("inactivetransparent", false)
        .SetRect("checkimagerect", check)
        .SetRect("activecheckimagerect", activeCheck)
        .SetRect("radioimagerect", radio)
        .SetRect("activeradioimagerect", activeRadio)
        .SetRect("arrowimagerect", arrow)
        .SetRect("activearrowimagerect", activeArrow);

    ini.AddObject("mainmenubaritem", "mainmenubaritem")
        .Set("activepictureindex", kMenuItemsPicture)
        .SetBool("skinrectinapicture", true)
        .SetRect("skinrect", barItem)
        .SetRect("activeskinrect", activeBarItem)
        .SetBool("morphing", false)
        .Set("itemleftoffset", kBarItemEnd)
        .Set("itemrightoffset", kBarItemEnd)
        .SetRect("downrect", downBarItem)
        .SetRect("textrect", QRect(kBarItemEnd, 0, kBarItem.width() - 2 * kBarItemEnd, kBarItem.height()))
        .Set("fontname", "Arial")
        .Set("fontheight", 13)
        .Set("fontstyle", "")
        .SetColor("fontcolor", colors.text)
        .SetColor("activefontcolor", colors.textStrong)
        .SetColor("downfontcolor", colors.accentText)
        .SetColor("unenabledfontcolor", colors.textDisabled)
        .SetBool("stretcheffect", true);
}
