#include "app/text/article_shuffle.h"
#include "app/window/form1.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/page_control.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_slider.h"
#include "skin/controls/tab_sheet.h"
#include "tests/support/accessible_tree.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The main window as assistive technology sees it: every lookup walks the
// accessible tree from the window down, as a screen reader does.
class Form1AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetErrorReporter([this](const QString&, const QString& message) { reportedMessages << message; });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // The first node of the tree with this role and name, depth first.
    QAccessibleInterface* Find(QAccessible::Role role, const QString& name) const
    {
        return FindAccessible(QAccessible::queryAccessibleInterface(const_cast<TForm1*>(&form)), role, name);
    }

    TForm1 form;
    QStringList reportedMessages;
};

TEST_F(Form1AccessibilityTest, CommandsAndOptionsHaveRolesNamesStatesAndActions)
{
    for (const QString& caption : { QStringLiteral("打乱文章顺序"), QStringLiteral("清空"), QStringLiteral("复制新文章") }) {
        QAccessibleInterface* button = Find(QAccessible::PushButton, caption);
        ASSERT_NE(button, nullptr) << qPrintable(caption);
        ASSERT_NE(button->actionInterface(), nullptr);
        EXPECT_TRUE(button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }

    form.Memo1->SetText(QStringLiteral("春眠不觉晓。处处闻啼鸟。"));
    Find(QAccessible::PushButton, QStringLiteral("打乱文章顺序"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form.Shuffling(); }, 10000)) << "the shuffle never ended";
    EXPECT_TRUE(form.Memo2->Text().contains(QStringLiteral("处处闻啼鸟"))) << qPrintable(form.Memo2->Text());
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet2);
    Find(QAccessible::PushButton, QStringLiteral("清空"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(form.Memo1->Text().isEmpty()) << "the press did not clear the article";
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet1);
    EXPECT_TRUE(reportedMessages.isEmpty()) << qPrintable(reportedMessages.join('\n'));

    QAccessibleInterface* spaces = Find(QAccessible::CheckBox, QStringLiteral("清除空格"));
    QAccessibleInterface* breaks = Find(QAccessible::CheckBox, QStringLiteral("清除换行"));
    ASSERT_NE(spaces, nullptr);
    ASSERT_NE(breaks, nullptr);
    EXPECT_TRUE(spaces->state().checkable);
    EXPECT_TRUE(spaces->state().checked);
    EXPECT_FALSE(breaks->state().checked);
    breaks->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(form.bschck2->Checked());
    EXPECT_TRUE(breaks->state().checked);
}

TEST_F(Form1AccessibilityTest, SliderIsNamedByItsLabelAndTakesValuesThroughTheInterface)
{
    EXPECT_NE(Find(QAccessible::StaticText, QStringLiteral("词频")), nullptr);
    QAccessibleInterface* slider = Find(QAccessible::Slider, QStringLiteral("词频"));
    ASSERT_NE(slider, nullptr);
    QAccessibleValueInterface* value = slider->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), form.bsknsldr1->Value());
    EXPECT_EQ(value->minimumValue().toInt(), ShuffleOptions::kMinFrequency);
    EXPECT_EQ(value->maximumValue().toInt(), ShuffleOptions::kMaxFrequency);

    const QRect thumbBefore = form.bsknsldr1->ThumbRect();
    value->setCurrentValue(ShuffleOptions::kMaxFrequency - 1);
    EXPECT_EQ(form.bsknsldr1->Value(), ShuffleOptions::kMaxFrequency - 1);
    EXPECT_NE(form.bsknsldr1->ThumbRect(), thumbBefore) << "the thumb did not move";
    value->setCurrentValue(ShuffleOptions::kMaxFrequency + 1000);
    EXPECT_EQ(form.bsknsldr1->Value(), ShuffleOptions::kMaxFrequency);
    EXPECT_EQ(slider->text(QAccessible::Value), QString::number(ShuffleOptions::kMaxFrequency));
}

TEST_F(Form1AccessibilityTest, PagesAreTabsThatSelectAndTheirEditorsKeepTextInterfaces)
{
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(form.bsSkinPageControl1);
    ASSERT_EQ(tabs->role(), QAccessible::PageTabList);
    QAccessibleInterface* first = tabs->child(0);
    QAccessibleInterface* second = tabs->child(1);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->role(), QAccessible::PageTab);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("原始文章内容"));
    EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("打乱后的文章"));
    EXPECT_EQ(tabs->indexOfChild(second), 1);
    EXPECT_EQ(second->parent(), tabs);
    EXPECT_TRUE(first->state().selected);
    EXPECT_FALSE(second->state().selected);
    EXPECT_TRUE(second->rect().intersects(QRect(form.bsSkinPageControl1->mapToGlobal(QPoint()), form.bsSkinPageControl1->size())));

    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet2);
    EXPECT_TRUE(second->state().selected);
    EXPECT_FALSE(first->state().selected);
    EXPECT_EQ(tabs->child(1), second) << "a tab got a new interface at every lookup";

    form.Memo2->SetText(QStringLiteral("处处闻啼鸟。"));
    QAccessibleInterface* shuffled = Find(QAccessible::EditableText, QStringLiteral("打乱后的文章"));
    ASSERT_NE(shuffled, nullptr);
    ASSERT_NE(shuffled->textInterface(), nullptr);
    EXPECT_EQ(shuffled->textInterface()->text(0, shuffled->textInterface()->characterCount()), QStringLiteral("处处闻啼鸟。"));
    EXPECT_NE(Find(QAccessible::EditableText, QStringLiteral("原始文章内容")), nullptr);
    QAccessibleInterface* keyword = Find(QAccessible::EditableText, QStringLiteral("加入关键词"));
    ASSERT_NE(keyword, nullptr);
    EXPECT_NE(keyword->editableTextInterface(), nullptr);
}

TEST_F(Form1AccessibilityTest, GaugeAndScrollBarsReportTheirValues)
{
    form.bsSkinGauge1->SetValue(30);
    QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(form.bsSkinGauge1);
    EXPECT_EQ(gauge->role(), QAccessible::ProgressBar);
    ASSERT_NE(gauge->valueInterface(), nullptr);
    EXPECT_EQ(gauge->valueInterface()->currentValue().toInt(), 30);
    EXPECT_EQ(gauge->text(QAccessible::Value), QStringLiteral("30%"));

    form.Memo1->SetText(QString(QStringLiteral("一行。\n")).repeated(200));
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(form.bsSkinScrollBar2);
    EXPECT_EQ(bar->role(), QAccessible::ScrollBar);
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_EQ(bar->valueInterface()->maximumValue().toInt(), form.bsSkinScrollBar2->Max());
    EXPECT_GT(form.bsSkinScrollBar2->Max(), 0);
    bar->valueInterface()->setCurrentValue(5);
    EXPECT_EQ(form.bsSkinScrollBar2->Position(), 5);
}

} // namespace

TEST_F(Form1AccessibilityTest, EachPageIsListedOnceAsItsTabWhichHoldsThePagesContents)
{
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(form.bsSkinPageControl1);
    ASSERT_NE(tabs, nullptr);
    // A screen reader on Linux reads both of these roles as "page tab".
    int pageTabs = 0;
    for (int i = 0; i < tabs->childCount(); ++i) {
        const QAccessible::Role role = tabs->child(i)->role();
        pageTabs += role == QAccessible::PageTab || role == QAccessible::PropertyPage ? 1 : 0;
    }
    EXPECT_EQ(pageTabs, 2) << "two pages, each listed once";

    QAccessibleInterface* second = tabs->child(1);
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(second->childCount(), 1);
    QAccessibleInterface* page = second->child(0);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->object(), form.bsSkinTabSheet2);
    EXPECT_EQ(page->role(), QAccessible::Pane);
    EXPECT_EQ(page->parent(), second) << "the page does not lead back to its tab";
    EXPECT_EQ(second->indexOfChild(page), 0);
    form.Memo2->SetText(QStringLiteral("处处闻啼鸟。"));
    EXPECT_NE(FindAccessible(second, QAccessible::EditableText, QStringLiteral("打乱后的文章")), nullptr)
        << "the tab does not hold its page's memo";
}
