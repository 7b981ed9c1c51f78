#include "app/window/form1.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/page_control.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_slider.h"
#include "skin/controls/tab_sheet.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

// One accessibility event as assistive technology receives it.
struct HeardEvent {
    QAccessible::Event type;
    QObject* object;
    int child;
    QAccessibleInterface* interface;
};

std::vector<HeardEvent> g_heard;

void Record(QAccessibleEvent* event)
{
    g_heard.push_back({ event->type(), event->object(), event->child(), event->accessibleInterface() });
}

// The main window with assistive technology listening: every event the
// window raises is recorded here instead of going to the bus.
class Form1AccessibilityEventsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QAccessible::installUpdateHandler(Record);
        form.SetErrorReporter([](const QString&, const QString& message) { ADD_FAILURE() << qPrintable(message); });
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        g_heard.clear();
    }

    void TearDown() override
    {
        TbsSkinMenu::Of(&form)->CloseMenus();
        QAccessible::installUpdateHandler(nullptr);
    }

    // Whether the event was heard since the last call; forgets what was heard.
    static bool Heard(QAccessible::Event type, const QObject* object, int child = -1)
    {
        const bool heard = std::any_of(g_heard.begin(), g_heard.end(),
            [&](const HeardEvent& event) { return event.type == type && event.object == object && event.child == child; });
        g_heard.clear();
        return heard;
    }

    TForm1 form;
};

TEST_F(Form1AccessibilityEventsTest, FocusIsReportedForEveryControlAndFollowsTheSelectedTab)
{
    // The window gives the first option the focus when it shows.
    for (QWidget* widget : std::initializer_list<QWidget*> { form.edt1->focusProxy(), form.bschck1, form.bschck2,
             form.bsknsldr1, form.Memo1->focusProxy() }) {
        widget->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(Heard(QAccessible::Focus, widget)) << qPrintable(widget->objectName()) << ": focus not reported";
    }

    // The focus of the page control is on its selected tab.
    TbsSkinPageControl* pages = form.bsSkinPageControl1;
    pages->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(Heard(QAccessible::Focus, pages, 0)) << "the focus was not put on the selected tab";
    QTest::keyClick(pages, Qt::Key_Right);
    ASSERT_EQ(pages->ActivePage(), form.bsSkinTabSheet2);
    EXPECT_TRUE(Heard(QAccessible::Focus, pages, 1)) << "the focus did not follow the selected tab";
}

TEST_F(Form1AccessibilityEventsTest, MenusAnnounceOpeningClosingAndTheirHighlightAsTheFocus)
{
    const QRect caption = QAccessible::queryAccessibleInterface(&form)->child(0)->rect();
    form.bsSkinForm1->ShowSystemMenuAt(QRect(caption.bottomLeft(), QSize()));
    TbsSkinMenu* engine = TbsSkinMenu::Of(&form);
    ASSERT_EQ(engine->Popups().size(), 1u) << "the system menu did not open";
    TbsSkinPopupWindow* popup = engine->Popups().front();
    const std::vector<HeardEvent> opening = g_heard;
    EXPECT_TRUE(Heard(QAccessible::PopupMenuStart, popup)) << "the menu opened silently";
    g_heard = opening;
    EXPECT_TRUE(Heard(QAccessible::Focus, popup, 0)) << "the first row was not announced";

    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_TRUE(Heard(QAccessible::Focus, popup, 1)) << "the highlight moved silently";
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(engine->Visible());
    EXPECT_TRUE(Heard(QAccessible::PopupMenuEnd, popup)) << "the menu closed silently";
}

TEST_F(Form1AccessibilityEventsTest, CaptionButtonsAnnounceTheirNewNamesWhenTheWindowStateChanges)
{
    QAccessibleInterface* titleBar = QAccessible::queryAccessibleInterface(&form)->child(0);
    QAccessibleInterface* maximize = titleBar->child(1);
    ASSERT_EQ(maximize->text(QAccessible::Name), QStringLiteral("最大化"));
    g_heard.clear();
    maximize->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(maximize->text(QAccessible::Name), QStringLiteral("还原"));
    EXPECT_TRUE(std::any_of(g_heard.begin(), g_heard.end(), [maximize](const HeardEvent& event) {
        return event.type == QAccessible::NameChanged && event.interface == maximize;
    })) << "the button was renamed silently";
}

TEST_F(Form1AccessibilityEventsTest, ValueAndRangeChangesAreReported)
{
    form.bsknsldr1->SetMaxValue(40);
    EXPECT_TRUE(Heard(QAccessible::ValueChanged, form.bsknsldr1)) << "slider maximum";
    form.bsknsldr1->SetMaxValue(40);
    EXPECT_FALSE(Heard(QAccessible::ValueChanged, form.bsknsldr1)) << "an unchanged maximum was reported";
    form.bsknsldr1->SetMinValue(10);
    EXPECT_TRUE(Heard(QAccessible::ValueChanged, form.bsknsldr1)) << "slider minimum pulling the value up";

    form.bsSkinGauge1->SetMaxValue(50);
    EXPECT_TRUE(Heard(QAccessible::ValueChanged, form.bsSkinGauge1)) << "gauge maximum";
    form.bsSkinGauge1->SetValue(20);
    EXPECT_TRUE(Heard(QAccessible::ValueChanged, form.bsSkinGauge1)) << "gauge value";

    // The memo sets its bar's whole range at once as its text grows.
    TbsSkinScrollBar* bar = form.bsSkinScrollBar2;
    form.Memo1->SetText(QString(QStringLiteral("一行。\n")).repeated(200));
    EXPECT_TRUE(Heard(QAccessible::ValueChanged, bar)) << "scroll bar range";
    bar->SetRange(bar->Min(), bar->Max(), bar->PageSize(), bar->Position());
    EXPECT_FALSE(Heard(QAccessible::ValueChanged, bar)) << "an unchanged range was reported";
    bar->SetMax(bar->Max() + 5);
    EXPECT_TRUE(Heard(QAccessible::ValueChanged, bar)) << "scroll bar maximum";

    form.bschck2->SetChecked(true);
    EXPECT_TRUE(Heard(QAccessible::StateChanged, form.bschck2)) << "check box";
}

} // namespace
