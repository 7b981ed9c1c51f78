// The menu of the window's tray icon; TbsWindowTray takes the window to the
// tray and back.
#include "skin/frame/skin_form.h"

#include "skin/data/frame_command.h"
#include "skin/menus/frame_menu_row_names.h"
#include "skin/menus/menu_item.h"
#include "skin/data/skin_data.h"
#include "skin/menus/skin_popup_menu.h"

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
    m_tray->SetTrayMenu(m_trayPopupMenu);
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
