#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skin/frame/frame_button_objects.h"
#include "skin/frame/system_menu.h"
#include "skin/menus/popup_look.h"
#include "skin/menus/skin_menu.h"

#include <QWidget>

TbsSkinData* TbsSkinForm::MenusSkinData() const
{
    return m_menusSkinData;
}

void TbsSkinForm::SetMenusSkinData(TbsSkinData* skinData)
{
    m_menusSkinData = skinData;
}

TbsMenuItem* TbsSkinForm::SystemMenu() const
{
    return m_systemMenu->SystemMenu();
}

void TbsSkinForm::SetSystemMenu(TbsMenuItem* menu)
{
    m_systemMenu->SetSystemMenu(menu);
}

bool TbsSkinForm::UseDefaultSysMenu() const
{
    return m_systemMenu->UseDefaultSysMenu();
}

void TbsSkinForm::SetUseDefaultSysMenu(bool value)
{
    m_systemMenu->SetUseDefaultSysMenu(value);
}

TbsSkinData* TbsSkinForm::MenuSkin() const
{
    return m_menusSkinData ? m_menusSkinData.data() : m_skinData.data();
}

void TbsSkinForm::SetMaxMenuItemsInWindow(int value)
{
    if (value < 0)
        return;
    m_maxMenuItemsInWindow = value;
    ForwardMenuSettings();
}

void TbsSkinForm::SetDefMenuItemHeight(int value)
{
    if (value <= 0)
        return;
    m_defMenuItemHeight = value;
    ForwardMenuSettings();
}

void TbsSkinForm::SetDefMenuItemFont(const QFont& font)
{
    m_defMenuItemFont = font;
    ForwardMenuSettings();
}

void TbsSkinForm::SetUseSkinFontInMenu(bool value)
{
    m_useSkinFontInMenu = value;
    ForwardMenuSettings();
}

void TbsSkinForm::SetMenusAlphaBlend(bool value)
{
    m_menusAlphaBlend = value;
    ForwardMenuSettings();
}

void TbsSkinForm::SetMenusAlphaBlendAnimation(bool value)
{
    m_menusAlphaBlendAnimation = value;
    ForwardMenuSettings();
}

void TbsSkinForm::SetMenusAlphaBlendValue(int value)
{
    m_menusAlphaBlendValue = value;
    ForwardMenuSettings();
}

void TbsSkinForm::ForwardMenuSettings()
{
    // The engine is the window's, shared with every control in it; Of()
    // creates it the first time, so it starts out with these settings.
    TbsSkinMenu* engine = TbsSkinMenu::Of(m_form);
    engine->SetMaxMenuItemsInWindow(m_maxMenuItemsInWindow);
    engine->SetDefaultMenuItemHeight(m_defMenuItemHeight);
    engine->SetDefaultMenuItemFont(m_defMenuItemFont);
    engine->SetUseSkinFont(m_useSkinFontInMenu);
    engine->SetAlphaBlend(m_menusAlphaBlend);
    engine->SetAlphaBlendAnimation(m_menusAlphaBlendAnimation);
    engine->SetAlphaBlendValue(m_menusAlphaBlendValue);
    // The window's popup menu components open and close as the frame's own.
    engine->SetFrameLink({ [this] { MenuOpening(); }, [this] { return MenuSkin(); } });
}

void TbsSkinForm::SetObjectPopupMenu(const QString& idName, TbsSkinPopupMenu* menu, bool popupUp)
{
    std::erase_if(m_objectPopupMenus, [&idName](const ObjectPopupMenu& entry) { return entry.idName == idName; });
    if (menu)
        m_objectPopupMenus.push_back({ idName, menu, popupUp });
    AttachObjectPopupMenus();
}

void TbsSkinForm::AttachObjectPopupMenus()
{
    for (const auto& object : m_objects) {
        auto* button = dynamic_cast<TbsSkinButtonObject*>(object.get());
        if (!button || dynamic_cast<TbsSkinStdButtonObject*>(button))
            continue;
        button->PopupMenu = nullptr;
        for (const ObjectPopupMenu& entry : m_objectPopupMenus) {
            if (entry.idName == button->IDName) {
                button->PopupMenu = entry.menu;
                button->PopupUp = entry.popupUp;
            }
        }
    }
}

void TbsSkinForm::MenuOpening()
{
    if (m_skinMenuOpen)
        return;
    m_skinMenuOpen = true;
    emit OnSkinMenuOpen();
}
