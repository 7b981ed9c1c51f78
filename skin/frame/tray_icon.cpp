#include "skin/frame/tray_icon.h"

#include "skin/menus/skin_popup_menu.h"

#include <QCursor>
#include <QSystemTrayIcon>

namespace {

std::optional<bool> g_availableOverride;

} // namespace

TrayMinimizeAction TrayMinimizeActionFor(bool hasTrayIcon, bool trayAvailable)
{
    if (!hasTrayIcon)
        return TrayMinimizeAction::None;
    return trayAvailable ? TrayMinimizeAction::HideToTray : TrayMinimizeAction::MinimizeNormally;
}

TbsTrayIcon::TbsTrayIcon(QObject* parent)
    : QObject(parent)
{
}

TbsTrayIcon::~TbsTrayIcon() = default;

bool TbsTrayIcon::Available()
{
    if (g_availableOverride)
        return *g_availableOverride;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TbsTrayIcon::SetAvailableOverride(std::optional<bool> value)
{
    g_availableOverride = value;
}

void TbsTrayIcon::SetIcon(const QIcon& icon)
{
    m_iconImage = icon;
    if (m_systemIcon)
        m_systemIcon->setIcon(icon);
}

void TbsTrayIcon::SetHint(const QString& hint)
{
    m_hint = hint;
    if (m_systemIcon)
        m_systemIcon->setToolTip(hint);
}

void TbsTrayIcon::SetIconVisible(bool visible)
{
    m_iconVisible = visible;
    SyncSystemIcon();
}

void TbsTrayIcon::SyncSystemIcon()
{
    // Only a desktop with a tray gets an icon; a pretended tray (tests) and
    // a desktop without one keep the state alone.
    const bool wanted = m_iconVisible && !g_availableOverride && QSystemTrayIcon::isSystemTrayAvailable();
    if (!wanted) {
        if (m_systemIcon)
            m_systemIcon->hide();
        return;
    }
    if (!m_systemIcon) {
        m_systemIcon = std::make_unique<QSystemTrayIcon>();
        connect(m_systemIcon.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Context)
                    ShowPopupMenu(QCursor::pos());
                else if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    emit OnClick();
            });
    }
    m_systemIcon->setIcon(m_iconImage);
    m_systemIcon->setToolTip(m_hint);
    m_systemIcon->show();
}

void TbsTrayIcon::ShowPopupMenu(const QPoint& globalPos)
{
    if (m_popupMenu)
        m_popupMenu->Popup(globalPos.x(), globalPos.y());
}
