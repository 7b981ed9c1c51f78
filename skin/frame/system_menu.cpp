#include "skin/frame/system_menu.h"

#include "skin/data/frame_command.h"
#include "skin/data/skin_data.h"
#include "skin/menus/frame_menu_row_names.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"

#include <QWidget>

namespace {

std::unique_ptr<TbsMenuItem> Row(const TbsSystemMenuHost& host, const QString& name, const QString& textName,
    std::function<void()> onClick)
{
    auto row = std::make_unique<TbsMenuItem>(SkinResStr(host.TextSkin(), textName), std::move(onClick));
    row->SetName(name);
    return row;
}

// The standard rows above the separator, in the order given, each present
// only where the window's state has it.
std::vector<std::unique_ptr<TbsMenuItem>> StateRows(TbsSystemMenuHost& window, const std::vector<QString>& order)
{
    const TbsWindowState state = window.WindowState();
    const TbsBorderIcons icons = window.BorderIcons();
    std::vector<std::unique_ptr<TbsMenuItem>> rows;
    for (const QString& name : order) {
        if (name == kFrameRowMinimize && state != TbsWindowState::wsMinimized && (icons & biMinimize)) {
            // The window minimizes to the tray where it always does.
            rows.push_back(
                Row(window, name, QStringLiteral("MI_MINCAPTION"), [&window] { window.RunCommand(cmMinimize); }));
        } else if (name == kFrameRowMaximize && state != TbsWindowState::wsMaximized && (icons & biMaximize)) {
            rows.push_back(Row(window, name, QStringLiteral("MI_MAXCAPTION"),
                [&window] { window.SetWindowState(TbsWindowState::wsMaximized); }));
        } else if (name == kFrameRowRestore && (state != TbsWindowState::wsNormal || window.RolledUp())) {
            rows.push_back(Row(window, name, QStringLiteral("MI_RESTORECAPTION"), [&window] {
                const bool rolledDown = window.RolledUp()
                    && (window.RolledUpWhileMaximized() || window.WindowState() == TbsWindowState::wsNormal);
                if (rolledDown)
                    window.SetRolledUp(false);
                else
                    window.SetWindowState(TbsWindowState::wsNormal);
            }));
        } else if (name == kFrameRowRollUp && (icons & biRollUp) && !window.RolledUp()
            && state != TbsWindowState::wsMinimized) {
            rows.push_back(Row(window, name, QStringLiteral("MI_ROLLUPCAPTION"), [&window] { window.SetRolledUp(true); }));
        } else if (name == kFrameRowMinimizeToTray && (icons & biMinimizeToTray)) {
            rows.push_back(Row(window, name, QStringLiteral("MI_MINTOTRAYCAPTION"),
                [&window] { window.RunCommand(cmMinimizeToTray); }));
        }
    }
    return rows;
}

std::unique_ptr<TbsMenuItem> CloseRow(TbsSystemMenuHost& window)
{
    auto close = Row(window, kFrameRowClose, QStringLiteral("MI_CLOSECAPTION"), [&window] { window.RunCommand(cmClose); });
    close->SetShortCut(QKeySequence(Qt::ALT | Qt::Key_F4));
    return close;
}

} // namespace

TbsSystemMenu::TbsSystemMenu(TbsSystemMenuHost& host, QObject* parent)
    : QObject(parent)
    , m_host(host)
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
    for (auto& row : StateRows(m_host, { kFrameRowMinimize, kFrameRowMaximize, kFrameRowRestore, kFrameRowRollUp, kFrameRowMinimizeToTray }))
        menu->Add(std::move(row));
    if (menu->Count() > 0)
        menu->AddSeparator();
    menu->Add(CloseRow(m_host));
    return menu;
}

void TbsSystemMenu::MergeIntoSystemMenu()
{
    for (const QString& name : { kFrameRowMinimize, kFrameRowMaximize, kFrameRowRestore, kFrameRowRollUp, kFrameRowMinimizeToTray, kFrameRowClose }) {
        while (TbsMenuItem* row = m_systemMenu->Find(name))
            m_systemMenu->Take(row);
    }
    int index = 0;
    for (auto& row : StateRows(m_host, { kFrameRowMinimize, kFrameRowRestore, kFrameRowMaximize, kFrameRowRollUp, kFrameRowMinimizeToTray }))
        m_systemMenu->Insert(index++, std::move(row));
    m_systemMenu->Add(CloseRow(m_host));
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
    QWidget* form = m_host.Window();
    m_engine = TbsSkinMenu::Of(form);
    // Opening closes the menu shown before, so its rows go only after.
    m_engine->PopupAt(form, m_host.MenuSkin(), false, shown, screenAnchor);
    if (built)
        m_defaultMenu = std::move(built);
    if (!m_engine->Visible())
        m_host.MenuClosed();
}

const TbsMenuItem* TbsSystemMenu::ShownMenu() const
{
    return m_systemMenu ? m_systemMenu : m_defaultMenu.get();
}
