#include "skin/controls/edit_context_menu.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_memo.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QContextMenuEvent>
#include <QMap>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(SkinEditTest, TypingUndoAndEnter)
{
    TbsSkinEdit edit;
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    edit.setFocus();
    QTest::keyClicks(edit.Editor(), QStringLiteral("keyword"));
    EXPECT_EQ(edit.Text(), QStringLiteral("keyword"));

    QTest::keyClick(edit.Editor(), Qt::Key_Return);
    QTest::keyClick(edit.Editor(), Qt::Key_Escape);
    EXPECT_EQ(edit.Text(), QStringLiteral("keyword"));

    QTest::keyClick(edit.Editor(), Qt::Key_Backspace);
    EXPECT_EQ(edit.Text(), QStringLiteral("keywor"));
    QTest::keyClick(edit.Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), QStringLiteral("keyword"));

    edit.Editor()->selectAll();
    QTest::keyClick(edit.Editor(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("keyword"));

    edit.SetReadOnly(true);
    QTest::keyClicks(edit.Editor(), QStringLiteral("x"));
    QTest::keyClick(edit.Editor(), Qt::Key_Delete);
    EXPECT_EQ(edit.Text(), QStringLiteral("keyword"));
}

TEST(SkinEditTest, DefaultFrameAndTextArea)
{
    TbsSkinEdit edit;
    edit.resize(185, 18);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    // A larger font moves the text into the frame as far as the control allows.
    QFont font = TbsSkinCustomControl::StandardDefaultFont();
    font.setPixelSize(20);
    edit.SetDefaultFont(font);
    EXPECT_EQ(edit.Editor()->geometry(), QRect(2, 0, 181, 18));
    font.setPixelSize(14);
    edit.SetDefaultFont(font);
    EXPECT_EQ(edit.height(), 18) << "without a skin the given height stays";
    // The 14-pixel text area is lower than a line of the 14-pixel font, so the
    // editor reaches into the frame rather than cut the descenders off.
    const int line = edit.Editor()->fontMetrics().height();
    ASSERT_GT(line, 14);
    EXPECT_EQ(edit.TextRect(), QRect(2, 2, 181, 14));
    EXPECT_EQ(edit.Editor()->geometry().height(), std::min(line, 18));
    EXPECT_EQ(edit.Editor()->geometry().center().y(), edit.TextRect().center().y());
    edit.resize(185, 30);
    EXPECT_EQ(edit.Editor()->geometry(), QRect(2, 2, 181, 26));
    edit.resize(185, 18);

    const QImage face = edit.RenderFace();
    EXPECT_EQ(face.pixel(0, 0) & 0xFFFFFFu, 0x808080u);
    EXPECT_EQ(face.pixel(184, 17) & 0xFFFFFFu, 0x808080u);
    EXPECT_EQ(face.pixel(1, 1) & 0xFFFFFFu, 0xD4D0C8u);
    EXPECT_EQ(face.pixel(2, 2) & 0xFFFFFFu, 0xFFFFFFu);

    // Without the skin's font the height follows the font.
    edit.SetUseSkinFont(false);
    edit.SetDefaultFont(edit.DefaultFont());
    EXPECT_EQ(edit.height(), QFontMetrics(edit.DefaultFont()).height() + 4);

    edit.SetButtonMode(true);
    EXPECT_EQ(edit.TextRect().right() + 1, edit.width() - edit.height() - 2);
    EXPECT_FALSE(edit.ButtonRect().isEmpty());
}

TEST(SkinEditTest, ContextMenuListsTheEditCommands)
{
    bool copied = false;
    EditMenuCommands commands;
    commands.canUndo = false;
    commands.canCopy = true;
    commands.canSelectAll = true;
    commands.undo = [] { };
    commands.copy = [&copied] { copied = true; };
    commands.selectAll = [] { };
    const auto menu = CreateEditContextMenu(commands, nullptr);

    QStringList texts;
    QList<bool> enabled;
    for (int i = 0; i < menu->Count(); ++i) {
        texts << menu->Items(i)->Caption();
        enabled << menu->Items(i)->Enabled();
    }
    EXPECT_EQ(texts, (QStringList { "Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All" }));
    EXPECT_FALSE(enabled[0]);
    EXPECT_FALSE(enabled[2]) << "a command without an action stays disabled";
    EXPECT_TRUE(enabled[3]);
    EXPECT_TRUE(enabled[7]);
    menu->Items(3)->Click();
    EXPECT_TRUE(copied);
}

namespace {

// Opens the control's context menu from the keyboard and reads which items
// are enabled before closing it again.
QMap<QString, bool> ContextMenuItems(QWidget* editor)
{
    QMap<QString, bool> items;
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), editor->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(editor, &request);
    TbsSkinMenu* engine = TbsSkinMenu::Of(editor);
    if (!engine->Visible())
        return items;
    const TbsMenuItem& menu = engine->Popups().front()->ParentItem();
    for (int i = 0; i < menu.Count(); ++i) {
        if (!menu.Items(i)->IsSeparator())
            items.insert(menu.Items(i)->Caption(), menu.Items(i)->Enabled());
    }
    engine->CloseMenus();
    return items;
}

} // namespace

TEST(SkinEditTest, ContextMenuFollowsSelectionClipboardAndReadOnly)
{
    TbsSkinEdit edit;
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    edit.SetText(QStringLiteral("word"));

    auto items = ContextMenuItems(edit.Editor());
    ASSERT_EQ(items.size(), 6);
    EXPECT_FALSE(items["Cut"]);
    EXPECT_FALSE(items["Copy"]);
    EXPECT_TRUE(items["Paste"]);
    EXPECT_TRUE(items["Select All"]);

    edit.Editor()->selectAll();
    items = ContextMenuItems(edit.Editor());
    EXPECT_TRUE(items["Cut"]);
    EXPECT_TRUE(items["Copy"]);
    EXPECT_TRUE(items["Delete"]);
    EXPECT_FALSE(items["Select All"]) << "everything is selected already";

    edit.SetReadOnly(true);
    items = ContextMenuItems(edit.Editor());
    EXPECT_FALSE(items["Cut"]);
    EXPECT_TRUE(items["Copy"]);
    EXPECT_FALSE(items["Paste"]);
    EXPECT_FALSE(items["Delete"]);
}

TEST(SkinEditTest, MemoContextMenuEnablesByItsOwnRules)
{
    TbsSkinMemo memo;
    memo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
    memo.SetText(QStringLiteral("甲。\n乙。"));
    memo.SetReadOnly(true);
    memo.SelectAll();
    const auto items = ContextMenuItems(memo.Editor());
    ASSERT_EQ(items.size(), 6);
    EXPECT_TRUE(items["Cut"]) << "the memo's menu does not look at read-only";
    EXPECT_TRUE(items["Copy"]);
    EXPECT_FALSE(items["Select All"]);
    EXPECT_FALSE(items["Undo"]);
}
