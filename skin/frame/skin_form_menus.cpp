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

TbsSkinMenu& TbsSkinForm::MenuEngine() const
{
    // The engine is the window's, shared with every control in it; Of()
    // creates it the first time.
    return *TbsSkinMenu::Of(m_form);
}

void TbsSkinForm::AttachMenuEngine()
{
    TbsSkinMenu& engine = MenuEngine();
    engine.SetMaxMenuItemsInWindow(0);
    engine.SetDefaultMenuItemHeight(20);
    engine.SetDefaultMenuItemFont(DefaultMenuItemFont());
    engine.SetUseSkinFont(false);
    engine.SetAlphaBlend(false);
    engine.SetAlphaBlendAnimation(false);
    engine.SetAlphaBlendValue(200);
    // The window's popup menu components open and close as the frame's own.
    engine.SetFrameLink({ [this] { MenuOpening(); }, [this] { return MenuSkin(); } });
}

int TbsSkinForm::MaxMenuItemsInWindow() const
{
    return MenuEngine().MaxMenuItemsInWindow();
}

void TbsSkinForm::SetMaxMenuItemsInWindow(int value)
{
    if (value >= 0)
        MenuEngine().SetMaxMenuItemsInWindow(value);
}

int TbsSkinForm::DefMenuItemHeight() const
{
    return MenuEngine().DefaultMenuItemHeight();
}

void TbsSkinForm::SetDefMenuItemHeight(int value)
{
    if (value > 0)
        MenuEngine().SetDefaultMenuItemHeight(value);
}

const QFont& TbsSkinForm::DefMenuItemFont() const
{
    return MenuEngine().DefaultMenuItemFont();
}

void TbsSkinForm::SetDefMenuItemFont(const QFont& font)
{
    MenuEngine().SetDefaultMenuItemFont(font);
}

bool TbsSkinForm::UseSkinFontInMenu() const
{
    return MenuEngine().UseSkinFont();
}

void TbsSkinForm::SetUseSkinFontInMenu(bool value)
{
    MenuEngine().SetUseSkinFont(value);
}

bool TbsSkinForm::MenusAlphaBlend() const
{
    return MenuEngine().AlphaBlend();
}

void TbsSkinForm::SetMenusAlphaBlend(bool value)
{
    MenuEngine().SetAlphaBlend(value);
}

bool TbsSkinForm::MenusAlphaBlendAnimation() const
{
    return MenuEngine().AlphaBlendAnimation();
}

void TbsSkinForm::SetMenusAlphaBlendAnimation(bool value)
{
    MenuEngine().SetAlphaBlendAnimation(value);
}

int TbsSkinForm::MenusAlphaBlendValue() const
{
    return MenuEngine().AlphaBlendValue();
}

void TbsSkinForm::SetMenusAlphaBlendValue(int value)
{
    MenuEngine().SetAlphaBlendValue(value);
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
