#include "app/window/skin_choice.h"
#include "skin/controls/page_control.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_slider.h"
#include "skin/controls/skin_xform_button.h"
#include "skin/controls/tab_sheet.h"
#include "skin/hints/skin_hint.h"
#include "skin/hints/skin_hint_window.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"
#include "tests/app/window/form1_fixture.h"

#include <QClipboard>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QToolTip>

#include <stdexcept>

namespace {

// The main window, active, as a user finds it at start.
class Form1KeyboardTest : public Form1Test {
protected:
    void SetUp() override
    {
        Form1Test::SetUp();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    static void Press(int key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }

    // Waits for a shuffle the keyboard started.
    void WaitForShuffle()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form.Shuffling(); }, 10000)) << "the shuffle never ended";
    }

    TbsSkinHint& Hint() { return *form.bsSkinHint1; }
};

} // namespace

TEST_F(Form1KeyboardTest, ClearingPutsTheFocusBackIntoTheArticleSoAPasteLandsThere)
{
    form.Memo1->SetText(QStringLiteral("旧文章。"));
    form.edt1->setFocus();
    Click(form.bsSkinButton1);
    ASSERT_TRUE(form.Memo1->Editor()->hasFocus());
    QApplication::clipboard()->setText(QStringLiteral("新的文章，粘贴进来。"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Memo1->Text(), QStringLiteral("新的文章，粘贴进来。"));
}

TEST_F(Form1KeyboardTest, CtrlTabAndCtrlShiftTabSwitchPagesAndTakeTheFocusAlong)
{
    form.Memo1->SetText(QStringLiteral("甲。"));
    ASSERT_TRUE(form.Memo1->Editor()->hasFocus());
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet2);
    EXPECT_TRUE(form.Memo2->Editor()->hasFocus());
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet1) << "round the end";
    EXPECT_TRUE(form.Memo1->Editor()->hasFocus());
    // X11 reports Shift+Tab as Backtab; either form goes back.
    Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet2);
    Press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet1);
    EXPECT_EQ(form.Memo1->Text(), QStringLiteral("甲。")) << "no tab typed into the article";
}

TEST_F(Form1KeyboardTest, TabInAMemoMovesTheFocusOnAndShiftTabComesBackWithoutTypingATab)
{
    form.Memo1->SetText(QStringLiteral("甲。"));
    ASSERT_TRUE(form.Memo1->Editor()->hasFocus());
    Press(Qt::Key_Tab, {});
    QWidget* next = QApplication::focusWidget();
    ASSERT_NE(next, nullptr);
    EXPECT_FALSE(form.Memo1->isAncestorOf(next)) << "the focus stayed in the memo";
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(form.Memo1->Editor()->hasFocus());
    EXPECT_EQ(form.Memo1->Text(), QStringLiteral("甲。")) << "a tab went into the article";
}

TEST_F(Form1KeyboardTest, ShiftF10OpensTheSkinnedContextMenuOfTheMemoAndTheEdit)
{
    for (QWidget* control : std::initializer_list<QWidget*> { form.Memo1, form.edt1 }) {
        control->setFocus();
        Press(Qt::Key_F10, Qt::ShiftModifier);
        TbsSkinMenu* engine = TbsSkinMenu::Of(control);
        ASSERT_TRUE(engine && engine->Visible()) << control->objectName().toStdString();
        TbsSkinPopupWindow* popup = engine->Popups().front();
        EXPECT_EQ(popup->Items().front().menuItem->Caption(), QStringLiteral("撤销")) << "the skin's own text";
        EXPECT_EQ(popup->pos(), control->mapToGlobal(control->rect().center()));
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_FALSE(engine->Visible());
    }
}

TEST_F(Form1KeyboardTest, ShortcutsClickTheCommandButtonsAndTheirHintsNameThem)
{
    EXPECT_EQ(form.bsSkinXFormButton2->toolTip(), QStringLiteral("打乱文章顺序 (Ctrl+Enter)"));
    EXPECT_EQ(form.bsSkinXFormButton1->toolTip(), QStringLiteral("复制新文章 (Ctrl+Shift+C)"));
    EXPECT_EQ(form.bsSkinButton1->toolTip(), QStringLiteral("清空 (Ctrl+Shift+Del)"));

    form.Memo1->SetText(QStringLiteral("甲，乙。丙！"));
    Press(Qt::Key_Return, Qt::ControlModifier);
    WaitForShuffle();
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet2);
    EXPECT_TRUE(form.Memo2->Text().contains(QChar(u'丙')));
    form.Memo2->SetText(QString());
    Press(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    WaitForShuffle();
    EXPECT_TRUE(form.Memo2->Text().contains(QChar(u'丙'))) << "the keypad's Enter too";

    QApplication::clipboard()->setText(QStringLiteral("old"));
    Press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), form.Memo2->Text());

    form.bsSkinButton1->setEnabled(false);
    Press(Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(form.Memo1->Text().isEmpty()) << "a disabled command does not run";
    form.bsSkinButton1->setEnabled(true);
    Press(Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(form.Memo1->Text().isEmpty());
    EXPECT_TRUE(form.Memo2->Text().isEmpty());
    EXPECT_TRUE(reportedMessages.isEmpty()) << reportedMessages.join(u'\n').toStdString();

    // An error in the command is reported as a click's is.
    RandomGenerator::ProcessWide().SetSeedSource([]() -> std::uint32_t { throw std::runtime_error("时钟不可用"); });
    form.Memo1->SetText(QStringLiteral("甲，乙。"));
    Press(Qt::Key_Return, Qt::ControlModifier);
    WaitForShuffle();
    ASSERT_EQ(reportedMessages.size(), 1);
    EXPECT_EQ(reportedMessages[0], QStringLiteral("时钟不可用."));
}

TEST_F(Form1KeyboardTest, AButtonsHintShowsInTheHintWindowOfTheSkinInUse)
{
    const QPoint at = form.bsSkinXFormButton2->mapToGlobal(QPoint(5, 5));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), at);
    for (const QString& skin : { QStringLiteral("light"), QStringLiteral("dark") }) {
        SCOPED_TRACE(skin.toStdString());
        QApplication::sendEvent(form.bsSkinXFormButton2, &help);
        ASSERT_TRUE(Hint().HintVisible());
        ASSERT_EQ(ApplySkinChoice(form, skin), QString());
        EXPECT_FALSE(Hint().HintVisible()) << "a hint of the skin before does not linger";

        QApplication::sendEvent(form.bsSkinXFormButton2, &help);
        ASSERT_TRUE(Hint().HintVisible());
        EXPECT_FALSE(QToolTip::isVisible());
        EXPECT_EQ(Hint().HintText(), QStringLiteral("打乱文章顺序 (Ctrl+Enter)"));
        EXPECT_EQ(QApplication::activeWindow(), &form) << "the hint never takes the window's place";
        // The skin's client piece shows at the left of the text.
        const TbsDataSkinHintWindow& definition = form.bsSkinData1->HintWindow();
        const QImage picture = form.bsSkinData1->ActivePictures().at(definition.windowPictureIndex);
        const QImage window = Hint().HintWindow()->grab().toImage();
        const QPoint client(definition.clientRect.left, definition.clientRect.top);
        EXPECT_EQ(window.pixel(client) & 0xFFFFFF, picture.pixel(client) & 0xFFFFFF);
    }
    QTest::mouseClick(form.Memo1->Editor()->viewport(), Qt::LeftButton);
    EXPECT_FALSE(Hint().HintVisible()) << "a click ends the hint";
}

TEST_F(Form1KeyboardTest, TheFrequencySliderShowsItsValueInAHintWhileDraggedOrMovedByKeys)
{
    TbsSkinSlider& slider = *form.bsknsldr1;
    const QPoint from = slider.ThumbRect().center();
    const QPoint to = from + QPoint(120, 0);
    QTest::mousePress(&slider, Qt::LeftButton, {}, from);
    ASSERT_TRUE(Hint().HintVisible());
    EXPECT_EQ(Hint().HintText(), QStringLiteral("5"));
    QMouseEvent move(QEvent::MouseMove, to, slider.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &move);
    ASSERT_GT(slider.Value(), 5);
    EXPECT_EQ(Hint().HintText(), QString::number(slider.Value()));
    const QRect hint = Hint().HintWindow()->geometry();
    const QRect thumb(slider.mapToGlobal(slider.ThumbRect().topLeft()), slider.ThumbRect().size());
    EXPECT_LT(hint.bottom(), thumb.top()) << "above the thumb";
    EXPECT_NEAR(hint.center().x(), thumb.center().x(), 1);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, to);
    EXPECT_FALSE(Hint().HintVisible());

    slider.setFocus();
    const int before = slider.Value();
    QTest::keyClick(&slider, Qt::Key_Left);
    ASSERT_NE(slider.Value(), before);
    ASSERT_TRUE(Hint().HintVisible());
    EXPECT_EQ(Hint().HintText(), QString::number(slider.Value()));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Hint().HintVisible(); }, 5000)) << "the key's hint goes by itself";
}
