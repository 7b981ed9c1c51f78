#include "skin/controls/tab_face.h"

#include "skin/data/control_definitions_tab.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/engine_bitmap.h"

#include <algorithm>

SkinRect ActiveTabRect(const TbsDataSkinTabControl& definition)
{
    return definition.activeTabRect.IsEmpty() ? definition.tabRect : definition.activeTabRect;
}

SkinRect FocusTabRect(const TbsDataSkinTabControl& definition)
{
    return definition.focusTabRect.IsEmpty() ? ActiveTabRect(definition) : definition.focusTabRect;
}

SkinRect TabFaceRect(const TbsDataSkinTabControl& definition, const TabLook& look)
{
    if (!look.active && look.mouseIn && !definition.mouseInTabRect.IsEmpty())
        return definition.mouseInTabRect;
    if (look.active && look.focused)
        return FocusTabRect(definition);
    return look.active ? ActiveTabRect(definition) : definition.tabRect;
}

SkinColor TabFontColor(const TbsDataSkinTabControl& definition, const TabLook& look)
{
    if (!look.active && look.mouseIn)
        return definition.mouseInFontColor;
    if (look.active && look.focused)
        return definition.focusFontColor;
    return look.active ? definition.activeFontColor : definition.fontColor;
}

QRect TabFocusMarkRect(const TbsDataSkinTabControl& definition, const QSize& faceSize)
{
    constexpr int kInset = 3;
    const QRect face(QPoint(), faceSize);
    if (definition.showFocus)
        return face.adjusted(definition.focusOffsetX, definition.focusOffsetY, -definition.focusOffsetX,
            -definition.focusOffsetY);
    const bool ownFocusLook
        = FocusTabRect(definition) != ActiveTabRect(definition) || definition.focusFontColor != definition.activeFontColor;
    return ownFocusLook ? QRect() : face.adjusted(kInset, kInset, -kInset, -kInset);
}

int ActiveTabGrowth(const TbsDataSkinTabControl& definition)
{
    return ActiveTabRect(definition).Height() - definition.tabRect.Height();
}

QImage ComposeTabFace(const QImage& picture, const TbsDataSkinTabControl& definition, const QRect& faceRect,
    int width, int height, int tabHeight)
{
    QImage face = MakeSkinBitmap(width, height);
    if (faceRect.isEmpty() || picture.isNull())
        return face;
    if (tabHeight <= 0) {
        // The strip keeps the skin's height and only its top rows show.
        QRect shown = faceRect;
        shown.setHeight(std::min(faceRect.height(), height));
        QImage strip;
        ComposeSkinImageHorz(strip, picture, shown, definition.tabLeftOffset, definition.tabRightOffset, width,
            definition.tabStretchEffect);
        DrawPiece(face, strip.rect(), strip, strip.rect());
        return face;
    }
    const int band = tabHeight / 4;
    const QRect inner = RectFromEdges(
        definition.tabLeftOffset, band, faceRect.width() - definition.tabRightOffset, faceRect.height() - band);
    ComposeSkinImageStretched(face, picture, faceRect, inner, width, height, true);
    return face;
}
