#include "skin/frame/system_menu.h"

#include "skin/data/frame_command.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/frame_menu_row_names.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"

#include <QWidget>

namespace {

std::unique_ptr<TbsMenuItem> Row(const TbsSkinForm& skinForm, const QString& name, const QString& textName,
    std::function<void()> onClick)
{
    auto row = std::make_unique<TbsMenuItem>(SkinResStr(skinForm.SkinData(), textName), std::move(onClick));
    row->SetName(name);
    return row;
}

// The standard rows above the separator, in the order given, each present
// only where the form's state has it.
std::vector<std::unique_ptr<TbsMenuItem>> StateRows(TbsSkinForm& form, const std::vector<QString>& order)
{
    const TbsWindowState state = form.SkinWindowState();
    const TbsBorderIcons icons = form.BorderIcons();
    std::vector<std::unique_ptr<TbsMenuItem>> rows;
    for (const QString& name : order) {
        if (name == kFrameRowMinimize && state != TbsWindowState::wsMinimized && (icons & biMinimize)) {
            rows.push_back(Row(form, name, QStringLiteral("MI_MINCAPTION"), [&form] {
                if (form.AlwaysMinimizeToTray())
                    form.MinimizeToTray();
                else
                    form.SetSkinWindowState(TbsWindowState::wsMinimized);
            }));
        } else if (name == kFrameRowMaximize && state != TbsWindowState::wsMaximized && (icons & biMaximize)) {
            rows.push_back(Row(form, name, QStringLiteral("MI_MAXCAPTION"),
                [&form] { form.SetSkinWindowState(TbsWindowState::wsMaximized); }));
        } else if (name == kFrameRowRestore && (state != TbsWindowState::wsNormal || form.RolledUp())) {
            rows.push_back(Row(form, name, QStringLiteral("MI_RESTORECAPTION"), [&form] {
                const bool rolledDown = form.RolledUp()
                    && (form.RolledUpWhileMaximized() || form.SkinWindowState() == TbsWindowState::wsNormal);
                if (rolledDown)
                    form.SetRolledUp(false);
                else
                    form.SetSkinWindowState(TbsWindowState::wsNormal);
            }));
        } else if (name == kFrameRowRollUp && (icons & biRollUp) && !form.RolledUp()
            && state != TbsWindowState::wsMinimized) {
            rows.push_back(Row(form, name, QStringLiteral("MI_ROLLUPCAPTION"), [&form] { form.SetRolledUp(true); }));
        } else if (name == kFrameRowMinimizeToTray && (icons & biMinimizeToTray)) {
            rows.push_back(Row(form, name, QStringLiteral("MI_MINTOTRAYCAPTION"),
                [&form] { form.MinimizeToTray(); }));
        }
    }
    return rows;
}

std::unique_ptr<TbsMenuItem> CloseRow(TbsSkinForm& form)
{
    auto close = Row(form, kFrameRowClose, QStringLiteral("MI_CLOSECAPTION"), [&form] { form.RunCommand(cmClose); });
    close->SetShortCut(QKeySequence(Qt::ALT | Qt::Key_F4));
    return close;
}

} // namespace

TbsSystemMenu::TbsSystemMenu(TbsSkinForm& skinForm)
    : QObject(&skinForm)
    , m_skinForm(skinForm)
{
}

TbsSystemMenu::~TbsSystemMenu()
{
    // An open menu must not outlive its rows.
    if (m_engine)
        m_engine->CloseIfShowing(m_defaultMenu.get());
}

std::unique_ptr<TbsMenuItem> TbsSystemMenu::BuildDefaultMenu() const
{
    auto menu = std::make_unique<TbsMenuItem>();
    for (auto& row : StateRows(m_skinForm, { kFrameRowMinimize, kFrameRowMaximize, kFrameRowRestore, kFrameRowRollUp, kFrameRowMinimizeToTray }))
        menu->Add(std::move(row));
    if (menu->Count() > 0)
        menu->AddSeparator();
    menu->Add(CloseRow(m_skinForm));
    return menu;
}

void TbsSystemMenu::MergeIntoSystemMenu()
{
    for (const QString& name : { kFrameRowMinimize, kFrameRowMaximize, kFrameRowRestore, kFrameRowRollUp, kFrameRowMinimizeToTray, kFrameRowClose }) {
        while (TbsMenuItem* row = m_systemMenu->Find(name))
            m_systemMenu->Take(row);
    }
    int index = 0;
    for (auto& row : StateRows(m_skinForm, { kFrameRowMinimize, kFrameRowRestore, kFrameRowMaximize, kFrameRowRollUp, kFrameRowMinimizeToTray }))
        m_systemMenu->Insert(index++, std::move(row));
    m_systemMenu->Add(CloseRow(m_skinForm));
}

void TbsSystemMenu::Show(const QRect& screenAnchor)
{
    TbsMenuItem* shown = m_systemMenu;
    std::unique_ptr<TbsMenuItem> built;
    if (!m_systemMenu) {
        built = BuildDefaultMenu();
        shown = built.get();
    } else if (m_useDefaultSysMenu) {
        MergeIntoSystemMenu();
    }
    QWidget* form = m_skinForm.Form();
    m_engine = TbsSkinMenu::Of(form);
    const SkinRect anchor { screenAnchor.left(), screenAnchor.top(), screenAnchor.left() + screenAnchor.width(),
        screenAnchor.top() + screenAnchor.height() };
    // Opening closes the menu shown before, so its rows go only after.
    m_engine->PopupAt(form, m_skinForm.MenuSkin(), false, shown, anchor);
    if (built)
        m_defaultMenu = std::move(built);
    if (!m_engine->Visible())
        m_skinForm.MenuClosed();
}

const TbsMenuItem* TbsSystemMenu::ShownMenu() const
{
    return m_systemMenu ? m_systemMenu : m_defaultMenu.get();
}
