#include "skin/controls/page_control.h"

#include "skin/controls/fallback_drawing.h"
#include "skin/controls/system_colors.h"
#include "skin/controls/tab_sheet.h"
#include "skin/draw/glyphs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

// A tab is its caption with this much room on either side, plus the room the
// tabs keep for an image.
constexpr int kTabPaddingX = 6;
constexpr int kImageWidth = 1;
constexpr int kImageGap = 3;
// The close button's cell, and the room it keeps from the tab's right end.
constexpr int kCloseButtonSize = 14;
constexpr int kCloseButtonGap = 2;

// Tab faces without a skin.
constexpr SkinColor kHotFill = 13811126;
constexpr SkinColor kFocusedFill = 11899781;

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
    update();
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

void TbsSkinPageControl::SetDefaultItemHeight(int height)
{
    m_defaultItemHeight = height;
    TabsChanged();
}

int TbsSkinPageControl::ItemHeight() const
{
    return m_tabHeight > 0 ? m_tabHeight : m_defaultItemHeight;
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
    TabsChanged();
}

void TbsSkinPageControl::TabsChanged()
{
    PlacePages();
    update();
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
    PlacePages();
}

int TbsSkinPageControl::TabWidthFor(const TbsSkinTabSheet& page) const
{
    if (m_tabWidth > 0)
        return m_tabWidth;
    const int text = QFontMetrics(DefaultFont()).horizontalAdvance(page.Caption());
    const int closeButton = m_showCloseButtons ? kCloseButtonSize : 0;
    return text + 2 * kTabPaddingX + kImageWidth + closeButton + kImageGap;
}

int TbsSkinPageControl::VisibleTabCount() const
{
    return static_cast<int>(std::count_if(m_pages.begin(), m_pages.end(), [](const TbsSkinTabSheet* page) { return page->TabVisible(); }));
}

TbsSkinTabSheet* TbsSkinPageControl::PageOfVisibleTab(int visibleIndex) const
{
    int index = 0;
    for (TbsSkinTabSheet* page : m_pages) {
        if (!page->TabVisible())
            continue;
        if (index == visibleIndex)
            return page;
        ++index;
    }
    return nullptr;
}

QRect TbsSkinPageControl::TabRect(int visibleIndex) const
{
    int left = 0;
    int index = 0;
    for (const TbsSkinTabSheet* page : m_pages) {
        if (!page->TabVisible())
            continue;
        const int tabWidth = TabWidthFor(*page);
        if (index == visibleIndex) {
            QRect tab(left, 0, tabWidth, ItemHeight());
            // The first tab keeps one pixel free at the control's left edge.
            if (index == 0)
                tab.setLeft(tab.left() + 1);
            return tab;
        }
        left += tabWidth;
        ++index;
    }
    return {};
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
    const int left = tab.left() + tab.width() - kCloseButtonGap - kCloseButtonSize;
    const int top = tab.top() + (tab.height() - kCloseButtonSize) / 2;
    return QRect(left, top, kCloseButtonSize, kCloseButtonSize);
}

int TbsSkinPageControl::TabAt(const QPoint& point) const
{
    const int count = VisibleTabCount();
    for (int i = 0; i < count; ++i) {
        if (TabRect(i).contains(point))
            return i;
    }
    return -1;
}

QRect TbsSkinPageControl::PageArea() const
{
    return SkinRect { 1, ItemHeight() + 1, width() - 1, height() - 1 }.ToQRect();
}

void TbsSkinPageControl::CreateControlDefaultImage(QImage& image)
{
    QPainter painter(&image);
    painter.fillRect(image.rect(), SkinColorToQColor(clBtnFace));
    fallback::FrameRect(painter, PageArea().adjusted(-1, -1, 1, 1), SkinColorToQColor(clBtnShadow));
    painter.setFont(DefaultFont());
    const int count = VisibleTabCount();
    for (int i = 0; i < count; ++i)
        DrawDefaultTab(painter, i, TabRect(i));
}

void TbsSkinPageControl::DrawDefaultTab(QPainter& painter, int visibleIndex, const QRect& rect)
{
    const TbsSkinTabSheet* page = PageOfVisibleTab(visibleIndex);
    const bool active = page == m_activePage;
    if (active) {
        painter.fillRect(rect, SkinColorToQColor(hasFocus() ? kFocusedFill : kHotFill));
        fallback::FrameRect(painter, rect, SkinColorToQColor(clNavy));
    } else {
        painter.fillRect(rect, SkinColorToQColor(visibleIndex == m_hotTab ? kHotFill : clBtnFace));
    }
    QRect content = rect;
    const QRect closeButton = CloseButtonRect(visibleIndex);
    if (!closeButton.isEmpty()) {
        content.setRight(content.right() - kCloseButtonSize - kCloseButtonGap);
        // The 10-pixel glyph sits in the middle of its cell.
        const QPoint glyph = closeButton.topLeft() + QPoint(2, 2);
        DrawCaptionGlyph(painter, CaptionGlyph::Close, glyph, SkinColorToQColor(page->m_closeMouseIn ? clWhite : clBlack));
    }
    painter.setPen(SkinColorToQColor(m_defaultFontColor));
    painter.drawText(content, Qt::AlignCenter | Qt::TextSingleLine, page->Caption());
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
    emit OnClose(page, canClose);
    if (!canClose)
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

void TbsSkinPageControl::keyPressEvent(QKeyEvent* event)
{
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    const int count = VisibleTabCount();
    if (step == 0 || count == 0) {
        TbsSkinCustomControl::keyPressEvent(event);
        return;
    }
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (PageOfVisibleTab(i) == m_activePage)
            current = i;
    }
    const int next = std::clamp(current + step, 0, count - 1);
    SelectByUser(PageOfVisibleTab(next));
    event->accept();
}

void TbsSkinPageControl::focusInEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusInEvent(event);
    update();
}

void TbsSkinPageControl::focusOutEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusOutEvent(event);
    update();
}
