#include "skin/menus/skin_popup_window.h"

#include "skin/data/menu_item_definitions.h"
#include "skin/data/skin_messages.h"
#include "skin/draw/area_reduction.h"
#include "skin/draw/whole_pixel_scaling.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/popup_item_animation.h"
#include "skin/menus/skin_menu.h"

#include <QAccessible>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// A row or marker band holds the point; one of no height (or width) none.
bool Holds(const QRect& rect, const QPoint& point)
{
    return !rect.isEmpty() && rect.contains(point);
}

} // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu& menu, const PopupLook& look, TbsMenuItem& parentItem,
    int startIndex, int maxItemsInWindow, const QRect& workArea)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , m_menu(menu)
    , m_parentItem(parentItem)
    , m_workArea(workArea)
    , m_face(look, parentItem, startIndex, maxItemsInWindow, workArea.height())
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setFont(look.font);

    resize(m_face.Size().width, m_face.Size().height);
    if (const std::optional<QRegion> region = m_face.Region())
        setMask(*region);

    m_mouseTimer.setInterval(kMouseInterval);
    connect(&m_mouseTimer, &QTimer::timeout, this, &TbsSkinPopupWindow::PollMouse);
    m_scrollTimer.setInterval(kScrollInterval);
    connect(&m_scrollTimer, &QTimer::timeout, this, &TbsSkinPopupWindow::ScrollTick);
    m_morphTimer.setInterval(kMorphInterval);
    connect(&m_morphTimer, &QTimer::timeout, this, &TbsSkinPopupWindow::MorphTick);
}

void TbsSkinPopupWindow::PopupAt(const QRect& anchor, PopupOpening opening)
{
    const PopupPlacement placement
        = PlacePopup(anchor, m_workArea, size(), m_face.Frame().itemsRect.top(), opening, m_face.Size());
    move(placement.topLeft);
    for (std::size_t i = 0; i < m_face.Items().size(); ++i) {
        if (Selectable(static_cast<int>(i))) {
            m_activeItem = static_cast<int>(i);
            m_face.Items()[i].active = true;
            m_face.Items()[i].keySelected = true;
            m_face.Items()[i].morph = 1;
            m_face.Items()[i].frame = AnimationFrameCount() + 1;
            break;
        }
    }
    show();
    ReportActiveItem();
    m_lastCursor = QCursor::pos();
    m_mouseTimer.start();
}

void TbsSkinPopupWindow::ReportActiveItem()
{
    if (m_activeItem < 0 || !isVisible())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(m_activeItem);
    QAccessible::updateAccessibility(&focus);
}

QRect TbsSkinPopupWindow::ItemScreenRect(int index) const
{
    return m_face.Items().at(static_cast<std::size_t>(index)).rect.translated(x(), y());
}

int TbsSkinPopupWindow::RowCount() const
{
    return static_cast<int>(m_face.Items().size());
}

TbsSkinMenuItem& TbsSkinPopupWindow::Row(int index)
{
    return m_face.Items()[static_cast<std::size_t>(index)];
}

const TbsSkinMenuItem& TbsSkinPopupWindow::Row(int index) const
{
    return m_face.Items()[static_cast<std::size_t>(index)];
}

bool TbsSkinPopupWindow::Selectable(int index) const
{
    if (index < 0 || index >= RowCount())
        return false;
    const TbsMenuItem& item = *Row(index).menuItem;
    return item.Enabled() && !item.IsSeparator();
}

int TbsSkinPopupWindow::ItemAt(const QPoint& point) const
{
    for (std::size_t i = 0; i < m_face.Items().size(); ++i) {
        const TbsSkinMenuItem& item = m_face.Items()[i];
        if (item.visible && Holds(item.rect, point))
            return static_cast<int>(i);
    }
    return -1;
}

void TbsSkinPopupWindow::SetSubmenuOpen(int index, bool open)
{
    if (index < 0 || index >= RowCount())
        return;
    Row(index).submenuOpen = open;
    RepaintItem(index);
}

void TbsSkinPopupWindow::RepaintItem(int index)
{
    if (index >= 0 && index < RowCount())
        update(Row(index).rect);
    StartMorph();
}

int TbsSkinPopupWindow::AnimationFrameCount() const
{
    return m_face.Look().itemAnimated ? m_face.Look().item->frameCount : 0;
}

void TbsSkinPopupWindow::EnterItem(int index, bool byKeyboard)
{
    TbsSkinMenuItem& item = Row(index);
    item.active = true;
    item.frame = 0;
    ReportActiveItem();
    const int level = m_menu.LevelOf(this);
    for (std::size_t i = 0; i < m_face.Items().size(); ++i) {
        if (static_cast<int>(i) != index && m_face.Items()[i].submenuOpen) {
            m_face.Items()[i].submenuOpen = false;
            RepaintItem(static_cast<int>(i));
        }
    }
    if (item.submenuOpen) {
        m_menu.CloseFrom(level + 2);
        return;
    }
    RepaintItem(index);
    m_menu.CloseFrom(level + 1);
    if (item.menuItem->Count() > 0 && !byKeyboard)
        m_menu.StartWait(*this, index);
}

void TbsSkinPopupWindow::LeaveItem(int index)
{
    TbsSkinMenuItem& item = Row(index);
    item.active = false;
    item.keySelected = false;
    if (m_face.Look().itemAnimated)
        item.frame = MenuItemAnimationFrameOnLeave(item.frame, AnimationFrameCount(), m_face.Look().item->inactiveAnimation);
    if (!item.submenuOpen)
        RepaintItem(index);
    m_menu.StopWait(*this, index);
}

void TbsSkinPopupWindow::StartMorph()
{
    const PopupLook& look = m_face.Look();
    if (!(look.itemMorphing || look.itemAnimated) || m_morphTimer.isActive())
        return;
    // An animation steps at the skin's pace, within reason.
    m_morphTimer.setInterval(look.itemAnimated ? std::clamp(look.item->animateInterval, kMorphInterval, 1000)
                                               : kMorphInterval);
    m_morphTimer.start();
}

void TbsSkinPopupWindow::MorphTick()
{
    const bool animated = m_face.Look().itemAnimated;
    const int frameCount = AnimationFrameCount();
    bool moved = false;
    for (std::size_t i = 0; i < m_face.Items().size(); ++i) {
        TbsSkinMenuItem& item = m_face.Items()[i];
        const bool highlighted = item.active || item.submenuOpen;
        const double target = highlighted ? 1.0 : 0.0;
        if (animated) {
            // The animation's frames take the place of the blend.
            item.morph = target;
            const int next = NextMenuItemAnimationFrame(item.frame, highlighted, frameCount);
            if (next == item.frame)
                continue;
            item.frame = next;
        } else {
            if (item.morph == target)
                continue;
            item.morph = target > item.morph ? std::min(1.0, item.morph + 0.2) : std::max(0.0, item.morph - 0.2);
        }
        update(item.rect);
        moved = true;
    }
    if (!moved)
        m_morphTimer.stop();
}

bool TbsSkinPopupWindow::HoverScrollMarkers(const QPoint& point)
{
    if (!m_face.Size().scroll)
        return false;
    const QRect top = TopScrollMarker(m_face.Metrics(), m_face.Frame(), width());
    const QRect bottom = BottomScrollMarker(m_face.Metrics(), m_face.Frame(), width(), height());
    PopupScrollCode wanted = PopupScrollCode::None;
    if (Holds(top, point) && m_face.Layout().firstVisible > 0)
        wanted = PopupScrollCode::Up;
    else if (Holds(bottom, point) && !m_face.Layout().LastVisible())
        wanted = PopupScrollCode::Down;
    const bool inBand = Holds(top, point) || Holds(bottom, point);
    if (wanted == PopupScrollCode::None) {
        StopScrolling();
        return inBand;
    }
    if (m_scrollCode != wanted) {
        m_scrollCode = wanted;
        update();
        m_menu.CloseFrom(m_menu.LevelOf(this) + 1);
        m_scrollTimer.start();
    }
    return true;
}

void TbsSkinPopupWindow::StopScrolling()
{
    if (m_scrollCode == PopupScrollCode::None)
        return;
    m_scrollCode = PopupScrollCode::None;
    m_scrollTimer.stop();
    update();
}

void TbsSkinPopupWindow::ScrollTick()
{
    if (m_scrollCode == PopupScrollCode::Up && m_face.Layout().firstVisible > 0)
        m_face.Relayout(m_face.Layout().firstVisible - 1);
    else if (m_scrollCode == PopupScrollCode::Down && !m_face.Layout().LastVisible())
        m_face.Relayout(m_face.Layout().firstVisible + 1);
    else {
        StopScrolling();
        return;
    }
    update();
}

void TbsSkinPopupWindow::HoverAt(const QPoint& point)
{
    if (HoverScrollMarkers(point))
        return;
    const int index = ItemAt(point);
    if (index < 0)
        return;
    const int old = m_activeItem;
    m_activeItem = index;
    TbsSkinMenuItem& item = Row(index);
    if (index == old) {
        if (item.keySelected) {
            item.keySelected = false;
            if (item.menuItem->Count() > 0 && Selectable(index) && !item.submenuOpen)
                m_menu.StartWait(*this, index);
        }
        return;
    }
    if (Selectable(old))
        LeaveItem(old);
    if (Selectable(index))
        EnterItem(index, false);
}

void TbsSkinPopupWindow::PollMouse()
{
    const QPoint cursor = QCursor::pos();
    if (cursor == m_lastCursor)
        return;
    m_lastCursor = cursor;
    if (m_menu.PopupUnder(cursor) == this)
        HoverAt(mapFromGlobal(cursor));
    else if (m_scrollCode != PopupScrollCode::None)
        StopScrolling();
}

void TbsSkinPopupWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    m_lastCursor = event->globalPosition().toPoint();
    if (rect().contains(point))
        HoverAt(point);
}

void TbsSkinPopupWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = ItemAt(event->position().toPoint());
    if (index >= 0 && !Row(index).menuItem->IsSeparator())
        RunItem(index);
}

void TbsSkinPopupWindow::RunItem(int index)
{
    if (!Selectable(index) || Row(index).submenuOpen)
        return;
    m_menu.ItemCommand(*this, index);
}

void TbsSkinPopupWindow::SelectByKeyboard(int index)
{
    if (index == m_activeItem)
        return;
    if (Selectable(m_activeItem))
        LeaveItem(m_activeItem);
    m_activeItem = index;
    EnsureVisible(index);
    Row(index).keySelected = true;
    EnterItem(index, true);
}

void TbsSkinPopupWindow::EnsureVisible(int index)
{
    if (!m_face.Size().scroll)
        return;
    int first = m_face.Layout().firstVisible;
    if (index < first)
        first = index;
    m_face.Relayout(first);
    while (!Row(index).visible && first < index)
        m_face.Relayout(++first);
    update();
}

void TbsSkinPopupWindow::StepSelection(int direction)
{
    const int count = RowCount();
    int index = m_activeItem;
    for (int step = 0; step < count; ++step) {
        index = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
        if (Selectable(index)) {
            SelectByKeyboard(index);
            return;
        }
    }
}

void TbsSkinPopupWindow::KeyDown(int key, const QString& text)
{
    if (!isVisible())
        return;
    const QChar typed = text.isEmpty() ? QChar() : text.front().toLower();
    if (!typed.isNull() && typed.isPrint()) {
        for (std::size_t i = 0; i < m_face.Items().size(); ++i) {
            if (Selectable(static_cast<int>(i)) && MenuItemAccelerator(m_face.Items()[i].menuItem->Caption()) == typed) {
                SelectByKeyboard(static_cast<int>(i));
                RunItem(static_cast<int>(i));
                return;
            }
        }
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        RunItem(m_activeItem);
        return;
    case Qt::Key_Escape:
        if (m_menu.LevelOf(this) > 0)
            m_menu.CloseFrom(m_menu.LevelOf(this));
        else
            m_menu.CloseMenus();
        return;
    case Qt::Key_Left:
        if (m_menu.LevelOf(this) > 0)
            m_menu.CloseFrom(m_menu.LevelOf(this));
        return;
    case Qt::Key_Right:
        if (Selectable(m_activeItem) && Row(m_activeItem).menuItem->Count() > 0
            && !Row(m_activeItem).submenuOpen)
            m_menu.OpenSubmenu(*this, m_activeItem);
        return;
    case Qt::Key_Up:
        StepSelection(-1);
        return;
    case Qt::Key_Down:
        StepSelection(1);
        return;
    default:
        return;
    }
}

QImage TbsSkinPopupWindow::RenderFace() const
{
    return m_face.Render(m_scrollCode, WholePixelRatio(devicePixelRatio()));
}

void TbsSkinPopupWindow::paintEvent(QPaintEvent* event)
{
    QImage face = RenderFace();
    if (IsFractionalRatio(devicePixelRatio()) && !mask().isEmpty())
        SpreadInsideShape(face, mask());
    QPainter painter(this);
    DrawFaceOnDevice(painter, QPoint(), face, event->region());
}

bool TbsSkinPopupWindow::event(QEvent* event)
{
    // The rows point into the skin's definitions, which a skin change frees.
    if (event->type() == WM_SKINDATA_BEFORE_CHANGE) {
        if (isVisible())
            m_menu.CloseMenus();
        return true;
    }
    if (event->type() == QEvent::Show) {
        QAccessibleEvent opened(this, QAccessible::PopupMenuStart);
        QAccessible::updateAccessibility(&opened);
    }
    if (event->type() == QEvent::Hide) {
        QAccessibleEvent closed(this, QAccessible::PopupMenuEnd);
        QAccessible::updateAccessibility(&closed);
        m_mouseTimer.stop();
        m_scrollTimer.stop();
        m_morphTimer.stop();
    }
    return QWidget::event(event);
}
