#include "app/window/form1.h"
#include "app/window/skin_choice.h"
#include "skin/controls/page_control.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"
#include "skins/built_in_skins.h"
#include "tests/support/accessible_tree.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The main window's frame, menus and focus as assistive technology reads
// them: the painted title bar and caption buttons, the skinned system menu
// and the focus of each control.
class Form1FrameAccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetErrorReporter([](const QString&, const QString& message) { ADD_FAILURE() << qPrintable(message); });
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void TearDown() override { TbsSkinMenu::Of(&form)->CloseMenus(); }

    QAccessibleInterface* Window() { return QAccessible::queryAccessibleInterface(&form); }

    // Each control of the tab chain drawn once without and once with the
    // focus: the two pictures must differ, and the control must read as
    // focused.
    void ExpectVisibleFocusMarks()
    {
        std::vector<QWidget*> focusable;
        for (QWidget* widget : form.findChildren<QWidget*>()) {
            if (widget->isVisibleTo(&form) && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
                focusable.push_back(widget);
        }
        ASSERT_GE(focusable.size(), 6u) << "options, keyword, slider, tabs and the memo";
        form.setFocus();
        for (QWidget* widget : focusable) {
            QWidget* control = widget->parentWidget()->focusProxy() == widget ? widget->parentWidget() : widget;
            const QImage before = control->grab().toImage();
            widget->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(widget->hasFocus()) << qPrintable(control->objectName());
            EXPECT_TRUE(QAccessible::queryAccessibleInterface(widget)->state().focused) << qPrintable(control->objectName());
            EXPECT_NE(control->grab().toImage(), before) << qPrintable(control->objectName()) << ": no visible focus mark";
            form.setFocus();
        }

        // The selected tab carries a dotted mark inset by 3 pixels where the
        // skin's focused tab looks like the selected one, and holds the focus.
        TbsSkinPageControl* pages = form.bsSkinPageControl1;
        const QImage unfocused = pages->grab().toImage();
        pages->setFocus(Qt::TabFocusReason);
        const QImage focused = pages->grab().toImage();
        const QPoint corner = pages->TabRect(0).topLeft() + QPoint(3, 3);
        EXPECT_EQ(focused.pixel(corner) & 0xFFFFFFu, ~unfocused.pixel(corner) & 0xFFFFFFu)
            << "pixel (" << corner.x() << ", " << corner.y() << ") of the focused tab is not inverted";
        QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(pages);
        EXPECT_EQ(tabs->focusChild(), tabs->child(0));
        EXPECT_TRUE(tabs->child(0)->state().focused);
        EXPECT_FALSE(tabs->child(1)->state().focused);
        form.setFocus();
    }

    TForm1 form;
};

TEST_F(Form1FrameAccessibilityTest, TitleBarNamesTheWindowAndItsCaptionButtonsPressLikeClicks)
{
    QAccessibleInterface* window = Window();
    ASSERT_EQ(window->role(), QAccessible::Window);
    QAccessibleInterface* titleBar = window->child(0);
    ASSERT_NE(titleBar, nullptr);
    EXPECT_EQ(titleBar->role(), QAccessible::TitleBar);
    EXPECT_EQ(titleBar->text(QAccessible::Name), form.windowTitle());
    EXPECT_EQ(titleBar->parent(), window);
    EXPECT_EQ(window->indexOfChild(titleBar), 0);
    EXPECT_EQ(window->indexOfChild(QAccessible::queryAccessibleInterface(form.bsSkinForm1->ClientArea())), 1);
    EXPECT_EQ(AccessibleChildNames(titleBar),
        (QStringList { QStringLiteral("最小化"), QStringLiteral("最大化"), QStringLiteral("关闭") }));

    QAccessibleInterface* maximize = FindAccessible(titleBar, QAccessible::PushButton, QStringLiteral("最大化"));
    ASSERT_NE(maximize, nullptr);
    EXPECT_EQ(maximize->parent(), titleBar);
    EXPECT_TRUE(titleBar->rect().contains(maximize->rect())) << "the button lies outside its title bar";
    EXPECT_EQ(titleBar->childAt(maximize->rect().center().x(), maximize->rect().center().y()), maximize);
    maximize->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.bsSkinForm1->SkinWindowState(), TbsWindowState::wsMaximized);
    EXPECT_EQ(maximize->text(QAccessible::Name), QStringLiteral("还原")) << "the button does not read as what it does now";
    maximize->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.bsSkinForm1->SkinWindowState(), TbsWindowState::wsNormal);

    // Without a skin the frame makes its own buttons, named by the built-in
    // texts; the interfaces follow the objects across the change.
    form.bsSkinForm1->SetSkinData(nullptr);
    EXPECT_EQ(AccessibleChildNames(titleBar).last(), QStringLiteral("Close"));
    form.bsSkinForm1->SetSkinData(form.bsSkinData1);
    QAccessibleInterface* close = FindAccessible(titleBar, QAccessible::PushButton, QStringLiteral("关闭"));
    ASSERT_NE(close, nullptr);
    ASSERT_TRUE(close->isValid());
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form.isVisible(); }, 2000)) << "the close button's press did not close";
}

TEST_F(Form1FrameAccessibilityTest, SystemMenuIsAPopupMenuOfNamedRowsWithShortCutsAndFocus)
{
    const QRect caption = Window()->child(0)->rect();
    form.bsSkinForm1->ShowSystemMenuAt(QRect(caption.bottomLeft(), QSize()));
    TbsSkinMenu* engine = TbsSkinMenu::Of(&form);
    ASSERT_EQ(engine->Popups().size(), 1u) << "the system menu did not open";

    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(engine->Popups().front());
    ASSERT_EQ(menu->role(), QAccessible::PopupMenu);
    EXPECT_EQ(AccessibleChildNames(menu),
        (QStringList { QStringLiteral("最小化"), QStringLiteral("最大化"), QString(), QStringLiteral("皮肤"), QString(),
            QStringLiteral("关闭") }));
    EXPECT_EQ(menu->child(2)->role(), QAccessible::Separator);
    EXPECT_TRUE(menu->child(2)->actionInterface()->actionNames().isEmpty());
    EXPECT_TRUE(menu->child(3)->state().hasPopup) << "the skin row opens a submenu";
    QAccessibleInterface* close = menu->child(5);
    EXPECT_EQ(close->role(), QAccessible::MenuItem);
    EXPECT_EQ(close->text(QAccessible::Accelerator), QStringLiteral("Alt+F4"));
    EXPECT_EQ(close->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
        QStringList { QStringLiteral("Alt+F4") });
    EXPECT_EQ(close->parent(), menu);
    EXPECT_EQ(menu->indexOfChild(close), 5);
    EXPECT_TRUE(menu->rect().contains(close->rect()));
    EXPECT_EQ(menu->childAt(close->rect().center().x(), close->rect().center().y()), close);

    // The first row is highlighted as the menu opens; the keyboard moves on.
    EXPECT_EQ(menu->focusChild(), menu->child(0));
    EXPECT_TRUE(menu->child(0)->state().focused);
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(menu->focusChild(), menu->child(1));
    EXPECT_FALSE(menu->child(0)->state().focused);
    EXPECT_TRUE(menu->child(1)->state().focused);

    menu->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.bsSkinForm1->SkinWindowState(), TbsWindowState::wsMaximized);
    EXPECT_FALSE(engine->Visible());
}

TEST_F(Form1FrameAccessibilityTest, EveryControlThatTakesFocusShowsAMarkInEveryBuiltInSkin)
{
    for (const QString& skin : BuiltInSkinNames()) {
        SCOPED_TRACE(qPrintable(skin));
        ASSERT_EQ(ApplySkinChoice(form, skin), QString());
        ExpectVisibleFocusMarks();
    }
}

} // namespace
