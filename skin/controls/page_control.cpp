#include "skin/controls/page_control.h"

#include "skin/controls/fallback_drawing.h"
#include "skin/controls/skin_font.h"
#include "skin/controls/system_colors.h"
#include "skin/controls/tab_face.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/control_definitions_buttons.h"
#include "skin/data/control_definitions_tab.h"
#include "skin/data/skin_data.h"
#include "skin/draw/compose_skin_face.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/engine_bitmap.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
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
// A skinned tab keeps this much more room between its caption and the button.
constexpr int kSkinCloseButtonGap = 3;
// Inactive captions sit this much nearer the page when the selected tab is
// taller.
constexpr int kInactiveCaptionDrop = 2;

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
    if (m_tabHeight > 0)
        return m_tabHeight;
    if (const auto* definition = Definition<TbsDataSkinTabControl>())
        return definition->tabRect.Height();
    return m_defaultItemHeight;
}

void TbsSkinPageControl::SetTabsBGTransparent(bool transparent)
{
    m_tabsBGTransparent = transparent;
    update();
}

bool TbsSkinPageControl::AcceptsDefinition(const TbsDataSkinControl& definition) const
{
    return dynamic_cast<const TbsDataSkinTabControl*>(&definition) != nullptr;
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
    const auto* definition = Definition<TbsDataSkinTabControl>();
    if (definition && UseSkinFont())
        return SkinFont(definition->fontName, definition->fontHeight, definition->fontStyle);
    return DefaultFont();
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
    TabsChanged();
    // The pages paint the skin's background.
    for (TbsSkinTabSheet* page : m_pages)
        page->update();
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
    const int text = QFontMetrics(TabFont()).horizontalAdvance(page.Caption());
    const int closeButton = m_showCloseButtons ? CloseButtonWidth() : 0;
    return text + 2 * kTabPaddingX + kImageWidth + closeButton + kImageGap;
}

int TbsSkinPageControl::VisibleTabCount() const
{
    return static_cast<int>(
        std::count_if(m_pages.begin(), m_pages.end(), [](const TbsSkinTabSheet* page) { return page->TabVisible(); }));
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
    const auto* definition = Definition<TbsDataSkinTabControl>();
    const int width = CloseButtonWidth();
    const int height = definition && !definition->closeButtonRect.IsEmpty() ? definition->closeButtonRect.Height()
                                                                            : kCloseButtonSize;
    const int left = tab.left() + tab.width() - kCloseButtonGap - width;
    const int top = tab.top() + (tab.height() - height) / 2;
    return QRect(left, top, width, height);
}

int TbsSkinPageControl::CloseButtonWidth() const
{
    const auto* definition = Definition<TbsDataSkinTabControl>();
    if (definition && !definition->closeButtonRect.IsEmpty())
        return definition->closeButtonRect.Width();
    return kCloseButtonSize;
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
    const auto* definition = Definition<TbsDataSkinTabControl>();
    if (!definition)
        return SkinRect { 1, ItemHeight() + 1, width() - 1, height() - 1 }.ToQRect();
    // The page frame's borders keep their skin widths around the pages.
    const SkinRect& client = definition->clientRect;
    const int rightMargin = definition->skinRect.Width() - client.right;
    const int bottomMargin = definition->skinRect.Height() - client.bottom;
    return SkinRect { client.left, ItemHeight() + client.top, width() - rightMargin, height() - bottomMargin }
        .ToQRect();
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
        DrawCaptionGlyph(
            painter, CaptionGlyph::Close, glyph, SkinColorToQColor(page->m_closeMouseIn ? clWhite : clBlack));
    }
    painter.setPen(SkinColorToQColor(m_defaultFontColor));
    painter.drawText(content, Qt::AlignCenter | Qt::TextSingleLine, page->Caption());
}

int TbsSkinPageControl::VisibleIndexOfActivePage() const
{
    const int count = VisibleTabCount();
    for (int i = 0; i < count; ++i) {
        if (PageOfVisibleTab(i) == m_activePage)
            return i;
    }
    return -1;
}

QRect TbsSkinPageControl::TabFaceArea(int visibleIndex) const
{
    QRect area = TabRect(visibleIndex);
    const auto* definition = Definition<TbsDataSkinTabControl>();
    if (!definition || area.isEmpty() || PageOfVisibleTab(visibleIndex) != m_activePage)
        return area;
    // A corrupt skin cannot grow the tab past the control or shrink it away.
    const int growth = std::clamp(ActiveTabGrowth(*definition), 1 - area.height(), height());
    area.setHeight(area.height() + growth);
    return area;
}

bool TbsSkinPageControl::DrawPageBackground(QImage& image) const
{
    const auto* definition = Definition<TbsDataSkinTabControl>();
    if (!definition)
        return false;
    // Whatever the skin leaves undrawn shows the form's colour.
    image.fill(SkinColorToQColor(clBtnFace));
    const QImage background = SkinPicture(definition->bgPictureIndex);
    if (!background.isNull()) {
        FillWithPiece(
            image, image.rect(), background, background.rect(), definition->stretchEffect, definition->stretchType);
        return true;
    }
    const SkinRect& skin = definition->skinRect;
    const QRect piece = definition->clientRect.Translated(skin.left, skin.top).ToQRect();
    // A stretched piece spans the whole control, so every page shows the same
    // part of it from its own top-left.
    const QRect area = definition->stretchEffect ? QRect(QPoint(0, 0), size()) : image.rect();
    FillWithPiece(
        image, area, SkinPicture(definition->pictureIndex), piece, definition->stretchEffect, definition->stretchType);
    return true;
}

void TbsSkinPageControl::CreateControlSkinImage(QImage& image)
{
    if (!Definition<TbsDataSkinTabControl>()) {
        CreateControlDefaultImage(image);
        return;
    }
    DrawPageBackground(image);
    const int active = VisibleIndexOfActivePage();
    const QRect activeArea = active == -1 ? QRect() : TabFaceArea(active);
    // The selected tab covers the frame and the strip, so it is drawn last and
    // nothing under it is drawn at all.
    const QRegion outsideActive = QRegion(image.rect()).subtracted(activeArea);
    DrawSkinFrame(image, outsideActive);
    QImage strip = TabsBackground();
    const int count = VisibleTabCount();
    for (int i = 0; i < count; ++i) {
        if (i != active)
            DrawSkinTab(strip, i, TabRect(i));
    }
    {
        QPainter painter(&image);
        painter.setClipRegion(outsideActive);
        painter.drawImage(0, 0, strip);
    }
    if (active != -1)
        DrawSkinTab(image, active, activeArea);
}

void TbsSkinPageControl::DrawSkinFrame(QImage& face, const QRegion& clip) const
{
    const auto& definition = *Definition<TbsDataSkinTabControl>();
    const SkinRect& client = definition.clientRect;
    const QRect frame = PageArea().adjusted(-client.left, -client.top, definition.skinRect.Width() - client.right,
        definition.skinRect.Height() - client.bottom);
    const SkinPieceGeometry piece {
        .skinRect = definition.skinRect,
        .leftTop = definition.leftTopPoint,
        .rightTop = definition.rightTopPoint,
        .leftBottom = definition.leftBottomPoint,
        .rightBottom = definition.rightBottomPoint,
        .clientRect = client,
        .leftStretch = definition.leftStretch,
        .topStretch = definition.topStretch,
        .rightStretch = definition.rightStretch,
        .bottomStretch = definition.bottomStretch,
        .stretchEffect = definition.stretchEffect,
        .stretchType = definition.stretchType,
    };
    const SkinTargetGeometry target = CalcTargetGeometry(CompositionMode::Full, piece, frame.width(), frame.height());
    const SkinBorderStrips strips = ComposeSkinBorders(SkinPicture(definition.pictureIndex), piece, target);
    QPainter painter(&face);
    painter.setClipRegion(clip);
    const int sideTop = frame.top() + strips.top.height();
    painter.drawImage(frame.topLeft(), strips.top);
    painter.drawImage(frame.left(), sideTop, strips.left);
    painter.drawImage(frame.left() + frame.width() - strips.right.width(), sideTop, strips.right);
    painter.drawImage(frame.left(), frame.top() + frame.height() - strips.bottom.height(), strips.bottom);
}

QImage TbsSkinPageControl::TabsBackground() const
{
    const auto& definition = *Definition<TbsDataSkinTabControl>();
    const int stripHeight = std::clamp(PageArea().top() - definition.clientRect.top, 0, height());
    QImage strip = MakeSkinBitmap(width(), stripHeight, SkinColorToQColor(clBtnFace).rgb());
    if (strip.isNull())
        return strip;
    if (m_tabsBGTransparent) {
        DrawParentBackground(strip);
        return strip;
    }
    const SkinRect& skin = definition.skinRect;
    const SkinRect piece = definition.tabsBgRect.IsEmpty() ? definition.clientRect.Translated(skin.left, skin.top)
                                                           : definition.tabsBgRect;
    TilePiece(strip, strip.rect(), SkinPicture(definition.pictureIndex), piece.ToQRect());
    return strip;
}

void TbsSkinPageControl::DrawSkinTab(QImage& target, int visibleIndex, const QRect& rect) const
{
    const auto& definition = *Definition<TbsDataSkinTabControl>();
    const TbsSkinTabSheet* page = PageOfVisibleTab(visibleIndex);
    const bool active = page == m_activePage;
    const TabLook look { .active = active, .mouseIn = !active && visibleIndex == m_hotTab, .focused = hasFocus() };
    QImage face = ComposeTabFace(SkinPicture(definition.pictureIndex), definition, TabFaceRect(definition, look),
        rect.width(), std::min(rect.height(), height()), m_tabHeight);
    QRect content = face.rect();
    if (!active && ActiveTabGrowth(definition) != 0)
        content.translate(0, kInactiveCaptionDrop);
    const SkinColor color = TabFontColor(definition, look);
    QPainter painter(&face);
    if (m_showCloseButtons) {
        content.setWidth(content.width() - CloseButtonWidth() - kCloseButtonGap - kSkinCloseButtonGap);
        DrawSkinCloseButton(painter, *page, CloseButtonRect(visibleIndex).translated(-rect.topLeft()), color);
    }
    painter.setFont(TabFont());
    painter.setPen(SkinColorToQColor(color));
    painter.drawText(content, Qt::AlignCenter | Qt::TextSingleLine, page->Caption());
    painter.end();
    if (definition.showFocus && active && hasFocus()) {
        const int dx = definition.focusOffsetX;
        const int dy = definition.focusOffsetY;
        fallback::DrawFocusRect(face, face.rect().adjusted(dx, dy, -dx, -dy));
    }
    QPainter(&target).drawImage(rect.topLeft(), face);
}

void TbsSkinPageControl::DrawSkinCloseButton(
    QPainter& painter, const TbsSkinTabSheet& page, const QRect& button, SkinColor glyphColor) const
{
    const auto& definition = *Definition<TbsDataSkinTabControl>();
    if (definition.closeButtonRect.IsEmpty()) {
        DrawToolCloseButton(painter, page, button, glyphColor);
        return;
    }
    const SkinRect& normal = definition.closeButtonRect;
    const SkinRect& hot = definition.closeButtonActiveRect.IsEmpty() ? normal : definition.closeButtonActiveRect;
    const SkinRect& down = definition.closeButtonDownRect.IsEmpty() ? hot : definition.closeButtonDownRect;
    const SkinRect& shown = !page.m_closeMouseIn ? normal : page.m_closeDown ? down : hot;
    QImage piece = MakeSkinBitmap(button.width(), button.height());
    DrawPiece(piece, piece.rect(), SkinPicture(definition.pictureIndex), shown.ToQRect());
    if (definition.buttonTransparent) {
        piece = piece.convertToFormat(QImage::Format_ARGB32);
        const QRgb transparent = SkinColorToQColor(definition.buttonTransparentColor).rgb() & 0xFFFFFFu;
        for (int y = 0; y < piece.height(); ++y) {
            QRgb* row = SkinRow(piece, y);
            for (int x = 0; x < piece.width(); ++x) {
                if ((row[x] & 0xFFFFFFu) == transparent)
                    row[x] = 0;
            }
        }
    }
    painter.drawImage(button.topLeft(), piece);
}

void TbsSkinPageControl::DrawToolCloseButton(
    QPainter& painter, const TbsSkinTabSheet& page, const QRect& button, SkinColor glyphColor) const
{
    // A skin without close button images lends the small tool button's faces.
    const TbsSkinData* skinData = SkinData();
    const int index = skinData ? skinData->FindControlIndex(QStringLiteral("resizetoolbutton")) : -1;
    const auto* tool = index < 0
        ? nullptr
        : dynamic_cast<const TbsDataSkinButtonControl*>(skinData->ControlDefinitions()[index].get());
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
