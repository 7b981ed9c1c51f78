#include "skin/controls/page_control.h"

#include "skin/controls/focus_chain.h"
#include "skin/draw/skin_font.h"
#include "skin/controls/skin_up_down.h"
#include "skin/draw/system_colors.h"
#include "skin/controls/tab_face.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/control_definitions_buttons.h"
#include "skin/data/control_definitions_tab.h"
#include "skin/data/skin_data.h"
#include "skin/draw/composition_mode.h"
#include "skin/draw/engine_bitmap.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

// How much of a face running from `from` to `to` along one axis a picture of
// `pictureLength` holds: a crafted skin may write either end far past it.
int LengthThePictureHolds(int from, int to, int pictureLength)
{
    return std::max(std::min(to, pictureLength) - std::max(from, 0), 0);
}

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
    FaceChanged();
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
    // A tab rectangle upside down gives no height; the tabs keep the one
    // they have without a skin rather than pull the pages above the control.
    // One reaching below the picture is as high as the face the picture
    // holds, however far a crafted skin writes its bottom.
    const auto* definition = m_definition.get();
    if (!definition || definition->tabRect.Height() < 0)
        return m_defaultItemHeight;
    const SkinRect& tab = definition->tabRect;
    const QImage picture = SkinPicture(definition->pictureIndex);
    if (picture.isNull())
        return IsDrawable(tab) ? tab.Height() : m_defaultItemHeight;
    return LengthThePictureHolds(tab.top, tab.bottom, picture.height());
}

void TbsSkinPageControl::SetTabsBGTransparent(bool transparent)
{
    m_tabsBGTransparent = transparent;
    FaceChanged();
}

void TbsSkinPageControl::CalcSize(int&, int&)
{
}

void TbsSkinPageControl::ParentBackgroundChanged()
{
    if (m_tabsBGTransparent)
        FaceChanged();
}

QFont TbsSkinPageControl::TabFont() const
{
    return ControlFont(m_definition.get());
}

void TbsSkinPageControl::SetDefaultFontColor(SkinColor color)
{
    m_defaultFontColor = color;
    FaceChanged();
}

void TbsSkinPageControl::DefaultFontChanged()
{
    TabsChanged();
}

void TbsSkinPageControl::ChangeSkinData()
{
    GetSkinData();
    SetControlRegion();
    m_scroller.Bind(ScrollerSkin());
    TabsChanged();
    // The pages paint the skin's background.
    for (TbsSkinTabSheet* page : m_pages)
        page->update();
}

void TbsSkinPageControl::TabsChanged()
{
    UpdateTabLayout();
    PlacePages();
    FaceChanged();
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
    return m_scroller.get();
}

int TbsSkinPageControl::TabRoom() const
{
    return TabRoomBesideScroller(m_tabPosition, size(), m_defaultItemHeight);
}

void TbsSkinPageControl::UpdateTabScroller()
{
    const int overflow = IsHorizontalSide(m_tabPosition) ? TabsToScrollOut(m_tabLengths, TabRoom()) : 0;
    m_scrolled = m_scroller.Update(overflow, m_scrolled, m_defaultItemHeight, m_tabPosition == tpTop, ScrollerSkin());
}

TabStripScroller::Skin TbsSkinPageControl::ScrollerSkin() const
{
    const auto* definition = m_definition.get();
    return { definition ? definition->upDown : QString(), SkinData() };
}

void TbsSkinPageControl::PlaceTabs()
{
    m_tabRects = LayoutTabs(m_tabPosition, size(), ItemHeight(), m_tabLengths, m_scrolled);
}

void TbsSkinPageControl::TabScrollerMoved()
{
    m_scrolled = m_scroller.Position();
    PlaceTabs();
    SetHotTab(-1);
    FaceChanged();
}

void TbsSkinPageControl::ShowTab(int visibleIndex)
{
    if (m_scroller.get())
        m_scroller.SetPosition(ScrolledToShow(m_tabLengths, m_scrolled, visibleIndex, TabRoom(), m_scroller.Max()));
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
    return CaptionTabLength(text, m_showCloseButtons ? CloseButtonWidth() : 0);
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
    m_closeButtons.Clear();
    TabsChanged();
}

QRect TbsSkinPageControl::CloseButtonRect(int visibleIndex) const
{
    const QRect tab = TabRect(visibleIndex);
    if (!m_showCloseButtons || tab.isEmpty())
        return {};
    return CloseButtonOnTab(m_tabPosition, tab, TabCloseButtonSize(m_definition.get()), kTabCloseButtonGap);
}

int TbsSkinPageControl::CloseButtonWidth() const
{
    return TabCloseButtonSize(m_definition.get()).width();
}

int TbsSkinPageControl::TabAt(const QPoint& point) const
{
    // The tab scroller covers the tabs under it.
    if (m_scroller.get() && m_scroller.get()->geometry().contains(point))
        return -1;
    const auto found = std::find_if(
        m_tabRects.begin(), m_tabRects.end(), [&point](const QRect& tab) { return tab.contains(point); });
    return found == m_tabRects.end() ? -1 : static_cast<int>(found - m_tabRects.begin());
}

QMargins TbsSkinPageControl::PageFrameBorders() const
{
    // The page frame's borders keep their skin widths around the pages, one
    // pixel without a skin.
    const auto* definition = m_definition.get();
    if (!definition)
        return { 1, 1, 1, 1 };
    // A client rectangle reaching past the face gives no border on that side
    // rather than pages reaching past the control, and no border is wider
    // than the face as far as its picture holds it (the frame is drawn from
    // that part alone; without the picture nothing of it). Edges a crafted
    // skin writes far outside any picture give no borders at all.
    const SkinRect& client = definition->clientRect;
    const SkinRect& face = definition->skinRect;
    if (!IsDrawable(client) || !IsDrawable(face))
        return {};
    const QImage picture = SkinPicture(definition->pictureIndex);
    const int width = LengthThePictureHolds(face.left, face.right, picture.width());
    const int height = LengthThePictureHolds(face.top, face.bottom, picture.height());
    return { std::clamp(client.left, 0, width), std::clamp(client.top, 0, height),
        std::clamp(width - client.right, 0, width), std::clamp(height - client.bottom, 0, height) };
}

QRect TbsSkinPageControl::PageArea() const
{
    return PageAreaRect(m_tabPosition, size(), PageFrameBorders(), ItemHeight());
}

QRect TbsSkinPageControl::PageFrame() const
{
    // The plain look draws its one-pixel frame inside the band it leaves.
    const QRect area = PageArea();
    return m_definition.get() ? area.marginsAdded(PageFrameBorders()) : area;
}

QRect TbsSkinPageControl::TabsBand() const
{
    return TabsBandRect(m_tabPosition, size(), PageFrame());
}

int TbsSkinPageControl::VisibleIndexOfActivePage() const
{
    const auto found = std::find(m_tabPages.begin(), m_tabPages.end(), m_activePage);
    return found == m_tabPages.end() ? -1 : static_cast<int>(found - m_tabPages.begin());
}

QRect TbsSkinPageControl::TabFaceArea(int visibleIndex) const
{
    const QRect area = TabRect(visibleIndex);
    const auto* definition = m_definition.get();
    if (!definition || area.isEmpty() || PageOfVisibleTab(visibleIndex) != m_activePage)
        return area;
    return GrownTab(m_tabPosition, area, ActiveTabGrowth(m_tabPieces), size());
}

void TbsSkinPageControl::SetHotTab(int visibleIndex)
{
    if (visibleIndex == m_hotTab)
        return;
    m_hotTab = visibleIndex;
    FaceChanged();
}

void TbsSkinPageControl::TrackCloseButton(const QPoint& point)
{
    if (!m_showCloseButtons)
        return;
    const bool over = m_hotTab != -1 && CloseButtonRect(m_hotTab).contains(point);
    if (m_closeButtons.Hover(over ? PageOfVisibleTab(m_hotTab) : nullptr))
        FaceChanged();
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
    SetActivePage(Pages(NearestShownPage(index, PageCount(), [this](int i) { return Pages(i)->TabVisible(); })));
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
    if (page == m_activePage && m_closeButtons.Press(page))
        FaceChanged();
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
    const bool close = m_activePage && m_closeButtons.Release() == m_activePage;
    FaceChanged();
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
    SelectByUser(PageOfVisibleTab(NextTabRound(VisibleIndexOfActivePage(), count, goForward)));
    if (focusWasOnPage && m_activePage != previous)
        FocusFirstControlIn(*m_activePage);
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
    FaceChanged();
    ReportFocusedTab();
}

void TbsSkinPageControl::focusOutEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusOutEvent(event);
    FaceChanged();
}
