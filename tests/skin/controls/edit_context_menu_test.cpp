#include "built_in_skin.h"

#include "skin/controls/edit_context_menu.h"
#include "skin/controls/skin_memo.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Opens a control's context menu the way a right click does.
void RightClick(QWidget* target)
{
    const QPoint point(10, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, target->mapToGlobal(point));
    QApplication::sendEvent(target, &event);
}

// Each row's text and whether it is enabled, separators as "-".
std::vector<std::pair<QString, bool>> Rows(const TbsMenuItem& menu)
{
    std::vector<std::pair<QString, bool>> rows;
    for (int i = 0; i < menu.Count(); ++i)
        rows.emplace_back(menu.Items(i)->Caption(), menu.Items(i)->IsSeparator() || menu.Items(i)->Enabled());
    return rows;
}

const EditContextMenu& ContextMenuOf(QWidget& control)
{
    return *control.findChild<EditContextMenu*>();
}

} // namespace

TEST(EditContextMenu, TheMemoShowsTheSkinsTextsAndSelectsAllThroughTheEngine)
{
    TbsSkinData skin;
    LoadBuiltInSkin(skin);
    QWidget form;
    form.resize(400, 300);
    auto* memo = new TbsSkinMemo(&form);
    memo->setGeometry(0, 0, 300, 200);
    memo->SetSkinData(&skin);
    memo->SetText(QStringLiteral("春天来了。万物复苏。"));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QGuiApplication::clipboard()->setText(QStringLiteral("剪贴板"));

    RightClick(memo->Editor()->viewport());
    TbsSkinMenu* engine = TbsSkinMenu::Of(memo);
    ASSERT_TRUE(engine->Visible());
    const TbsMenuItem* menu = ContextMenuOf(*memo).Menu();
    ASSERT_NE(menu, nullptr);
    const std::vector<std::pair<QString, bool>> expected { { "撤销", false }, { "-", true }, { "剪切", false },
        { "复制", false }, { "粘贴", true }, { "删除", false }, { "-", true }, { "全选", true } };
    EXPECT_EQ(Rows(*menu), expected);
    // The menu opens with its first enabled row selected: paste.
    TbsSkinPopupWindow* popup = engine->Popups().front();
    EXPECT_EQ(popup->ActiveItem(), 4);

    const QPoint selectAll = popup->Items()[7].rect.center();
    QTest::mouseClick(popup, Qt::LeftButton, {}, selectAll);
    EXPECT_FALSE(engine->Visible());
    EXPECT_EQ(memo->SelText(), memo->Text());
    // The command message freed the menu.
    EXPECT_EQ(ContextMenuOf(*memo).Menu(), nullptr);

    // With everything selected, select all is off and the selection rows on.
    RightClick(memo->Editor()->viewport());
    const std::vector<std::pair<QString, bool>> selected { { "撤销", false }, { "-", true }, { "剪切", true },
        { "复制", true }, { "粘贴", true }, { "删除", true }, { "-", true }, { "全选", false } };
    EXPECT_EQ(Rows(*ContextMenuOf(*memo).Menu()), selected);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(engine->Visible());

    // From the keyboard the menu opens at the memo's centre.
    QTest::keyClick(memo->Editor(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(engine->Visible());
    EXPECT_EQ(engine->Popups().front()->pos(), memo->mapToGlobal(memo->rect().center()));
    QTest::keyClick(&form, Qt::Key_Escape);
}

TEST(EditContextMenu, OpensAtTheMouseOrAtTheCentreForTheKeyboardAndOnlyWhenAsked)
{
    QWidget control;
    control.setGeometry(40, 30, 120, 60);
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
    const QPoint centre = control.mapToGlobal(control.rect().center());

    const QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(3, 4), QPoint(503, 604));
    EXPECT_EQ(ContextMenuRequestPos(mouse, control), QPoint(503, 604));
    const QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(3, 4), QPoint(503, 604));
    EXPECT_EQ(ContextMenuRequestPos(menuKey, control), centre);
    const QKeyEvent shiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(ContextMenuRequestPos(shiftF10, control), centre);

    const QKeyEvent plainF10(QEvent::KeyPress, Qt::Key_F10, Qt::NoModifier);
    const QKeyEvent ctrlShiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier);
    const QKeyEvent shiftF10Release(QEvent::KeyRelease, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_FALSE(ContextMenuRequestPos(plainF10, control));
    EXPECT_FALSE(ContextMenuRequestPos(ctrlShiftF10, control));
    EXPECT_FALSE(ContextMenuRequestPos(shiftF10Release, control));
}
