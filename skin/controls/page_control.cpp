#include "skin/controls/page_control.h"

#include "skin/controls/fallback_drawing.h"
#include "skin/controls/plain_look_colors.h"
#include "skin/draw/whole_pixel_scaling.h"
#include "skin/draw/skin_font.h"
#include "skin/controls/skin_up_down.h"
#include "skin/draw/system_colors.h"
#include "skin/controls/tab_face.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/control_definitions_buttons.h"
#include "skin/data/control_definitions_tab.h"
#include "skin/data/skin_data.h"
#include "skin/draw/compose_skin_face.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/exposed_parts.h"
#include "skin/draw/image_turns.h"
#include "skin/draw/keyed_copy.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>

namespace {

// A tab is its caption with this much room on either side, plus the room the
// tabs keep for an image.
constexpr int kTabPaddingX = 6;
constexpr int kImageWidth = 1;
constexpr int kImageGap = 3;
// The close button's cell, and the room it keeps from the tab's right end.
constexpr int kCloseButtonSize = 14;
constexpr int kCloseButtonGap = 2;
// A skinned tab keeps this much more room between its caption and the button.
constexpr int kSkinCloseButtonGap = 3;
// Inactive captions sit this much nearer the page when the selected tab is
// taller.
constexpr int kInactiveCaptionDrop = 2;

} // namespace

TbsSkinPageControl::TbsSkinPageControl(QWidget* parent)
    : TbsSkinCustomControl(parent)
    , m_defaultFontColor(clBtnText)
{
    SetSkinDataName(QStringLiteral("tab"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(289, 193);
}

TbsSkinPageControl::~TbsSkinPageControl()
{
    // The pages are destroyed with the children, after this part of the control.
    for (TbsSkinTabSheet* page : m_pages)
        page->m_pageControl = nullptr;
}

TbsSkinTabSheet* TbsSkinPageControl::Pages(int index) const
{
    if (index < 0 || index >= PageCount())
        return nullptr;
    return m_pages[static_cast<std::size_t>(index)];
}

int TbsSkinPageControl::IndexOfPage(const TbsSkinTabSheet* page) const
{
    const auto found = std::find(m_pages.begin(), m_pages.end(), page);
    return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

void TbsSkinPageControl::InsertPage(TbsSkinTabSheet* page)
{
    m_pages.push_back(page);
    // The mouse moving from a tab into the page leaves the tabs.
    page->installEventFilter(this);
    if (!m_activePage)
        SetActivePage(page);
    TabsChanged();
}

void TbsSkinPageControl::RemovePage(TbsSkinTabSheet* page)
{
    const int index = IndexOfPage(page);
    if (index == -1)
        return;
    m_pages.erase(m_pages.begin() + index);
    if (m_activePage == page)
        m_activePage = nullptr;
    m_hotTab = -1;
    TabsChanged();
}

void TbsSkinPageControl::SetActivePage(TbsSkinTabSheet* page)
{
    if (page && IndexOfPage(page) == -1)
        return;
    if (page == m_activePage)
        return;
    TbsSkinTabSheet* previous = m_activePage;
    m_activePage = page;
    if (page) {
        page->setGeometry(PageArea());
        page->show();
        page->raise();
    }
    if (previous)
        previous->hide();
    ShowTab(VisibleIndexOfActivePage());
    update();
    QAccessibleEvent selection(this, QAccessible::Selection);
    if (const int tab = VisibleIndexOfActivePage(); tab >= 0)
        selection.setChild(tab);
    QAccessible::updateAccessibility(&selection);
    if (hasFocus())
        ReportFocusedTab();
}

void TbsSkinPageControl::ReportFocusedTab()
{
    // The focus follows the selected tab, as it does in a tab bar.
    const int tab = VisibleIndexOfActivePage();
    if (tab < 0)
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(tab);
    QAccessible::updateAccessibility(&focus);
}

void TbsSkinPageControl::SetActivePageIndex(int index)
{
    SetActivePage(Pages(index));
}

void TbsSkinPageControl::SetTabHeight(int height)
{
    m_tabHeight = height;
    TabsChanged();
}

void TbsSkinPageControl::SetTabWidth(int width)
{
    m_tabWidth = width;
    TabsChanged();
}

void TbsSkinPageControl::SetTabPosition(TbsTabPosition position)
{
    m_tabPosition = position;
    TabsChanged();
}

void TbsSkinPageControl::SetDefaultItemHeight(int height)
{
    m_defaultItemHeight = height;
    TabsChanged();
}

int TbsSkinPageControl::ItemHeight() const
{
    if (m_tabHeight > 0)
        return m_tabHeight;
    if (const auto* definition = m_definition.get())
        return definition->tabRect.Height();
    return m_defaultItemHeight;
}

void TbsSkinPageControl::SetTabsBGTransparent(bool transparent)
{
    m_tabsBGTransparent = transparent;
    update();
}

bool TbsSkinPageControl::TakeDefinition(const TbsDataSkinControl* definition)
{
    // A skin without close button images lends the small tool button's faces.
    const TbsSkinData* const skinData = SkinData();
    m_toolButton.Take(skinData ? skinData->FindControl<TbsDataSkinButtonControl>(QStringLiteral("resizetoolbutton")) : nullptr);
    return m_definition.Take(definition) != nullptr;
}

void TbsSkinPageControl::CalcSize(int&, int&)
{
}

void TbsSkinPageControl::ParentBackgroundChanged()
{
    if (m_tabsBGTransparent)
        update();
}

QFont TbsSkinPageControl::TabFont() const
{
    return ControlFont(m_definition.get());
}

void TbsSkinPageControl::SetDefaultFontColor(SkinColor color)
{
    m_defaultFontColor = color;
    update();
}

void TbsSkinPageControl::DefaultFontChanged()
{
    TabsChanged();
}

void TbsSkinPageControl::ChangeSkinData()
{
    GetSkinData();
    SetControlRegion();
    if (m_scroller)
        BindTabScroller();
    TabsChanged();
    // The pages paint the skin's background.
    for (TbsSkinTabSheet* page : m_pages)
        page->update();
}

void TbsSkinPageControl::TabsChanged()
{
    UpdateTabLayout();
    PlacePages();
    update();
}

void TbsSkinPageControl::UpdateTabLayout()
{
    m_tabPages.clear();
    m_tabLengths.clear();
    for (TbsSkinTabSheet* page : m_pages) {
        if (!page->TabVisible())
            continue;
        m_tabPages.push_back(page);
        m_tabLengths.push_back(TabWidthFor(*page));
    }
    if (m_hotTab >= VisibleTabCount())
        m_hotTab = -1;
    UpdateTabScroller();
    PlaceTabs();
}

TbsSkinUpDown* TbsSkinPageControl::TabScroller() const
{
    return m_scroller;
}

int TbsSkinPageControl::TabRoom() const
{
    const int length = IsHorizontalSide(m_tabPosition) ? width() : height();
    return length - 2 * m_defaultItemHeight - 3;
}

void TbsSkinPageControl::UpdateTabScroller()
{
    const int overflow = IsHorizontalSide(m_tabPosition) ? TabsToScrollOut(m_tabLengths, TabRoom()) : 0;
    if (overflow == 0) {
        // Freed later: a walk over the form's controls may hold it still.
        if (m_scroller) {
            m_scroller->hide();
            m_scroller->deleteLater();
            m_scroller = nullptr;
        }
        m_scrolled = 0;
        return;
    }
    if (!m_scroller) {
        m_scroller = new TbsSkinUpDown(this);
        m_scroller->resize(2 * m_defaultItemHeight, m_defaultItemHeight);
        BindTabScroller();
        connect(m_scroller, &TbsSkinUpDown::OnChange, this, &TbsSkinPageControl::TabScrollerMoved);
        m_scroller->show();
    }
    m_scrolled = std::min(m_scrolled, overflow);
    const QSignalBlocker quiet(m_scroller);
    m_scroller->SetRange(0, overflow);
    m_scroller->SetPosition(m_scrolled);
    const int top = m_tabPosition == tpTop ? 0 : height() - m_scroller->height();
    m_scroller->move(width() - m_scroller->width(), top);
    m_scroller->raise();
}

void TbsSkinPageControl::BindTabScroller()
{
    const auto* definition = m_definition.get();
    m_scroller->SetSkinDataName(definition ? definition->upDown : QString());
    m_scroller->SetSkinData(SkinData());
}

void TbsSkinPageControl::PlaceTabs()
{
    m_tabRects = LayoutTabs(m_tabPosition, size(), ItemHeight(), m_tabLengths, m_scrolled);
}

void TbsSkinPageControl::TabScrollerMoved()
{
    m_scrolled = m_scroller ? m_scroller->Position() : 0;
    PlaceTabs();
    SetHotTab(-1);
    update();
}

void TbsSkinPageControl::ShowTab(int visibleIndex)
{
    if (!m_scroller || visibleIndex < 0 || visibleIndex >= VisibleTabCount())
        return;
    int first = std::min(m_scrolled, visibleIndex);
    const auto end = [this, visibleIndex](int from) {
        qint64 length = 0;
        for (int i = from; i <= visibleIndex; ++i)
            length += m_tabLengths[static_cast<std::size_t>(i)];
        return length;
    };
    while (first < m_scroller->Max() && end(first) > TabRoom())
        ++first;
    m_scroller->SetPosition(first);
}

void TbsSkinPageControl::PlacePages()
{
    const QRect area = PageArea();
    for (TbsSkinTabSheet* page : m_pages)
        page->setGeometry(area);
}

void TbsSkinPageControl::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomControl::resizeEvent(event);
    UpdateTabLayout();
    PlacePages();
}

int TbsSkinPageControl::TabWidthFor(const TbsSkinTabSheet& page) const
{
    if (m_tabWidth > 0)
        return m_tabWidth;
    const int text = QFontMetrics(TabFont()).horizontalAdvance(page.Caption());
    const int closeButton = m_showCloseButtons ? CloseButtonWidth() : 0;
    return text + 2 * kTabPaddingX + kImageWidth + closeButton + kImageGap;
}

TbsSkinTabSheet* TbsSkinPageControl::PageOfVisibleTab(int visibleIndex) const
{
    if (visibleIndex < 0 || visibleIndex >= VisibleTabCount())
        return nullptr;
    return m_tabPages[static_cast<std::size_t>(visibleIndex)];
}

QRect TbsSkinPageControl::TabRect(int visibleIndex) const
{
    if (visibleIndex < 0 || visibleIndex >= static_cast<int>(m_tabRects.size()))
        return {};
    return m_tabRects[static_cast<std::size_t>(visibleIndex)];
}

void TbsSkinPageControl::SetShowCloseButtons(bool show)
{
    m_showCloseButtons = show;
    ClearCloseButtons();
    TabsChanged();
}

QRect TbsSkinPageControl::CloseButtonRect(int visibleIndex) const
{
    const QRect tab = TabRect(visibleIndex);
    if (!m_showCloseButtons || tab.isEmpty())
        return {};
    const auto* definition = m_definition.get();
    const int width = CloseButtonWidth();
    const int height = definition && !definition->closeButtonRect.IsEmpty() ? definition->closeButtonRect.Height()
                                                                            : kCloseButtonSize;
    // At the tab's far end, centred across it; the button itself is not
    // turned with a tab on the left or right.
    const QSize upright = UprightTabSize(m_tabPosition, tab);
    const QRect cell(upright.width() - kCloseButtonGap - width, (upright.height() - height) / 2, width, height);
    const QPoint centre = FromUprightTab(m_tabPosition, cell, tab).center();
    const QRect button(0, 0, width, height);
    return button.translated(centre - button.center());
}

int TbsSkinPageControl::CloseButtonWidth() const
{
    const auto* definition = m_definition.get();
    if (definition && !definition->closeButtonRect.IsEmpty())
        return definition->closeButtonRect.Width();
    return kCloseButtonSize;
}

int TbsSkinPageControl::TabAt(const QPoint& point) const
{
    // The tab scroller covers the tabs under it.
    if (m_scroller && m_scroller->geometry().contains(point))
        return -1;
    const auto found = std::find_if(
        m_tabRects.begin(), m_tabRects.end(), [&point](const QRect& tab) { return tab.contains(point); });
    return found == m_tabRects.end() ? -1 : static_cast<int>(found - m_tabRects.begin());
}

QRect TbsSkinPageControl::PageArea() const
{
    // The page frame's borders keep their skin widths around the pages (one
    // pixel without a skin), and the tabs take their height on their side.
    SkinRect area { 1, 1, width() - 1, height() - 1 };
    if (const auto* definition = m_definition.get()) {
        const SkinRect& client = definition->clientRect;
        area = { client.left, client.top, width() - (definition->skinRect.Width() - client.right),
            height() - (definition->skinRect.Height() - client.bottom) };
    }
    const int tabs = ItemHeight();
    switch (m_tabPosition) {
    case tpTop:
        area.top += tabs;
        break;
    case tpBottom:
        area.bottom -= tabs;
        break;
    case tpLeft:
        area.left += tabs;
        break;
    case tpRight:
        area.right -= tabs;
        break;
    }
    return area.ToQRect();
}

QRect TbsSkinPageControl::TabsBand() const
{
    QRect frame = PageArea();
    if (const auto* definition = m_definition.get()) {
        const SkinRect& client = definition->clientRect;
        frame.adjust(-client.left, -client.top, definition->skinRect.Width() - client.right,
            definition->skinRect.Height() - client.bottom);
    }
    const SkinRect control { 0, 0, width(), height() };
    SkinRect band = control;
    switch (m_tabPosition) {
    case tpTop:
        band.bottom = frame.top();
        break;
    case tpBottom:
        band.top = frame.top() + frame.height();
        break;
    case tpLeft:
        band.right = frame.left();
        break;
    case tpRight:
        band.left = frame.left() + frame.width();
        break;
    }
    return band.ToQRect().intersected(rect());
}

void TbsSkinPageControl::CreateControlDefaultImage(QImage& image)
{
    QPainter painter(&image);
    painter.fillRect(LogicalRect(image), SkinColorToQColor(clBtnFace));
    fallback::FrameRect(painter, PageArea().adjusted(-1, -1, 1, 1), SkinColorToQColor(clBtnShadow));
    painter.end();
    const int count = VisibleTabCount();
    for (int i = 0; i < count; ++i)
        DrawTab(image, {}, i, TabRect(i));
}

int TbsSkinPageControl::VisibleIndexOfActivePage() const
{
    const auto found = std::find(m_tabPages.begin(), m_tabPages.end(), m_activePage);
    return found == m_tabPages.end() ? -1 : static_cast<int>(found - m_tabPages.begin());
}

QRect TbsSkinPageControl::TabFaceArea(int visibleIndex) const
{
    QRect area = TabRect(visibleIndex);
    const auto* definition = m_definition.get();
    if (!definition || area.isEmpty() || PageOfVisibleTab(visibleIndex) != m_activePage)
        return area;
    // The selected tab reaches toward the page. A corrupt skin cannot grow
    // it past the control or shrink it away.
    const int thickness = IsHorizontalSide(m_tabPosition) ? area.height() : area.width();
    const int growth = std::clamp(ActiveTabGrowth(*definition), 1 - thickness, std::max(width(), height()));
    switch (m_tabPosition) {
    case tpTop:
        area.setBottom(area.bottom() + growth);
        break;
    case tpBottom:
        area.setTop(area.top() - growth);
        break;
    case tpLeft:
        area.setRight(area.right() + growth);
        break;
    case tpRight:
        area.setLeft(area.left() - growth);
        break;
    }
    return area;
}

bool TbsSkinPageControl::DrawPageBackground(QImage& image) const
{
    const auto* definition = m_definition.get();
    if (!definition)
        return false;
    // Whatever the skin leaves undrawn shows the form's colour.
    image.fill(SkinColorToQColor(clBtnFace));
    const QImage background = SkinPicture(definition->bgPictureIndex);
    if (!background.isNull()) {
        FillWithPiece(image, LogicalRect(image), background, background.rect(), definition->stretchEffect,
            definition->stretchType);
        return true;
    }
    const SkinRect& skin = definition->skinRect;
    const QRect piece = definition->clientRect.Translated(skin.left, skin.top).ToQRect();
    // A stretched piece spans the whole control, so every page shows the same
    // part of it from its own top-left.
    const QRect area = definition->stretchEffect ? QRect(QPoint(0, 0), size()) : LogicalRect(image);
    FillWithPiece(
        image, area, SkinPicture(definition->pictureIndex), piece, definition->stretchEffect, definition->stretchType);
    return true;
}

void TbsSkinPageControl::CreateControlSkinImage(QImage& image)
{
    DrawPageBackground(image);
    const int active = VisibleIndexOfActivePage();
    const QRect activeArea = active == -1 ? QRect() : TabFaceArea(active);
    // The selected tab covers the frame and the strip, so it is drawn last and
    // nothing under it is drawn at all.
    const QRegion outsideActive = QRegion(LogicalRect(image)).subtracted(activeArea);
    DrawSkinFrame(image, outsideActive);
    const QRect band = TabsBand();
    // The tabs take captions: their strip is drawn at the face's ratio.
    QImage strip = ScaleByWholePixels(TabsBackground(), WholePixelRatio(image.devicePixelRatio()));
    const int count = VisibleTabCount();
    for (int i = 0; i < count; ++i) {
        if (i != active)
            DrawTab(strip, band.topLeft(), i, TabRect(i));
    }
    {
        QPainter painter(&image);
        painter.setClipRegion(outsideActive);
        painter.drawImage(band.topLeft(), strip);
    }
    if (active != -1)
        DrawTab(image, {}, active, activeArea);
}

void TbsSkinPageControl::DrawSkinFrame(QImage& face, const QRegion& clip) const
{
    const auto& definition = *m_definition.get();
    const SkinRect& client = definition.clientRect;
    const QRect frame = PageArea().adjusted(-client.left, -client.top, definition.skinRect.Width() - client.right,
        definition.skinRect.Height() - client.bottom);
    const SkinPieceGeometry piece = PieceGeometryOf(definition);
    const SkinTargetGeometry target = CalcTargetGeometry(CompositionMode::Full, piece, frame.width(), frame.height());
    const SkinBorderStrips strips = ComposeSkinBorders(SkinPicture(definition.pictureIndex), piece, target);
    QPainter painter(&face);
    DrawEachExposedPart(painter, clip, [&](const QRect&) { ::DrawSkinBorders(painter, frame, strips); });
}

QImage TbsSkinPageControl::TabsBackground() const
{
    const auto& definition = *m_definition.get();
    const QRect band = TabsBand();
    QImage strip = MakeSkinBitmap(band.width(), band.height(), SkinColorToQColor(clBtnFace).rgb());
    if (strip.isNull())
        return strip;
    if (m_tabsBGTransparent) {
        QImage parent = MakeSkinBitmap(width(), height());
        DrawParentBackground(parent);
        DrawPiece(strip, strip.rect(), parent, band);
        return strip;
    }
    const SkinRect& skin = definition.skinRect;
    const SkinRect piece = definition.tabsBgRect.IsEmpty() ? definition.clientRect.Translated(skin.left, skin.top)
                                                           : definition.tabsBgRect;
    TilePiece(strip, strip.rect(), SkinPicture(definition.pictureIndex), piece.ToQRect());
    return strip;
}

QImage TbsSkinPageControl::UprightTabFace(int visibleIndex, const QSize& size) const
{
    const bool active = PageOfVisibleTab(visibleIndex) == m_activePage;
    if (const auto* definition = m_definition.get()) {
        const TabLook look { .active = active, .mouseIn = !active && visibleIndex == m_hotTab, .focused = hasFocus() };
        const int thickness = IsHorizontalSide(m_tabPosition) ? height() : width();
        return ComposeTabFace(SkinPicture(definition->pictureIndex), *definition, TabFaceRect(*definition, look),
            size.width(), std::min(size.height(), thickness), m_tabHeight);
    }
    QImage face = MakeSkinBitmap(size.width(), size.height());
    QPainter painter(&face);
    const QRect area = LogicalRect(face);
    if (active) {
        painter.fillRect(area, SkinColorToQColor(hasFocus() ? kPlainDownFill : kPlainHotFill));
        fallback::FrameRect(painter, area, SkinColorToQColor(clNavy));
    } else {
        painter.fillRect(area, SkinColorToQColor(visibleIndex == m_hotTab ? kPlainHotFill : clBtnFace));
    }
    return face;
}

void TbsSkinPageControl::DrawTab(QImage& target, const QPoint& origin, int visibleIndex, const QRect& rect) const
{
    if (rect.isEmpty())
        return;
    const TbsSkinTabSheet* page = PageOfVisibleTab(visibleIndex);
    const auto* definition = m_definition.get();
    const bool active = page == m_activePage;
    const TabLook look { .active = active, .mouseIn = !active && visibleIndex == m_hotTab, .focused = hasFocus() };
    // Composed upright; a bottom tab's face is flipped before its caption is
    // written, so the caption stays readable.
    QImage face = UprightTabFace(visibleIndex, UprightTabSize(m_tabPosition, rect));
    if (m_tabPosition == tpBottom)
        face = FlipVertically(face);
    // The caption is written at the ratio of the face the tab lands on.
    face = ScaleByWholePixels(face, WholePixelRatio(target.devicePixelRatio()));
    QRect content = LogicalRect(face);
    if (definition && !active && ActiveTabGrowth(*definition) != 0)
        content.translate(0, m_tabPosition == tpBottom ? -kInactiveCaptionDrop : kInactiveCaptionDrop);
    if (m_showCloseButtons) {
        const int skinGap = definition ? kSkinCloseButtonGap : 0;
        content.setWidth(content.width() - CloseButtonWidth() - kCloseButtonGap - skinGap);
    }
    const SkinColor color = definition ? TabFontColor(*definition, look) : m_defaultFontColor;
    QPainter painter(&face);
    painter.setFont(TabFont());
    painter.setPen(SkinColorToQColor(color));
    painter.drawText(content, Qt::AlignCenter | Qt::TextSingleLine, page->Caption());
    painter.end();
    face = TurnUprightTab(m_tabPosition, face);
    if (m_showCloseButtons) {
        const QRect button = CloseButtonRect(visibleIndex).translated(-rect.topLeft());
        if (definition) {
            DrawSkinCloseButton(face, *page, button, color);
        } else {
            // The 10-pixel glyph sits in the middle of its cell.
            QPainter painter(&face);
            DrawCaptionGlyph(painter, CaptionGlyph::Close, button.topLeft() + QPoint(2, 2),
                SkinColorToQColor(page->m_closeMouseIn ? clWhite : clBlack));
        }
    }
    if (definition && active && hasFocus())
        fallback::DrawFocusRect(face, TabFocusMarkRect(*definition, LogicalSize(face)));
    QPainter(&target).drawImage(rect.topLeft() - origin, face);
}

void TbsSkinPageControl::DrawSkinCloseButton(
    QImage& face, const TbsSkinTabSheet& page, const QRect& button, SkinColor glyphColor) const
{
    const auto& definition = *m_definition.get();
    if (definition.closeButtonRect.IsEmpty()) {
        QPainter painter(&face);
        DrawToolCloseButton(painter, page, button, glyphColor);
        return;
    }
    const SkinRect& normal = definition.closeButtonRect;
    const SkinRect& hot = definition.closeButtonActiveRect.IsEmpty() ? normal : definition.closeButtonActiveRect;
    const SkinRect& down = definition.closeButtonDownRect.IsEmpty() ? hot : definition.closeButtonDownRect;
    const SkinRect& shown = !page.m_closeMouseIn ? normal : page.m_closeDown ? down : hot;
    QImage piece = MakeSkinBitmap(button.width(), button.height());
    DrawPiece(piece, piece.rect(), SkinPicture(definition.pictureIndex), shown.ToQRect());
    const std::optional<QRgb> key = definition.buttonTransparent
        ? std::optional<QRgb>(SkinColorToRgb(definition.buttonTransparentColor) & 0xFFFFFFu)
        : std::nullopt;
    DrawKeyed(face, button.topLeft(), piece, key);
}

void TbsSkinPageControl::DrawToolCloseButton(
    QPainter& painter, const TbsSkinTabSheet& page, const QRect& button, SkinColor glyphColor) const
{
    const TbsDataSkinButtonControl* tool = m_toolButton.get();
    if (tool) {
        const SkinRect& normal = tool->skinRect;
        const SkinRect& hot = tool->activeSkinRect.IsEmpty() ? normal : tool->activeSkinRect;
        const SkinRect& down = tool->downSkinRect.IsEmpty() ? hot : tool->downSkinRect;
        const bool pressed = page.m_closeMouseIn && page.m_closeDown;
        const SkinRect& shown = pressed ? down : page.m_closeMouseIn ? hot : normal;
        glyphColor = pressed ? tool->downFontColor : page.m_closeMouseIn ? tool->activeFontColor : tool->fontColor;
        const SkinPieceGeometry piece = PieceGeometryOf(*tool);
        const QImage face = ComposeSkinFace(
            SkinPicture(tool->pictureIndex), piece, CompositionModeOf(piece), shown, button.width(), button.height());
        if (!face.isNull())
            painter.drawImage(button.topLeft(), face);
    }
    // The 10-pixel glyph in the middle of its cell.
    const QPoint glyph = button.topLeft() + QPoint((button.width() - 10) / 2, (button.height() - 10) / 2);
    DrawCaptionGlyph(painter, CaptionGlyph::Close, glyph, SkinColorToQColor(glyphColor));
}

void TbsSkinPageControl::SetHotTab(int visibleIndex)
{
    if (visibleIndex == m_hotTab)
        return;
    m_hotTab = visibleIndex;
    update();
}

void TbsSkinPageControl::ClearCloseButtons()
{
    for (TbsSkinTabSheet* page : m_pages) {
        page->m_closeMouseIn = false;
        page->m_closeDown = false;
    }
}

void TbsSkinPageControl::TrackCloseButton(const QPoint& point)
{
    if (!m_showCloseButtons)
        return;
    bool changed = false;
    const int count = VisibleTabCount();
    for (int i = 0; i < count; ++i) {
        TbsSkinTabSheet* page = PageOfVisibleTab(i);
        const bool over = i == m_hotTab && CloseButtonRect(i).contains(point);
        changed = changed || over != page->m_closeMouseIn;
        page->m_closeMouseIn = over;
    }
    if (changed)
        update();
}

void TbsSkinPageControl::CloseActivePage()
{
    TbsSkinTabSheet* page = m_activePage;
    if (!page)
        return;
    bool canClose = true;
    const QPointer<TbsSkinTabSheet> alive(page);
    emit OnClose(page, canClose);
    // A handler that freed the page itself has left nothing to close.
    if (!canClose || !alive)
        return;
    const int index = IndexOfPage(page);
    page->SetTabVisible(false);
    // The nearest page with a visible tab takes the closed one's place.
    TbsSkinTabSheet* next = nullptr;
    for (int distance = 1; distance < PageCount() && !next; ++distance) {
        for (TbsSkinTabSheet* candidate : { Pages(index + distance), Pages(index - distance) }) {
            if (candidate && candidate->TabVisible() && !next)
                next = candidate;
        }
    }
    SetActivePage(next);
    if (m_freeOnClose)
        delete page;
    emit OnAfterClose();
}

void TbsSkinPageControl::SelectByUser(TbsSkinTabSheet* page)
{
    if (!page || page == m_activePage)
        return;
    bool allowChange = true;
    emit OnChanging(allowChange);
    if (!allowChange)
        return;
    SetActivePage(page);
    emit OnChange();
}

void TbsSkinPageControl::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    SetHotTab(TabAt(point));
    if (event->button() != Qt::LeftButton || m_hotTab == -1) {
        TbsSkinCustomControl::mousePressEvent(event);
        return;
    }
    TbsSkinTabSheet* page = PageOfVisibleTab(m_hotTab);
    SelectByUser(page);
    TrackCloseButton(point);
    if (page == m_activePage && page->m_closeMouseIn) {
        page->m_closeDown = true;
        update();
    }
}

void TbsSkinPageControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    SetHotTab(TabAt(point));
    TrackCloseButton(point);
    TbsSkinCustomControl::mouseMoveEvent(event);
}

void TbsSkinPageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TbsSkinCustomControl::mouseReleaseEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    SetHotTab(TabAt(point));
    TrackCloseButton(point);
    const bool close = m_activePage && m_activePage->m_closeDown && m_activePage->m_closeMouseIn;
    for (TbsSkinTabSheet* page : m_pages)
        page->m_closeDown = false;
    update();
    if (close)
        CloseActivePage();
}

bool TbsSkinPageControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter && IndexOfPage(qobject_cast<TbsSkinTabSheet*>(watched)) != -1) {
        SetHotTab(-1);
        TrackCloseButton({ -1, -1 });
    }
    return TbsSkinCustomControl::eventFilter(watched, event);
}

void TbsSkinPageControl::leaveEvent(QEvent* event)
{
    SetHotTab(-1);
    TrackCloseButton({ -1, -1 });
    TbsSkinCustomControl::leaveEvent(event);
}

void TbsSkinPageControl::SelectNextPage(bool goForward)
{
    const int count = VisibleTabCount();
    if (count < 2)
        return;
    TbsSkinTabSheet* const previous = m_activePage;
    const bool focusWasOnPage = previous && previous->isAncestorOf(QApplication::focusWidget());
    const int current = VisibleIndexOfActivePage();
    const int next = current < 0 ? 0 : (current + (goForward ? 1 : count - 1)) % count;
    SelectByUser(PageOfVisibleTab(next));
    if (focusWasOnPage && m_activePage != previous)
        FocusFirstControlOf(m_activePage);
}

void TbsSkinPageControl::FocusFirstControlOf(TbsSkinTabSheet* page)
{
    // The focus chain is a ring through every widget of the window, so the
    // walk ends at the page at the latest.
    for (QWidget* widget = page->nextInFocusChain(); widget && widget != page; widget = widget->nextInFocusChain()) {
        if (page->isAncestorOf(widget) && widget->isVisible() && widget->isEnabled()
            && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TbsSkinPageControl::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab come here from the page's controls too,
    // as the editors leave them alone.
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && (event->modifiers() & Qt::ControlModifier)) {
        SelectNextPage(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        event->accept();
        return;
    }
    const bool across = IsHorizontalSide(m_tabPosition);
    const int back = across ? Qt::Key_Left : Qt::Key_Up;
    const int forward = across ? Qt::Key_Right : Qt::Key_Down;
    const int step = event->key() == back ? -1 : event->key() == forward ? 1 : 0;
    const int count = VisibleTabCount();
    if (step == 0 || count == 0) {
        TbsSkinCustomControl::keyPressEvent(event);
        return;
    }
    const int next = std::clamp(VisibleIndexOfActivePage() + step, 0, count - 1);
    SelectByUser(PageOfVisibleTab(next));
    ShowTab(VisibleIndexOfActivePage());
    event->accept();
}

void TbsSkinPageControl::focusInEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusInEvent(event);
    update();
    ReportFocusedTab();
}

void TbsSkinPageControl::focusOutEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusOutEvent(event);
    update();
}
