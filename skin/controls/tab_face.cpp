#include "skin/controls/tab_face.h"

#include "skin/data/control_definitions_tab.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/composition_mode.h"
#include "skin/draw/engine_bitmap.h"

#include <algorithm>

namespace {

const SkinRect& FirstNonEmpty(const SkinRect& preferred, const SkinRect& fallback)
{
    return preferred.IsEmpty() ? fallback : preferred;
}

} // namespace

TabPieces TakeTabPieces(const TbsDataSkinTabControl& definition)
{
    const SkinRect& active = FirstNonEmpty(definition.activeTabRect, definition.tabRect);
    const SkinRect& skin = definition.skinRect;
    // A crafted skin may write either rectangle anywhere in the int range;
    // a client piece that cannot lie in a picture is left empty.
    const SkinRect client = IsDrawable(definition.clientRect) && IsDrawable(skin)
        ? definition.clientRect.Translated(skin.left, skin.top)
        : SkinRect {};
    return { .tab = definition.tabRect.ToQRect(),
        .activeTab = active.ToQRect(),
        .focusTab = FirstNonEmpty(definition.focusTabRect, active).ToQRect(),
        .mouseInTab = definition.mouseInTabRect.ToQRect(),
        .closeButton = TakePartFaces(
            definition.closeButtonRect, definition.closeButtonActiveRect, definition.closeButtonDownRect),
        .clientPiece = client.ToQRect(),
        .stripPiece = FirstNonEmpty(definition.tabsBgRect, client).ToQRect() };
}

const QRect& TabFaceRect(const TabPieces& pieces, const TabLook& look)
{
    if (!look.active && look.mouseIn && !pieces.mouseInTab.isEmpty())
        return pieces.mouseInTab;
    if (look.active && look.focused)
        return pieces.focusTab;
    return look.active ? pieces.activeTab : pieces.tab;
}

SkinColor TabFontColor(const TbsDataSkinTabControl& definition, const TabLook& look)
{
    if (!look.active && look.mouseIn)
        return definition.mouseInFontColor;
    if (look.active && look.focused)
        return definition.focusFontColor;
    return look.active ? definition.activeFontColor : definition.fontColor;
}

QRect TabFocusMarkRect(const TbsDataSkinTabControl& definition, const TabPieces& pieces, const QSize& faceSize)
{
    constexpr int kInset = 3;
    const QRect face(QPoint(), faceSize);
    if (definition.showFocus)
        return face.adjusted(definition.focusOffsetX, definition.focusOffsetY, -definition.focusOffsetX,
            -definition.focusOffsetY);
    const bool ownFocusLook
        = pieces.focusTab != pieces.activeTab || definition.focusFontColor != definition.activeFontColor;
    return ownFocusLook ? QRect() : face.adjusted(kInset, kInset, -kInset, -kInset);
}

int ActiveTabGrowth(const TabPieces& pieces)
{
    return pieces.activeTab.height() - pieces.tab.height();
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
