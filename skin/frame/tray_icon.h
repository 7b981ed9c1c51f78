#pragma once

#include "skin/menus/skin_popup_menu.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

class QSystemTrayIcon;

// What minimizing a window to the tray does, given whether the window has a
// tray icon at all and whether the desktop shows a tray.
enum class TrayMinimizeAction {
    // No tray icon: nothing happens.
    None,
    // The desktop has no tray: a hidden window could not be found again, so
    // it is minimized the ordinary way.
    MinimizeNormally,
    // The icon shows and the window leaves the screen and the task bar.
    HideToTray,
};
TrayMinimizeAction TrayMinimizeActionFor(bool hasTrayIcon, bool trayAvailable);

// The icon a window shows in the desktop's notification area while it is
// minimized to the tray (or always). A left click or a double click asks for
// the window back (OnClick); a right click shows the icon's skinned popup
// menu at the cursor. Where the desktop has no tray the icon keeps its state
// but shows nothing.
class TbsTrayIcon : public QObject {
    Q_OBJECT

public:
    explicit TbsTrayIcon(QObject* parent = nullptr);
    ~TbsTrayIcon() override;

    // The desktop shows a tray now.
    static bool Available();
    // Makes Available() answer value instead of asking the desktop; nullopt
    // asks again. For tests of the decisions that depend on it.
    static void SetAvailableOverride(std::optional<bool> value);

    const QIcon& Icon() const { return m_iconImage; }
    void SetIcon(const QIcon& icon);
    // The tool tip of the icon.
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    // The icon is meant to be in the tray.
    bool IconVisible() const { return m_iconVisible; }
    void SetIconVisible(bool visible);

    // The menu of a right click; it must outlive the icon or be destroyed
    // before it, as a QObject.
    TbsSkinPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TbsSkinPopupMenu* menu) { m_popupMenu = menu; }
    // Shows the popup menu at a screen point, as a right click on the icon does.
    void ShowPopupMenu(const QPoint& globalPos);

signals:
    // The icon was clicked or double-clicked.
    void OnClick();

private:
    // Creates or drops the desktop's icon to match IconVisible.
    void SyncSystemIcon();

    QIcon m_iconImage;
    QString m_hint;
    bool m_iconVisible { false };
    QPointer<TbsSkinPopupMenu> m_popupMenu;
    std::unique_ptr<QSystemTrayIcon> m_systemIcon;
};
