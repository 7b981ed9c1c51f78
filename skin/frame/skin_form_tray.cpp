// The tray companion of the controller: minimizing to the tray icon, coming
// back from it, and the icon's menu.
#include "skin/frame/skin_form.h"

#include "skin/data/frame_command.h"
#include "skin/menus/frame_menu_row_names.h"
#include "skin/menus/menu_item.h"
#include "skin/data/skin_data.h"
#include "skin/frame/tray_icon.h"
#include "skin/menus/skin_popup_menu.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

void TbsSkinForm::CreateTrayPopupMenu()
{
    m_trayPopupMenu = new TbsSkinPopupMenu(m_form);
    TbsMenuItem& items = m_trayPopupMenu->Items();
    items.Add(QString(), [this] { RestoreFromTray(); })->SetName(kTrayRowRestore);
    items.AddSeparator();
    TbsMenuItem* close = items.Add(QString(), [this] {
        // A hidden window closes without ending the program; shown for the
        // moment of closing, it counts as the last window closed.
        if (m_form->isHidden()) {
            m_form->show();
            m_form->close();
            return;
        }
        RunCommand(cmClose);
    });
    close->SetName(kTrayRowClose);
    close->SetShortCut(QKeySequence(Qt::ALT | Qt::Key_F4));
    m_trayPopupMenu->OnPopup = [this] { UpdateTrayMenuCaptions(); };
    UpdateTrayMenuCaptions();
}

void TbsSkinForm::UpdateTrayMenuCaptions()
{
    if (!m_trayPopupMenu)
        return;
    TbsMenuItem& items = m_trayPopupMenu->Items();
    if (TbsMenuItem* restore = items.Find(kTrayRowRestore))
        restore->SetCaption(SkinResStr(m_skinData, QStringLiteral("MI_RESTORECAPTION")));
    if (TbsMenuItem* close = items.Find(kTrayRowClose))
        close->SetCaption(SkinResStr(m_skinData, QStringLiteral("MI_CLOSECAPTION")));
}

TbsSkinPopupMenu* TbsSkinForm::TrayPopupMenu() const
{
    return m_trayPopupMenu;
}

TbsTrayIcon* TbsSkinForm::TrayIcon() const
{
    return m_trayIcon;
}

void TbsSkinForm::SetTrayIcon(TbsTrayIcon* trayIcon)
{
    if (m_trayIcon == trayIcon)
        return;
    if (m_trayIcon) {
        disconnect(m_trayIcon, nullptr, this, nullptr);
        if (m_trayIcon->PopupMenu() == m_trayPopupMenu)
            m_trayIcon->SetPopupMenu(nullptr);
    }
    m_trayIcon = trayIcon;
    if (!m_trayIcon)
        return;
    connect(m_trayIcon, &TbsTrayIcon::OnClick, this, &TbsSkinForm::RestoreFromTray);
    if (!m_trayIcon->PopupMenu())
        m_trayIcon->SetPopupMenu(m_trayPopupMenu);
    if (m_trayIcon->Icon().isNull()) {
        const QIcon icon = m_form->windowIcon();
        m_trayIcon->SetIcon(icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_ComputerIcon) : icon);
    }
    if (m_trayIcon->Hint().isEmpty())
        m_trayIcon->SetHint(m_form->windowTitle());
    if (m_alwaysShowInTray)
        m_trayIcon->SetIconVisible(true);
}

void TbsSkinForm::SetAlwaysShowInTray(bool value)
{
    m_alwaysShowInTray = value;
    if (!m_trayIcon)
        return;
    // Hiding the icon of a window that is in the tray would lose the window.
    if (value || !m_form->isHidden())
        m_trayIcon->SetIconVisible(value);
}

void TbsSkinForm::MinimizeToTray()
{
    switch (TrayMinimizeActionFor(m_trayIcon, TbsTrayIcon::Available())) {
    case TrayMinimizeAction::None:
        return;
    case TrayMinimizeAction::MinimizeNormally:
        SetSkinWindowState(TbsWindowState::wsMinimized);
        return;
    case TrayMinimizeAction::HideToTray:
        m_trayIcon->SetIconVisible(true);
        m_form->hide();
        emit OnMinimizeToTray();
        return;
    }
}

void TbsSkinForm::RestoreFromTray()
{
    if (!m_trayIcon)
        return;
    if (m_form->isMinimized())
        m_form->showNormal();
    else
        m_form->show();
    m_form->raise();
    m_form->activateWindow();
    if (!m_alwaysShowInTray)
        m_trayIcon->SetIconVisible(false);
    emit OnRestoreFromTray();
}
