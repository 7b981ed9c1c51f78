#include "skin/controls/tab_close_buttons.h"

#include "skin/controls/tab_sheet.h"

bool TabCloseButtons::MouseIn(const TbsSkinTabSheet* page) const
{
    return page && page == m_hovered;
}

bool TabCloseButtons::Down(const TbsSkinTabSheet* page) const
{
    return page && page == m_pressed;
}

bool TabCloseButtons::Hover(TbsSkinTabSheet* page)
{
    if (page == m_hovered)
        return false;
    m_hovered = page;
    return true;
}

bool TabCloseButtons::Press(TbsSkinTabSheet* page)
{
    if (!MouseIn(page))
        return false;
    m_pressed = page;
    return true;
}

TbsSkinTabSheet* TabCloseButtons::Release()
{
    TbsSkinTabSheet* const released = m_pressed && m_pressed == m_hovered ? m_pressed.data() : nullptr;
    m_pressed = nullptr;
    return released;
}

void TabCloseButtons::Clear()
{
    m_hovered = nullptr;
    m_pressed = nullptr;
}
