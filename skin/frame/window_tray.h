#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class TbsSkinPopupMenu;
class TbsTrayIcon;
class TbsWindowStateController;
class TbsWindowStateHost;

// A window's way to the desktop's tray and back. Without a tray icon the
// window has no way to the tray and the tray operations do nothing. The icon
// is the window's while it is set: a click on it brings the window back, and
// unless it has a menu of its own it shows the tray menu. Where the desktop
// has no tray the window is minimized through its state controller instead.
class TbsWindowTray : public QObject {
    Q_OBJECT

public:
    TbsWindowTray(QWidget& window, TbsWindowStateController& states, TbsWindowStateHost& host);
    ~TbsWindowTray() override;

    TbsTrayIcon* TrayIcon() const;
    void SetTrayIcon(TbsTrayIcon* trayIcon);
    // The menu a tray icon without one of its own is given.
    void SetTrayMenu(TbsSkinPopupMenu* menu);
    // The icon stays in the tray while the window shows too.
    bool AlwaysShowInTray() const { return m_alwaysShowInTray; }
    void SetAlwaysShowInTray(bool value);
    // The minimize command goes to the tray.
    bool AlwaysMinimizeToTray() const { return m_alwaysMinimizeToTray; }
    void SetAlwaysMinimizeToTray(bool value) { m_alwaysMinimizeToTray = value; }
    // Hides the window to the tray; where the desktop has no tray, minimizes
    // it instead.
    void MinimizeToTray();
    // Brings the window back from the tray (or from being minimized).
    void RestoreFromTray();

private:
    QWidget& m_window;
    TbsWindowStateController& m_states;
    TbsWindowStateHost& m_host;
    QPointer<TbsTrayIcon> m_trayIcon;
    QPointer<TbsSkinPopupMenu> m_trayMenu;
    bool m_alwaysShowInTray { false };
    bool m_alwaysMinimizeToTray { false };
};
