#include "skin/menus/skin_menu.h"

#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/draw/screen_work_area.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_popup_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// Fade-in: the opacity rises by this much every few milliseconds.
constexpr int kFadeStep = 10;
constexpr int kFadeInterval = 5;

void Notify(QObject* receiver, QEvent::Type type)
{
    if (!receiver)
        return;
    QEvent event(type);
    QCoreApplication::sendEvent(receiver, &event);
}

} // namespace

TbsSkinMenu::TbsSkinMenu(QWidget* form)
    : QObject(form)
    , m_form(form)
{
    m_lookOptions.defaultFont = ::DefaultMenuItemFont();
    m_waitTimer.setSingleShot(true);
    m_waitTimer.setTimerType(Qt::PreciseTimer);
    m_waitTimer.setInterval(kSubmenuDelay);
    connect(&m_waitTimer, &QTimer::timeout, this, &TbsSkinMenu::WaitTimeout);
    m_fadeTimer.setInterval(kFadeInterval);
    connect(&m_fadeTimer, &QTimer::timeout, this, &TbsSkinMenu::FadeStep);
}

TbsSkinMenu::~TbsSkinMenu()
{
    qApp->removeEventFilter(this);
    for (const QPointer<TbsSkinPopupWindow>& popup : m_popups)
        delete popup.data();
    for (const QPointer<TbsSkinPopupWindow>& popup : m_closedPopups)
        delete popup.data();
}

TbsSkinMenu* TbsSkinMenu::Of(QWidget* widget)
{
    if (!widget)
        return nullptr;
    QWidget* form = widget->window();
    if (auto* menu = form->findChild<TbsSkinMenu*>(QString(), Qt::FindDirectChildrenOnly))
        return menu;
    return new TbsSkinMenu(form);
}

std::vector<TbsSkinPopupWindow*> TbsSkinMenu::Popups() const
{
    std::vector<TbsSkinPopupWindow*> popups;
    for (const QPointer<TbsSkinPopupWindow>& popup : m_popups) {
        if (popup)
            popups.push_back(popup.data());
    }
    return popups;
}

TbsSkinPopupWindow* TbsSkinMenu::PopupUnder(const QPoint& globalPoint) const
{
    for (auto popup = m_popups.rbegin(); popup != m_popups.rend(); ++popup) {
        if (*popup && (*popup)->isVisible() && (*popup)->geometry().contains(globalPoint))
            return popup->data();
    }
    return nullptr;
}

int TbsSkinMenu::LevelOf(const TbsSkinPopupWindow* window) const
{
    for (std::size_t i = 0; i < m_popups.size(); ++i) {
        if (m_popups[i] == window)
            return static_cast<int>(i);
    }
    return -1;
}

void TbsSkinMenu::PopupAt(QObject* popupControl, TbsSkinData* skinData, bool upward, TbsMenuItem* parentItem,
    const QRect& anchor, int startIndex)
{
    m_first = !m_visible;
    if (m_visible)
        CloseFrom(0);
    m_popupControl = popupControl;
    m_workArea = WindowWorkArea(m_form ? m_form->frameGeometry() : anchor);
    m_skinData = skinData;
    m_look = LookUpPopupLook(skinData, m_lookOptions);
    if (!parentItem)
        return;
    bool anyShown = false;
    for (int i = std::max(0, startIndex); i < parentItem->Count(); ++i)
        anyShown = anyShown || parentItem->Items(i)->Visible();
    if (!anyShown)
        return;
    m_visible = true;
    qApp->installEventFilter(this);
    ShowPopup(*parentItem, startIndex, anchor, upward ? PopupOpening::Up : PopupOpening::Down);
    m_first = false;
}

void TbsSkinMenu::ShowPopup(TbsMenuItem& parentItem, int startIndex, const QRect& anchor, PopupOpening opening)
{
    std::erase_if(m_closedPopups, [](const QPointer<TbsSkinPopupWindow>& popup) { return !popup; });
    auto* popup = new TbsSkinPopupWindow(*this, m_look, parentItem, startIndex, m_maxMenuItemsInWindow, m_workArea);
    m_popups.emplace_back(popup);
    if (m_alphaBlend) {
        const bool fade = m_first && m_alphaBlendAnimation;
        popup->setWindowOpacity(fade ? 0.0 : m_alphaBlendValue / 255.0);
        if (fade)
            m_fadeTimer.start();
    }
    popup->PopupAt(anchor, opening);
}

void TbsSkinMenu::FadeStep()
{
    TbsSkinPopupWindow* popup = m_popups.empty() ? nullptr : m_popups.front().data();
    if (!popup) {
        m_fadeTimer.stop();
        return;
    }
    const int target = std::clamp(m_alphaBlendValue, 0, 255);
    const int next = std::min(target, qRound(popup->windowOpacity() * 255) + kFadeStep);
    popup->setWindowOpacity(next / 255.0);
    if (next >= target)
        m_fadeTimer.stop();
}

void TbsSkinMenu::CloseFrom(int level)
{
    level = std::max(0, level);
    while (static_cast<int>(m_popups.size()) > level) {
        QPointer<TbsSkinPopupWindow> popup = m_popups.back();
        m_popups.pop_back();
        if (popup) {
            popup->hide();
            // The popup may be the one whose event handler closes the menu.
            popup->deleteLater();
            m_closedPopups.push_back(popup);
        }
    }
    if (level > 0) {
        if (TbsSkinPopupWindow* parent = m_popups.back().data()) {
            for (int i = 0; i < static_cast<int>(parent->Items().size()); ++i) {
                if (parent->Items()[static_cast<std::size_t>(i)].submenuOpen)
                    parent->SetSubmenuOpen(i, false);
            }
        }
        return;
    }
    if (!m_visible)
        return;
    m_visible = false;
    m_waitTimer.stop();
    m_fadeTimer.stop();
    qApp->removeEventFilter(this);
    m_commandTarget = m_popupControl;
    QPointer<QObject> control = m_popupControl;
    m_popupControl = nullptr;
    Notify(control, WM_SKINMENU_CLOSED);
    if (OnMenuClose) {
        const std::function<void()> onMenuClose = std::move(OnMenuClose);
        OnMenuClose = nullptr;
        onMenuClose();
    }
}

void TbsSkinMenu::FrameMenuOpening() const
{
    if (m_frameLink.menuOpening)
        m_frameLink.menuOpening();
}

TbsSkinData* TbsSkinMenu::FrameMenuSkin() const
{
    return m_frameLink.menuSkin ? m_frameLink.menuSkin() : nullptr;
}

void TbsSkinMenu::CloseMenus()
{
    CloseFrom(0);
    m_waitWindow = nullptr;
    m_waitIndex = -1;
    Notify(m_form, WM_SKINMENU_CLOSED);
}

void TbsSkinMenu::CloseIfShowing(const TbsMenuItem* parentItem)
{
    if (m_visible && !m_popups.empty() && m_popups.front() && &m_popups.front()->ParentItem() == parentItem)
        CloseMenus();
}

void TbsSkinMenu::ItemCommand(TbsSkinPopupWindow& window, int index)
{
    TbsMenuItem* item = window.Items().at(static_cast<std::size_t>(index)).menuItem;
    if (item->Count() > 0) {
        OpenSubmenu(window, index);
        return;
    }
    m_waitTimer.stop();
    CloseMenus();
    // The handler may free the menu, the item and even this engine's window.
    const QPointer<TbsSkinMenu> self(this);
    const std::function<void()> onClick = item->OnClick;
    if (onClick)
        onClick();
    if (!self)
        return;
    QPointer<QObject> target = m_commandTarget;
    m_commandTarget = nullptr;
    Notify(target, WM_SKINMENU_COMMAND);
}

void TbsSkinMenu::OpenSubmenu(TbsSkinPopupWindow& window, int index)
{
    TbsMenuItem* item = window.Items().at(static_cast<std::size_t>(index)).menuItem;
    const QPointer<TbsSkinPopupWindow> guard(&window);
    item->Click();
    if (!guard || !m_visible)
        return;
    m_waitTimer.stop();
    const int level = LevelOf(&window);
    if (level < 0)
        return;
    CloseFrom(level + 1);
    window.SetSubmenuOpen(index, true);
    ShowPopup(*item, 0, window.ItemScreenRect(index), PopupOpening::Submenu);
}

void TbsSkinMenu::StartWait(TbsSkinPopupWindow& window, int index)
{
    m_waitWindow = &window;
    m_waitIndex = index;
    m_waitTimer.start();
}

void TbsSkinMenu::StopWait(const TbsSkinPopupWindow& window, int index)
{
    if (m_waitWindow == &window && m_waitIndex == index) {
        m_waitTimer.stop();
        m_waitWindow = nullptr;
        m_waitIndex = -1;
    }
}

void TbsSkinMenu::WaitTimeout()
{
    TbsSkinPopupWindow* window = m_waitWindow.data();
    const int index = m_waitIndex;
    m_waitWindow = nullptr;
    m_waitIndex = -1;
    if (window && LevelOf(window) >= 0 && index >= 0 && index < static_cast<int>(window->Items().size()))
        OpenSubmenu(*window, index);
}

bool TbsSkinMenu::InsidePopup(QObject* object) const
{
    // Input reaches a window's platform window first, then its widgets.
    auto* widget = qobject_cast<QWidget*>(object);
    auto* window = qobject_cast<QWindow*>(object);
    return std::any_of(m_popups.begin(), m_popups.end(), [widget, window](const QPointer<TbsSkinPopupWindow>& popup) {
        return popup && ((widget && widget->window() == popup) || (window && window == popup->windowHandle()));
    });
}

bool TbsSkinMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_visible)
        return false;
    // System keys (Alt, keys pressed with it, F10) are the window's, not
    // the menu's: Alt alone and F10 close a menu of the window's frame.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress
        || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Alt || key->key() == Qt::Key_F10 || (key->modifiers() & Qt::AltModifier))
            return false;
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease:
        event->accept();
        return true;
    case QEvent::KeyPress: {
        if (!m_popups.empty() && m_popups.back()) {
            auto* key = static_cast<QKeyEvent*>(event);
            const QPointer<TbsSkinPopupWindow> last = m_popups.back();
            last->KeyDown(key->key(), key->text());
        }
        return true;
    }
    case QEvent::Wheel:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
        if (InsidePopup(watched))
            return false;
        CloseMenus();
        return true;
    case QEvent::WindowDeactivate:
        if (watched == m_form)
            CloseMenus();
        return false;
    case QEvent::ApplicationStateChange:
        if (QGuiApplication::applicationState() != Qt::ApplicationActive)
            CloseMenus();
        return false;
    default:
        return false;
    }
}
