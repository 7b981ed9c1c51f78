#include "skin/frame/frame_button_objects.h"
#include "skin/frame/skin_form.h"
#include "skin/frame/system_menu.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The rows of a menu as "name caption", separators as "-".
QStringList Rows(const TbsMenuItem& menu)
{
    QStringList rows;
    for (int i = 0; i < menu.Count(); ++i) {
        const TbsMenuItem& row = *menu.Items(i);
        rows << (row.IsSeparator() ? QStringLiteral("-") : row.Name() + u' ' + row.Caption());
    }
    return rows;
}

struct SkinnedForm {
    QWidget form;
    TbsSkinForm* skinForm { new TbsSkinForm(&form) };
    TbsSystemMenu* systemMenu { skinForm->findChild<TbsSystemMenu*>() };

    SkinnedForm()
    {
        skinForm->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
        form.resize(400, 300);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    TbsSkinMenu* Engine() { return TbsSkinMenu::Of(&form); }
    // Shows the menu at a point of the caption and clicks its row index.
    void Choose(int index)
    {
        skinForm->ShowSystemMenuAt(QRect(form.mapToGlobal(QPoint(50, 10)), QSize()));
        ASSERT_TRUE(Engine()->Visible());
        TbsSkinPopupWindow* popup = Engine()->Popups().front();
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->Items()[static_cast<std::size_t>(index)].rect.ToQRect().center());
    }
};

const QString kMinimize = QStringLiteral("BSF_MINITEM Mi&nimize");
const QString kMaximize = QStringLiteral("BSF_MAXITEM Ma&ximize");
const QString kRestore = QStringLiteral("BSF_RESTORE &Restore");
const QString kRollUp = QStringLiteral("BSF_ROLLUP Ro&llUp");
const QString kClose = QStringLiteral("BSF_CLOSE &Close");

} // namespace

TEST(SystemMenu, RowsFollowTheWindowState)
{
    SkinnedForm window;
    ASSERT_NE(window.systemMenu, nullptr);
    std::unique_ptr<TbsMenuItem> menu = window.systemMenu->BuildDefaultMenu();
    EXPECT_EQ(Rows(*menu), (QStringList { kMinimize, kMaximize, "-", kClose }));
    EXPECT_EQ(MenuItemShortCutText(menu->Items(3)->ShortCut()), "Alt+F4");

    window.skinForm->SetSkinWindowState(TbsWindowState::wsMaximized);
    EXPECT_EQ(Rows(*window.systemMenu->BuildDefaultMenu()), (QStringList { kMinimize, kRestore, "-", kClose }));

    window.skinForm->SetSkinWindowState(TbsWindowState::wsNormal);
    window.skinForm->SetBorderIcons(biRollUp);
    EXPECT_EQ(Rows(*window.systemMenu->BuildDefaultMenu()), (QStringList { kRollUp, "-", kClose }));
    window.skinForm->SetRolledUp(true);
    EXPECT_EQ(Rows(*window.systemMenu->BuildDefaultMenu()), (QStringList { kRestore, "-", kClose }));

    window.skinForm->SetRolledUp(false);
    window.skinForm->SetBorderIcons(0);
    EXPECT_EQ(Rows(*window.systemMenu->BuildDefaultMenu()), (QStringList { kClose }));
}

TEST(SystemMenu, ItsRowsMaximizeRestoreAndRollDownTheWindow)
{
    SkinnedForm window;
    window.Choose(1);
    EXPECT_EQ(window.skinForm->SkinWindowState(), TbsWindowState::wsMaximized);
    EXPECT_FALSE(window.Engine()->Visible());
    window.Choose(1);
    EXPECT_EQ(window.skinForm->SkinWindowState(), TbsWindowState::wsNormal);

    window.skinForm->SetBorderIcons(biMinimize | biMaximize | biRollUp);
    window.skinForm->SetRolledUp(true);
    // Minimize, maximize, restore: restoring a rolled-up window rolls it down.
    window.Choose(2);
    EXPECT_FALSE(window.skinForm->RolledUp());
    EXPECT_EQ(window.skinForm->SkinWindowState(), TbsWindowState::wsNormal);
}

TEST(SystemMenu, EscapeClosesItAndTheSystemMenuButtonComesUp)
{
    SkinnedForm window;
    TbsSkinStdButtonObject* button = nullptr;
    for (const auto& object : window.skinForm->Objects()) {
        auto* candidate = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (candidate && candidate->Command == cmSysMenu)
            button = candidate;
    }
    ASSERT_NE(button, nullptr);
    button->MouseDown(0, 1, 1);
    EXPECT_TRUE(button->Down());
    ASSERT_TRUE(window.Engine()->Visible());
    EXPECT_EQ(window.Engine()->Popups().front()->ActiveItem(), 0);

    QTest::keyClick(&window.form, Qt::Key_Escape);
    EXPECT_FALSE(window.Engine()->Visible());
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(button->MenuShown);
}

TEST(SystemMenu, AUserMenuTakesTheStandardRowsAroundItsOwn)
{
    SkinnedForm window;
    TbsMenuItem user;
    user.Add(QStringLiteral("&About"))->SetName(QStringLiteral("about"));
    user.Add(QStringLiteral("Old close"))->SetName(QStringLiteral("BSF_CLOSE"));
    window.systemMenu->SetSystemMenu(&user);
    window.skinForm->ShowSystemMenuAt(QRect(window.form.mapToGlobal(QPoint(50, 10)), QSize()));
    EXPECT_EQ(Rows(user), (QStringList { kMinimize, kMaximize, "about &About", kClose }));
    EXPECT_EQ(&window.Engine()->Popups().front()->ParentItem(), &user);
    window.Engine()->CloseMenus();

    // Shown again, the rows are not doubled.
    window.skinForm->ShowSystemMenuAt(QRect(window.form.mapToGlobal(QPoint(50, 10)), QSize()));
    EXPECT_EQ(Rows(user), (QStringList { kMinimize, kMaximize, "about &About", kClose }));
    window.Engine()->CloseMenus();

    TbsMenuItem plain;
    plain.Add(QStringLiteral("Only"));
    window.systemMenu->SetSystemMenu(&plain);
    window.systemMenu->SetUseDefaultSysMenu(false);
    window.skinForm->ShowSystemMenuAt(QRect(window.form.mapToGlobal(QPoint(50, 10)), QSize()));
    EXPECT_EQ(plain.Count(), 1);
    window.Engine()->CloseMenus();
    window.systemMenu->SetSystemMenu(nullptr);
}
