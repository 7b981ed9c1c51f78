#include "skin/menus/skin_popup_menu.h"

#include "skin/data/skin_data.h"
#include "skin/menus/skin_menu.h"

#include <QWidget>

TbsSkinPopupMenu::TbsSkinPopupMenu(QWidget* owner)
    : QObject(owner)
    , m_owner(owner)
{
}

TbsSkinPopupMenu::~TbsSkinPopupMenu()
{
    // An open menu must not outlive its rows.
    if (m_engine)
        m_engine->CloseIfShowing(&m_items);
}

TbsSkinData* TbsSkinPopupMenu::SkinData() const
{
    return m_skinData;
}

void TbsSkinPopupMenu::SetSkinData(TbsSkinData* skinData)
{
    m_skinData = skinData;
}

void TbsSkinPopupMenu::Popup(int x, int y, bool upward)
{
    PopupAtRect(QRect(x, y, 0, 0), upward);
}

void TbsSkinPopupMenu::PopupAtRect(const QRect& screenRect, bool upward)
{
    if (OnPopup)
        OnPopup();
    m_engine = TbsSkinMenu::Of(m_owner);
    // The menu open before closes with its own notifications first, the
    // frame's menu-closed handling among them.
    if (m_engine->Visible())
        m_engine->CloseMenus();
    TbsSkinData* skin = m_skinData ? m_skinData.data() : m_engine->FrameMenuSkin();
    m_engine->FrameMenuOpening();
    m_engine->PopupAt(this, skin, upward, &m_items, screenRect);
    if (m_engine->Visible())
        m_engine->OnMenuClose = OnMenuClose;
    else
        m_engine->CloseMenus(); // nothing to show: the frame hears the menu closed
}
