#include "skin/data/frame_command.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skin/frame/tray_icon.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_menu.h"
#include "skin/menus/skin_popup_window.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A shown window with a tray icon, on a desktop that has a tray or not.
struct TrayWindow {
    QWidget form;
    TbsSkinForm* skinForm { new TbsSkinForm(&form) };
    TbsTrayIcon tray;

    explicit TrayWindow(bool trayAvailable)
    {
        TbsTrayIcon::SetAvailableOverride(trayAvailable);
        skinForm->SetTrayIcon(&tray);
        form.resize(400, 300);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    ~TrayWindow() { TbsTrayIcon::SetAvailableOverride(std::nullopt); }

    TbsSkinMenu* Engine() { return TbsSkinMenu::Of(&form); }
};

QStringList Rows(const TbsMenuItem& menu)
{
    QStringList rows;
    for (int i = 0; i < menu.Count(); ++i) {
        const TbsMenuItem& row = *menu.Items(i);
        rows << (row.IsSeparator() ? QStringLiteral("-") : row.Name() + u' ' + row.Caption());
    }
    return rows;
}

} // namespace

TEST(TrayIcon, MinimizingGoesToTheTrayOnlyWithAnIconOnADesktopWithATray)
{
    EXPECT_EQ(TrayMinimizeActionFor(false, true), TrayMinimizeAction::None);
    EXPECT_EQ(TrayMinimizeActionFor(false, false), TrayMinimizeAction::None);
    EXPECT_EQ(TrayMinimizeActionFor(true, false), TrayMinimizeAction::MinimizeNormally);
    EXPECT_EQ(TrayMinimizeActionFor(true, true), TrayMinimizeAction::HideToTray);
}

TEST(SkinFormTray, TheMinimizeButtonHidesTheWindowToTheTrayAndAClickBringsItBack)
{
    TrayWindow window(true);
    QSignalSpy toTray(window.skinForm, &TbsSkinForm::OnMinimizeToTray);
    QSignalSpy fromTray(window.skinForm, &TbsSkinForm::OnRestoreFromTray);
    window.skinForm->SetAlwaysMinimizeToTray(true);
    EXPECT_FALSE(window.tray.IconVisible());

    window.skinForm->RunCommand(cmMinimize);
    EXPECT_TRUE(window.form.isHidden());
    EXPECT_TRUE(window.tray.IconVisible());
    EXPECT_EQ(toTray.count(), 1);
    EXPECT_EQ(window.skinForm->SkinWindowState(), TbsWindowState::wsNormal);

    emit window.tray.OnClick();
    EXPECT_TRUE(window.form.isVisible());
    EXPECT_FALSE(window.form.isMinimized());
    EXPECT_FALSE(window.tray.IconVisible());
    EXPECT_EQ(fromTray.count(), 1);

    // An icon that always shows stays when the window comes back.
    window.skinForm->SetAlwaysShowInTray(true);
    EXPECT_TRUE(window.tray.IconVisible());
    window.skinForm->RunCommand(cmMinimizeToTray);
    EXPECT_TRUE(window.form.isHidden());
    window.skinForm->RestoreFromTray();
    EXPECT_TRUE(window.form.isVisible());
    EXPECT_TRUE(window.tray.IconVisible());
}

TEST(SkinFormTray, WithoutATrayTheWindowMinimizesAndWithoutAnIconNothingHappens)
{
    TrayWindow window(false);
    QSignalSpy toTray(window.skinForm, &TbsSkinForm::OnMinimizeToTray);
    window.skinForm->MinimizeToTray();
    EXPECT_FALSE(window.form.isHidden());
    EXPECT_TRUE(window.form.isMinimized());
    EXPECT_FALSE(window.tray.IconVisible());
    EXPECT_EQ(toTray.count(), 0);
    window.form.showNormal();

    TbsTrayIcon::SetAvailableOverride(true);
    window.skinForm->SetTrayIcon(nullptr);
    window.skinForm->MinimizeToTray();
    window.skinForm->RestoreFromTray();
    EXPECT_TRUE(window.form.isVisible());
    EXPECT_FALSE(window.form.isMinimized());
    EXPECT_EQ(toTray.count(), 0);
    EXPECT_EQ(window.tray.PopupMenu(), nullptr);
}

TEST(SkinFormTray, TheIconsMenuIsSkinnedTakesTheSkinsTextsAndRestoresTheWindow)
{
    TrayWindow window(true);
    TbsSkinData skin;
    TbsResourceStrData strings;
    strings.SetResStrings({ QStringLiteral("MI_RESTORECAPTION=还原(&R)"), QStringLiteral("MI_CLOSECAPTION=关闭(&C)") });
    window.skinForm->SetSkinData(&skin);
    skin.SetResourceStrData(&strings);

    ASSERT_EQ(window.tray.PopupMenu(), window.skinForm->TrayPopupMenu());
    window.skinForm->MinimizeToTray();
    ASSERT_TRUE(window.form.isHidden());
    window.tray.ShowPopupMenu(QPoint(300, 300));
    ASSERT_TRUE(window.Engine()->Visible());
    TbsSkinPopupWindow* popup = window.Engine()->Popups().front();
    EXPECT_EQ(Rows(popup->ParentItem()),
        (QStringList { "TRAY_BSF_RESTORE 还原(&R)", "-", "TRAY_BSF_CLOSE 关闭(&C)" }));
    EXPECT_EQ(MenuItemShortCutText(popup->ParentItem().Items(2)->ShortCut()), "Alt+F4");
    EXPECT_EQ(popup->ActiveItem(), 0);

    popup->KeyDown(Qt::Key_Return, QString());
    EXPECT_FALSE(window.Engine()->Visible());
    EXPECT_TRUE(window.form.isVisible());
    EXPECT_FALSE(window.tray.IconVisible());

    // Without the skin's texts the menu reads in English again.
    skin.SetResourceStrData(nullptr);
    window.skinForm->MinimizeToTray();
    window.tray.ShowPopupMenu(QPoint(300, 300));
    ASSERT_TRUE(window.Engine()->Visible());
    EXPECT_EQ(Rows(window.Engine()->Popups().front()->ParentItem()),
        (QStringList { "TRAY_BSF_RESTORE &Restore", "-", "TRAY_BSF_CLOSE &Close" }));

    // Closing from the tray ends the program as its last window does.
    TbsSkinPopupWindow* menu = window.Engine()->Popups().front();
    QTimer::singleShot(0, menu, [menu] { menu->KeyDown(Qt::Key_C, QStringLiteral("c")); });
    QTimer::singleShot(5000, qApp, [] { qApp->exit(7); });
    EXPECT_EQ(qApp->exec(), 0);
    EXPECT_FALSE(window.form.isVisible());
}
