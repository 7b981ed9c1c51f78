#include "frame_art.h"

#include "art_shapes.h"

namespace {

// The frame picture is small: its corners hold everything that does not
// repeat, and the bands between the corner points are uniform, so any window
// size tiles them seamlessly.
constexpr int kWidth = 160;
constexpr int kHeight = 100;
constexpr int kBorder = 4;
constexpr int kCaptionHeight = 32;
constexpr qreal kTopRadius = 8;
constexpr qreal kBottomRadius = 6;

const QRect kClient(kBorder, kCaptionHeight, kWidth - 2 * kBorder, kHeight - kCaptionHeight - kBorder);
const QPoint kLeftTop(16, 40);
const QPoint kRightTop(kWidth - 16, 40);
const QPoint kLeftBottom(16, kHeight - 16);
const QPoint kRightBottom(kWidth - 16, kHeight - 16);

// The caption buttons are placed right to left from this row's right edge,
// at its top; 22 pixels high, they sit centred in the caption.
const QRect kCaptionRow(kBorder, 5, kWidth - kBorder - 6, 22);
const QRect kCaptionObject(kBorder, 1, kWidth - 2 * kBorder, kCaptionHeight - 2);

QPainterPath WindowShape()
{
    return art::RoundedPath(QRectF(0, 0, kWidth, kHeight), kTopRadius, kBottomRadius);
}

QImage FramePicture(const SkinPalette& colors)
{
    // Outside the shape the mask cuts the window away, so the outline colour
    // there keeps the edge pixels solid instead of blending with a colour
    // that never shows.
    QImage frame = art::NewCell(kWidth, kHeight, colors.windowOutline);
    art::FillPath(frame, art::RoundedPath(QRectF(1, 1, kWidth - 2, kHeight - 2), kTopRadius - 1, kBottomRadius - 1),
        colors.caption);
    art::FillRect(frame, QRect(1, kCaptionHeight - 1, kWidth - 2, 1), colors.captionLine);
    art::FillRect(frame, kClient, colors.surface);
    return frame;
}

} // namespace

void DrawFrame(SkinIniWriter& ini, SkinPictures& pictures, const SkinPalette& colors)
{
    pictures.frame = FramePicture(colors);
    pictures.frameMask = art::MaskOf(pictures.frame.size(), WindowShape());

    // The mask's rounded corners lie within 8 pixels of the top and within
    // the 4-pixel border at the bottom; everything inside this area is solid.
    const QRect maskArea(kBorder, 8, kWidth - 2 * kBorder, kHeight - 8 - kBorder);

    ini.Section("FORMINFO")
        .SetPoint("lefttoppoint", kLeftTop)
        .SetPoint("righttoppoint", kRightTop)
        .SetPoint("leftbottompoint", kLeftBottom)
        .SetPoint("rightbottompoint", kRightBottom)
        .SetRect("clientrect", kClient)
        .Set("bgpictureindex", -1)
        .Set("mdibgpictureindex", -1)
        .SetBool("leftstretch", false)
        .SetBool("rightstretch", false)
        .SetBool("topstretch", false)
        .SetBool("bottomstretch", false)
        .SetRect("maskrectarea", maskArea)
        .SetPoint("hittestlefttoppoint", QPoint(12, 12))
        .SetPoint("hittestrighttoppoint", QPoint(kWidth - 12, 12))
        .SetPoint("hittestleftbottompoint", QPoint(12, kHeight - 12))
        .SetPoint("hittestrightbottompoint", QPoint(kWidth - 12, kHeight - 12))
        .SetRect("buttonsrect", QRect())
        .SetRect("captionrect", kCaptionRow)
        .Set("buttonsoffset", 2)
        .SetBool("buttonsinleft", false)
        .SetBool("mainmenupopupup", false)
        .Set("borderwidth", kBorder)
        .Set("formminwidth", 320)
        .SetBool("autorenderinginactiveimage", false)
        .Set("inactiveeffect", "iebrightness");
}

void AddCaptionObject(SkinIniWriter& ini, const SkinPalette& colors)
{
    // Its rectangle reaches from the left corner area into the right one, so
    // it grows with the window; the layout then ends it at the buttons.
    ini.AddObject("caption", "caption")
        .Set("activepictureindex", -1)
        .SetBool("skinrectinapicture", false)
        .SetRect("skinrect", kCaptionObject)
        .SetRect("textrect", QRect(10, 0, kCaptionObject.width() - 14, kCaptionObject.height()))
        .Set("fontname", "Arial")
        .Set("fontheight", 15)
        .Set("fontstyle", "")
        // The inactive title is muted but still reads well on the caption.
        .SetColor("fontcolor", colors.textMuted)
        .SetColor("activefontcolor", colors.text)
        .Set("alignment", "taleftjustify")
        .SetBool("light", false)
        .SetBool("shadow", false)
        .SetBool("morphing", false);
}
