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
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->Items()[static_cast<std::size_t>(index)].rect.center());
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

TEST(SystemMenu, ASubmenuOfTheFormsOwnMenuOpensBesideItAndItsRowsRunTheirCommands)
{
    SkinnedForm window;
    TbsMenuItem user;
    user.AddSeparator();
    TbsMenuItem* looks = user.Add(QStringLiteral("Looks"));
    int chosen = -1;
    looks->Add(QStringLiteral("Light"), [&chosen] { chosen = 0; })->SetChecked(true);
    looks->Add(QStringLiteral("Dark"), [&chosen] { chosen = 1; });
    window.skinForm->SetSystemMenu(&user);
    EXPECT_EQ(window.skinForm->SystemMenu(), &user);
    EXPECT_TRUE(window.skinForm->UseDefaultSysMenu());

    // The standard rows stay where they were; the submenu sits between them and close.
    window.skinForm->ShowSystemMenuAt(QRect(window.form.mapToGlobal(QPoint(50, 10)), QSize()));
    EXPECT_EQ(Rows(user), (QStringList { kMinimize, kMaximize, "-", " Looks", kClose }));
    ASSERT_TRUE(window.Engine()->Visible());
    TbsSkinPopupWindow* first = window.Engine()->Popups().front();
    const QRect looksRow = first->Items()[3].rect;
    first->HoverAt(looksRow.center());
    QTest::mouseClick(first, Qt::LeftButton, {}, looksRow.center());
    ASSERT_EQ(window.Engine()->Popups().size(), 2u);
    TbsSkinPopupWindow* second = window.Engine()->Popups().back();
    EXPECT_EQ(&second->ParentItem(), looks);
    EXPECT_GE(second->geometry().left(), first->geometry().right() - 8) << "the submenu does not open beside its row";
    EXPECT_TRUE(window.skinForm->SkinMenuOpen());

    // Left closes the submenu alone; Right opens it again from the keyboard.
    QTest::keyClick(&window.form, Qt::Key_Left);
    ASSERT_EQ(window.Engine()->Popups().size(), 1u);
    QTest::keyClick(&window.form, Qt::Key_Right);
    ASSERT_EQ(window.Engine()->Popups().size(), 2u);
    second = window.Engine()->Popups().back();
    QTest::mouseClick(second, Qt::LeftButton, {}, second->Items()[1].rect.center());
    EXPECT_EQ(chosen, 1);
    EXPECT_FALSE(window.Engine()->Visible());
    EXPECT_FALSE(window.skinForm->SkinMenuOpen());

    // Resting on the row opens the submenu after the delay.
    window.skinForm->ShowSystemMenuAt(QRect(window.form.mapToGlobal(QPoint(50, 10)), QSize()));
    first = window.Engine()->Popups().front();
    first->HoverAt(looksRow.center());
    EXPECT_EQ(window.Engine()->Popups().size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Engine()->Popups().size() == 2u; }, 2000));
    window.Engine()->CloseMenus();
    window.skinForm->SetSystemMenu(nullptr);
}
