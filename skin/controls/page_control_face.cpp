#include "skin/controls/page_control.h"

#include "skin/controls/tab_face.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/control_definitions_buttons.h"
#include "skin/data/control_definitions_tab.h"
#include "skin/data/skin_data.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/system_colors.h"

// What the page control paints from: the definitions it takes at a skin
// change, and the look and the state it hands the tab painter.

bool TbsSkinPageControl::TakeDefinition(const TbsDataSkinControl* definition)
{
    // A skin without close button images lends the small tool button's faces.
    const TbsSkinData* const skinData = SkinData();
    const auto* tool = m_toolButton.Take(
        skinData ? skinData->FindControl<TbsDataSkinButtonControl>(QStringLiteral("resizetoolbutton")) : nullptr);
    if (tool)
        m_toolFaces = TakePartFaces(tool->skinRect, tool->activeSkinRect, tool->downSkinRect);
    const auto* kept = m_definition.Take(definition);
    if (kept)
        m_tabPieces = TakeTabPieces(*kept);
    return kept != nullptr;
}

void TbsSkinPageControl::CreateControlDefaultImage(QImage& image)
{
    PaintPlainPageControl(image, PaintState());
}

bool TbsSkinPageControl::DrawPageBackground(QImage& image) const
{
    const auto* definition = m_definition.get();
    if (!definition)
        return false;
    PaintPageBackground(image, *definition, m_tabPieces.clientPiece, SkinPicture(definition->pictureIndex),
        SkinPicture(definition->bgPictureIndex), size());
    return true;
}

void TbsSkinPageControl::CreateControlSkinImage(QImage& image)
{
    DrawPageBackground(image);
    PaintSkinPageControl(image, PaintState());
}

QImage TbsSkinPageControl::TabsBackground() const
{
    const auto& definition = *m_definition.get();
    const QRect band = TabsBand();
    if (!m_tabsBGTransparent)
        return TabStripBackground(m_tabPieces.stripPiece, SkinPicture(definition.pictureIndex), band.size());
    QImage strip = MakeSkinBitmap(band.width(), band.height(), SkinColorToQColor(clBtnFace).rgb());
    if (strip.isNull())
        return strip;
    QImage parent = MakeSkinBitmap(width(), height());
    DrawParentBackground(parent);
    DrawPiece(strip, strip.rect(), parent, band);
    return strip;
}

TabStripLook TbsSkinPageControl::StripLook() const
{
    const auto* definition = m_definition.get();
    const auto* tool = m_toolButton.get();
    return {
        .definition = definition,
        .pieces = m_tabPieces,
        .picture = definition ? SkinPicture(definition->pictureIndex) : QImage(),
        .toolButton = tool,
        .toolFaces = m_toolFaces,
        .toolPicture = tool ? SkinPicture(tool->pictureIndex) : QImage(),
        .position = m_tabPosition,
        .tabHeight = m_tabHeight,
        .thickness = IsHorizontalSide(m_tabPosition) ? height() : width(),
        .font = TabFont(),
        .defaultFontColor = m_defaultFontColor,
        .controlFocused = hasFocus(),
        .showCloseButtons = m_showCloseButtons,
        .closeButtonWidth = CloseButtonWidth(),
    };
}

PageControlPaint TbsSkinPageControl::PaintState() const
{
    PageControlPaint paint { .look = StripLook(), .tabs = {}, .active = VisibleIndexOfActivePage(),
        .pageFrame = PageFrame(), .band = TabsBand(), .stripBackground = {} };
    if (m_definition.get())
        paint.stripBackground = TabsBackground();
    const int count = VisibleTabCount();
    for (int i = 0; i < count; ++i) {
        const TbsSkinTabSheet* page = PageOfVisibleTab(i);
        paint.tabs.push_back({ .rect = TabFaceArea(i),
            .caption = page->Caption(),
            .active = page == m_activePage,
            .hot = i == m_hotTab,
            .closeButton = CloseButtonRect(i),
            .closeMouseIn = m_closeButtons.MouseIn(page),
            .closeDown = m_closeButtons.Down(page) });
    }
    return paint;
}
