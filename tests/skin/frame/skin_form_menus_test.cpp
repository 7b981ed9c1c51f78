#include "skin/controls/edit_context_menu.h"
#include "skin/frame/skin_form.h"
#include "skin/frame/system_menu.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_menu.h"
#include "skin/menus/skin_popup_window.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct FormWithMenu {
    QWidget form;
    TbsSkinForm* skinForm { new TbsSkinForm(&form) };
    TbsMenuItem rows;

    explicit FormWithMenu(int rowCount)
    {
        for (int i = 0; i < rowCount; ++i)
            rows.Add(std::make_unique<TbsMenuItem>(QStringLiteral("Row %1").arg(i), [] {}));
        auto* systemMenu = skinForm->findChild<TbsSystemMenu*>();
        systemMenu->SetSystemMenu(&rows);
        systemMenu->SetUseDefaultSysMenu(false);
        form.resize(400, 300);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    TbsSkinMenu* Engine() { return TbsSkinMenu::Of(&form); }
    TbsSkinPopupWindow* ShowSystemMenu()
    {
        skinForm->ShowSystemMenuAt(QRect(form.mapToGlobal(QPoint(50, 10)), QSize()));
        return Engine()->Visible() ? Engine()->Popups().front() : nullptr;
    }
};

} // namespace

TEST(SkinFormMenus, TheWindowsMenusTakeTheFormsSettings)
{
    FormWithMenu window(8);
    TbsSkinPopupWindow* popup = window.ShowSystemMenu();
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup->Scroll());
    EXPECT_EQ(popup->VisibleCount(), 8);
    EXPECT_EQ(popup->Items()[0].rect.height(), 20);
    window.Engine()->CloseMenus();

    window.skinForm->SetMaxMenuItemsInWindow(5);
    window.skinForm->SetMaxMenuItemsInWindow(-1);
    window.skinForm->SetDefMenuItemHeight(30);
    window.skinForm->SetDefMenuItemHeight(0);
    EXPECT_EQ(window.skinForm->MaxMenuItemsInWindow(), 5);
    EXPECT_EQ(window.skinForm->DefMenuItemHeight(), 30);

    popup = window.ShowSystemMenu();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->LimitScroll());
    EXPECT_EQ(popup->VisibleCount(), 5);
    EXPECT_EQ(popup->Items()[0].rect.height(), 30);
    window.Engine()->CloseMenus();

    // A control's menu in the same window is shown by the same engine.
    TbsSkinPopupMenu contextMenu(&window.form);
    for (int i = 0; i < 7; ++i)
        contextMenu.Items().Add(std::make_unique<TbsMenuItem>(QStringLiteral("Item %1").arg(i), [] {}));
    const QPoint at = window.form.mapToGlobal(QPoint(100, 100));
    contextMenu.Popup(at.x(), at.y());
    ASSERT_TRUE(window.Engine()->Visible());
    EXPECT_EQ(window.Engine()->Popups().front()->VisibleCount(), 5);
    window.Engine()->CloseMenus();
}

TEST(SkinFormMenus, OpenAndCloseAreReportedOncePerFrameMenu)
{
    FormWithMenu window(3);
    QSignalSpy opened(window.skinForm, &TbsSkinForm::OnSkinMenuOpen);
    QSignalSpy closed(window.skinForm, &TbsSkinForm::OnSkinMenuClose);

    TbsSkinPopupWindow* popup = window.ShowSystemMenu();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(window.skinForm->SkinMenuOpen());
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(closed.count(), 0);

    // Showing it again replaces the open one: that one closes first.
    popup = window.ShowSystemMenu();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(window.skinForm->SkinMenuOpen());
    EXPECT_EQ(opened.count(), 2);
    EXPECT_EQ(closed.count(), 1);

    popup->KeyDown(Qt::Key_Escape, QString());
    EXPECT_FALSE(window.Engine()->Visible());
    EXPECT_FALSE(window.skinForm->SkinMenuOpen());
    EXPECT_EQ(opened.count(), 2);
    EXPECT_EQ(closed.count(), 2);

    // A popup menu component of the window opens and closes as a frame menu.
    TbsSkinPopupMenu contextMenu(&window.form);
    contextMenu.Items().Add(std::make_unique<TbsMenuItem>(QStringLiteral("Item"), [] {}));
    contextMenu.Popup(10, 10);
    ASSERT_TRUE(window.Engine()->Visible());
    EXPECT_TRUE(window.skinForm->SkinMenuOpen());
    EXPECT_EQ(opened.count(), 3);
    window.Engine()->CloseMenus();
    EXPECT_FALSE(window.skinForm->SkinMenuOpen());
    EXPECT_EQ(opened.count(), 3);
    EXPECT_EQ(closed.count(), 3);
}

TEST(SkinFormMenus, AnEditsContextMenuOpensAndClosesAsAFrameMenu)
{
    FormWithMenu window(1);
    QSignalSpy opened(window.skinForm, &TbsSkinForm::OnSkinMenuOpen);
    QSignalSpy closed(window.skinForm, &TbsSkinForm::OnSkinMenuClose);
    auto* edit = new QLineEdit(window.skinForm->ClientArea());
    EditContextMenu contextMenu(*edit, *edit);
    EditMenuCommands commands;
    commands.canSelectAll = true;

    contextMenu.Show(commands, nullptr, window.form.mapToGlobal(QPoint(60, 60)));
    ASSERT_TRUE(window.Engine()->Visible());
    EXPECT_TRUE(window.skinForm->SkinMenuOpen());
    // Showing it again replaces it: the frame hears the first one close.
    contextMenu.Show(commands, nullptr, window.form.mapToGlobal(QPoint(80, 80)));
    EXPECT_EQ(opened.count(), 2);
    EXPECT_EQ(closed.count(), 1);
    window.Engine()->Popups().front()->KeyDown(Qt::Key_Escape, QString());
    EXPECT_FALSE(window.skinForm->SkinMenuOpen());
    EXPECT_EQ(closed.count(), 2);
}
