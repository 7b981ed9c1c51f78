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
    if (OnPopup)
        OnPopup();
    m_engine = TbsSkinMenu::Of(m_owner);
    // The menu open before closes with its own notifications first.
    if (m_engine->Visible())
        m_engine->CloseMenus();
    m_engine->PopupAt(this, m_skinData, upward, &m_items, SkinRect { x, y, x, y });
    if (m_engine->Visible())
        m_engine->OnMenuClose = OnMenuClose;
}
