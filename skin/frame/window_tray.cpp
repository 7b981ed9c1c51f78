#include "skin/frame/window_tray.h"

#include "skin/frame/tray_icon.h"
#include "skin/frame/window_state_controller.h"
#include "skin/menus/skin_popup_menu.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

TbsWindowTray::TbsWindowTray(QWidget& window, TbsWindowStateController& states, TbsWindowStateHost& host)
    : m_window(window)
    , m_states(states)
    , m_host(host)
{
}

TbsWindowTray::~TbsWindowTray() = default;

TbsTrayIcon* TbsWindowTray::TrayIcon() const
{
    return m_trayIcon;
}

void TbsWindowTray::SetTrayIcon(TbsTrayIcon* trayIcon)
{
    if (m_trayIcon == trayIcon)
        return;
    if (m_trayIcon) {
        disconnect(m_trayIcon, nullptr, this, nullptr);
        if (m_trayIcon->PopupMenu() == m_trayMenu)
            m_trayIcon->SetPopupMenu(nullptr);
    }
    m_trayIcon = trayIcon;
    if (!m_trayIcon)
        return;
    connect(m_trayIcon, &TbsTrayIcon::OnClick, this, &TbsWindowTray::RestoreFromTray);
    if (!m_trayIcon->PopupMenu())
        m_trayIcon->SetPopupMenu(m_trayMenu);
    if (m_trayIcon->Icon().isNull()) {
        const QIcon icon = m_window.windowIcon();
        m_trayIcon->SetIcon(icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_ComputerIcon) : icon);
    }
    if (m_trayIcon->Hint().isEmpty())
        m_trayIcon->SetHint(m_window.windowTitle());
    if (m_alwaysShowInTray)
        m_trayIcon->SetIconVisible(true);
}

void TbsWindowTray::SetTrayMenu(TbsSkinPopupMenu* menu)
{
    m_trayMenu = menu;
}

void TbsWindowTray::SetAlwaysShowInTray(bool value)
{
    m_alwaysShowInTray = value;
    if (!m_trayIcon)
        return;
    // Hiding the icon of a window that is in the tray would lose the window.
    if (value || !m_window.isHidden())
        m_trayIcon->SetIconVisible(value);
}

void TbsWindowTray::MinimizeToTray()
{
    switch (TrayMinimizeActionFor(m_trayIcon, TbsTrayIcon::Available())) {
    case TrayMinimizeAction::None:
        return;
    case TrayMinimizeAction::MinimizeNormally:
        m_states.SetState(TbsWindowState::wsMinimized);
        return;
    case TrayMinimizeAction::HideToTray:
        m_trayIcon->SetIconVisible(true);
        m_window.hide();
        m_host.MinimizedToTray();
        return;
    }
}

void TbsWindowTray::RestoreFromTray()
{
    if (!m_trayIcon)
        return;
    if (m_window.isMinimized())
        m_window.showNormal();
    else
        m_window.show();
    m_window.raise();
    m_window.activateWindow();
    if (!m_alwaysShowInTray)
        m_trayIcon->SetIconVisible(false);
    m_host.RestoredFromTray();
}
