#include "app/window/error_report.h"
#include "app/window/form1.h"
#include "base/random_generator.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/page_control.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_slider.h"
#include "skin/controls/skin_xform_button.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/data_skin_control.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/dialogs/skin_message_box.h"
#include "skin/frame/skin_form.h"
#include "skins/built_in_skins.h"

#include "app/text/article_shuffle.h"
#include "tests/app/window/form1_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

TEST_F(Form1Test, StartsWithTheComposedWindowOnTheFirstPage)
{
    EXPECT_EQ(form.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Lumeno文章顺序随机打乱工具 V1.0"));
    // The client of 745 x 528 inside the built-in skin's frame (4 pixels at
    // the sides and bottom, a 32-pixel caption).
    EXPECT_EQ(form.bsSkinForm1->ClientArea()->size(), QSize(745, 528));
    EXPECT_EQ(form.size(), QSize(753, 564));

    EXPECT_EQ(form.bsSkinPanel1->geometry(), QRect(0, 0, 745, 73));
    EXPECT_EQ(form.bsSkinPanel2->geometry(), QRect(0, 73, 745, 8));
    EXPECT_EQ(form.WebBrowser1->geometry(), QRect(0, 81, 745, 72));
    EXPECT_EQ(form.bsSkinPageControl1->geometry(), QRect(0, 153, 745, 355));
    EXPECT_EQ(form.bsSkinGauge1->geometry(), QRect(0, 508, 745, 20));
    // Each page fills the page control's page area, which the skin's tabs
    // decide: the memo beside its 19-pixel bar.
    const QRect pageArea = form.bsSkinPageControl1->PageArea();
    EXPECT_EQ(form.bsSkinTabSheet1->geometry(), pageArea);
    EXPECT_EQ(form.Memo1->geometry(), QRect(0, 0, pageArea.width() - 19, pageArea.height()));
    EXPECT_EQ(form.bsSkinScrollBar2->geometry(), QRect(pageArea.width() - 19, 0, 19, pageArea.height()));
    EXPECT_EQ(form.bsSkinScrollBar4->geometry(), QRect(pageArea.width() - 19, 0, 19, pageArea.height()));
    // The keyword edit keeps its place and width and takes the skin's height.
    EXPECT_EQ(form.edt1->geometry().topLeft(), QPoint(120, 42));
    EXPECT_EQ(form.edt1->width(), 185);
    EXPECT_EQ(form.edt1->height(), SkinHeightOf(QStringLiteral("edit")));
    EXPECT_EQ(form.bsSkinXFormButton2->Caption(), QStringLiteral("打乱文章顺序"));
    EXPECT_EQ(form.bsSkinXFormButton1->Caption(), QStringLiteral("复制新文章"));
    EXPECT_EQ(form.bsSkinButton1->Caption(), QStringLiteral("清空"));
    EXPECT_EQ(form.bsSkinTabSheet1->Caption(), QStringLiteral("原始文章内容"));
    EXPECT_EQ(form.bsSkinTabSheet2->Caption(), QStringLiteral("打乱后的文章"));
    EXPECT_EQ(form.findChild<TbsSkinMemo*>(QStringLiteral("Memo2")), form.Memo2);

    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet1);
    EXPECT_TRUE(form.Memo1->isVisible());
    EXPECT_FALSE(form.Memo2->isVisible());
    EXPECT_TRUE(form.Memo1->Text().isEmpty());
    EXPECT_TRUE(form.bschck1->Checked());
    EXPECT_EQ(form.bschck1->Caption(), QStringLiteral("清除空格"));
    EXPECT_FALSE(form.bschck2->Checked());
    EXPECT_EQ(form.bschck2->Caption(), QStringLiteral("清除换行"));
    EXPECT_TRUE(form.edt1->Text().isEmpty());
    EXPECT_EQ(form.bsknsldr1->MinValue(), 2);
    EXPECT_EQ(form.bsknsldr1->MaxValue(), 30);
    EXPECT_EQ(form.bsknsldr1->Value(), 5);
    EXPECT_EQ(form.bsSkinGauge1->Value(), 0);
    EXPECT_FALSE(form.bsSkinScrollBar2->isEnabled());
    EXPECT_EQ(form.Memo1->VScrollBar(), form.bsSkinScrollBar2);
    EXPECT_EQ(form.Memo2->VScrollBar(), form.bsSkinScrollBar4);
    ASSERT_NE(form.Delimiters(), nullptr);
    EXPECT_TRUE(form.Delimiters()->IsEmpty());
}

TEST_F(Form1Test, LoadsTheBuiltInSkinAndEveryControlTakesItsDefinition)
{
    EXPECT_FALSE(form.bsSkinData1->Empty());
    EXPECT_FALSE(form.bsSkinData1->SkinChanging());
    EXPECT_EQ(form.bsCompressedStoredSkin1->FileName(), QStringLiteral("skin.ini"));
    EXPECT_TRUE(form.bsSkinForm1->Skinned());
    EXPECT_TRUE(reportedMessages.isEmpty());

    const auto controls = form.findChildren<TbsSkinControl*>();
    EXPECT_EQ(controls.size(), 19) << "every component of the window but the two pages";
    for (const TbsSkinControl* control : controls) {
        EXPECT_EQ(control->SkinData(), form.bsSkinData1) << control->objectName().toStdString();
        EXPECT_NE(control->SkinIndex(), -1) << control->objectName().toStdString() << " found no definition named "
                                            << control->SkinDataName().toStdString();
    }
}

TEST_F(Form1Test, ControlsFollowTheWindowSize)
{
    const QSize pageBefore = form.bsSkinPageControl1->PageArea().size();
    form.resize(788, 596);
    EXPECT_EQ(form.bsSkinForm1->ClientArea()->geometry(), QRect(4, 32, 780, 560));
    EXPECT_EQ(form.bsSkinPanel1->geometry(), QRect(0, 0, 780, 73));
    EXPECT_EQ(form.bsSkinGauge1->geometry(), QRect(0, 540, 780, 20));
    EXPECT_EQ(form.bsSkinPageControl1->geometry(), QRect(0, 153, 780, 387));
    const QRect pageArea = form.bsSkinPageControl1->PageArea();
    EXPECT_EQ(pageArea.size(), pageBefore + QSize(35, 32));
    EXPECT_EQ(form.bsSkinScrollBar2->geometry(), QRect(pageArea.width() - 19, 0, 19, pageArea.height()));
    EXPECT_EQ(form.Memo1->geometry(), QRect(0, 0, pageArea.width() - 19, pageArea.height()));
}

TEST_F(Form1Test, ClearEmptiesBothMemosAndShowsTheFirstPage)
{
    form.Memo1->SetText(QStringLiteral("甲，乙。"));
    form.Memo2->SetText(QStringLiteral("乙。甲，"));
    form.edt1->SetText(QStringLiteral("关键词"));
    form.bschck2->SetChecked(true);
    form.bsSkinPageControl1->SetActivePage(form.bsSkinTabSheet2);
    form.Delimiters()->Append(QStringLiteral("，"));

    Click(form.bsSkinButton1);
    EXPECT_TRUE(form.Memo1->Text().isEmpty());
    EXPECT_TRUE(form.Memo2->Text().isEmpty());
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet1);
    // Options and delimiters are left as they are.
    EXPECT_EQ(form.edt1->Text(), QStringLiteral("关键词"));
    EXPECT_TRUE(form.bschck2->Checked());
    EXPECT_EQ(form.Delimiters()->ToStringList(), QStringList { QStringLiteral("，") });

    Click(form.bsSkinButton1);
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet1);
    EXPECT_TRUE(reportedMessages.isEmpty());
}

TEST_F(Form1Test, CopyPutsTheShuffledArticleOnTheClipboard)
{
    QApplication::clipboard()->setText(QStringLiteral("old"));
    form.Memo2->SetText(QStringLiteral("。甲，乙\r\n丙。"));
    Click(form.bsSkinXFormButton1);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("。甲，乙\n丙。"));
    EXPECT_EQ(form.Memo2->SelText(), form.Memo2->Text()) << "the selection stays";
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet1);
}

TEST_F(Form1Test, ShuffleShowsTheReassembledArticleOnTheSecondPage)
{
    // Partner draws 2, 1, 1 turn 甲 / 乙 / line break into line break / 甲 / 乙.
    RandomGenerator::ProcessWide() = RandomGenerator::Deterministic(StateDrawing100());
    form.Memo1->SetText(QStringLiteral("甲，乙。"));
    ClickShuffle();
    EXPECT_TRUE(reportedMessages.isEmpty()) << reportedMessages.join(u'\n').toStdString();
    EXPECT_EQ(form.Memo2->Text(), QStringLiteral("\n。甲，乙。"));
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet2);
    EXPECT_TRUE(form.Memo2->isVisible());
    EXPECT_FALSE(form.bsSkinScrollBar4->isEnabled()) << "two lines fit on the page";
    EXPECT_EQ(form.Delimiters()->ToStringList(), (QStringList { QStringLiteral("，"), QStringLiteral("。") }));
    EXPECT_EQ(form.Memo1->Text(), QStringLiteral("甲，乙。"));

    // With line breaks removed the first piece comes out empty.
    RandomGenerator::ProcessWide() = RandomGenerator::Deterministic(StateDrawing100());
    Click(form.bschck2);
    ASSERT_TRUE(form.bschck2->Checked());
    ClickShuffle();
    EXPECT_EQ(form.Memo2->Text(), QStringLiteral("。甲，乙。"));
}

TEST_F(Form1Test, ShuffleOfALongArticleFillsTheSecondMemoAndItsBar)
{
    QString article;
    for (int i = 0; i < 80; ++i)
        article += QStringLiteral("第%1句话，内容。\n").arg(i);
    form.Memo1->SetText(article);
    ClickShuffle();
    const QString result = form.Memo2->Text();
    EXPECT_TRUE(result.endsWith(QStringLiteral("。")));
    EXPECT_EQ(result.count(QStringLiteral("，")), 80);
    EXPECT_EQ(result.count(QStringLiteral("。")), 81);
    EXPECT_TRUE(form.bsSkinScrollBar4->isEnabled()) << "the result overflows its page";
    EXPECT_GT(form.bsSkinScrollBar4->Max(), form.bsSkinScrollBar4->PageSize());
}

namespace {

// A reproducible generator whose every reseed takes a while, so that a
// shuffle of a few thousand pieces lasts long enough to be watched.
RandomGenerator SlowSeededGenerator(std::chrono::microseconds perReseed)
{
    return RandomGenerator(0, [perReseed, seed = std::uint32_t(1)]() mutable {
        std::this_thread::sleep_for(perReseed);
        seed = seed * 69069u + 12345u;
        return seed;
    });
}

QString ManySentences(int count)
{
    QString article;
    for (int i = 0; i < count; ++i)
        article += QStringLiteral("第%1句话，\n").arg(i);
    return article;
}

} // namespace

TEST_F(Form1Test, ALongShuffleMovesTheGaugeKeepsTheWindowResponsiveAndEqualsTheDirectDraw)
{
    const QString article = ManySentences(4000);
    form.Memo1->SetText(article);
    form.edt1->SetText(QStringLiteral("词"));
    RandomGenerator::ProcessWide() = SlowSeededGenerator(std::chrono::microseconds(100));

    // Watch the window from its own event loop while the shuffle runs.
    int ticks = 0;
    int highestGauge = 0;
    bool commandsEverEnabled = false;
    bool busyCursorAlways = true;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (!form.Shuffling())
            return;
        ++ticks;
        highestGauge = std::max(highestGauge, form.bsSkinGauge1->Value());
        commandsEverEnabled = commandsEverEnabled || form.bsSkinXFormButton2->isEnabled()
            || form.bsSkinButton1->isEnabled() || form.bsSkinXFormButton1->isEnabled();
        busyCursorAlways = busyCursorAlways && QGuiApplication::overrideCursor()
            && QGuiApplication::overrideCursor()->shape() == Qt::BusyCursor;
    });
    watcher.start(10);
    ClickShuffle();
    watcher.stop();

    EXPECT_TRUE(reportedMessages.isEmpty()) << reportedMessages.join(u'\n').toStdString();
    EXPECT_GT(ticks, 20) << "the window processed few events while the shuffle ran";
    EXPECT_GT(highestGauge, 0);
    EXPECT_EQ(form.bsSkinGauge1->Value(), 0);
    EXPECT_FALSE(commandsEverEnabled);
    EXPECT_TRUE(busyCursorAlways);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(form.bsSkinXFormButton2->isEnabled());

    ShuffleOptions options;
    options.keyword = QStringLiteral("词");
    auto direct = SlowSeededGenerator(std::chrono::microseconds(0));
    EXPECT_EQ(form.Memo2->Text(), ShuffleArticleText(article, options, LineBreakStyle::Lf, direct));
    EXPECT_EQ(RandomGenerator::ProcessWide().State(), direct.State());
    EXPECT_EQ(form.Delimiters()->Count(), 4000);
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet2);
}

TEST_F(Form1Test, ClearingOrClosingDuringAShuffleIsSafe)
{
    RandomGenerator::ProcessWide() = SlowSeededGenerator(std::chrono::microseconds(200));
    form.Memo2->SetText(QStringLiteral("earlier result"));
    form.Memo1->SetText(ManySentences(3000));
    Click(form.bsSkinXFormButton2);
    ASSERT_TRUE(form.Shuffling());
    // A second start replaces the first.
    form.bsSkinXFormButton2Click();
    ASSERT_TRUE(form.Shuffling());
    form.bsSkinButton1Click();
    EXPECT_FALSE(form.Shuffling());
    QTest::qWait(50);
    EXPECT_TRUE(form.Memo1->Text().isEmpty());
    EXPECT_TRUE(form.Memo2->Text().isEmpty()) << "no result of the cleared article comes back";
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet1);
    EXPECT_EQ(form.bsSkinGauge1->Value(), 0);
    EXPECT_TRUE(form.bsSkinXFormButton2->isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    auto closing = std::make_unique<TForm1>();
    closing->Memo1->SetText(ManySentences(3000));
    closing->show();
    closing->bsSkinXFormButton2Click();
    ASSERT_TRUE(closing->Shuffling());
    closing.reset();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QTest::qWait(50);
}

TEST_F(Form1Test, ShuffleWithoutTextKeepsTheOldResultAndStillShowsTheSecondPage)
{
    form.Memo2->SetText(QStringLiteral("earlier result"));
    ClickShuffle();
    EXPECT_EQ(form.Memo2->Text(), QStringLiteral("earlier result"));
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet2);
    EXPECT_TRUE(reportedMessages.isEmpty());
}

TEST_F(Form1Test, AnErrorInAHandlerIsReportedAndTheWindowGoesOn)
{
    RandomGenerator::ProcessWide().SetSeedSource([]() -> std::uint32_t { throw std::runtime_error("时钟不可用"); });
    form.Memo1->SetText(QStringLiteral("甲，乙。"));
    form.Memo2->SetText(QStringLiteral("before"));
    ClickShuffle();

    ASSERT_EQ(reportedMessages.size(), 1);
    EXPECT_EQ(reportedMessages[0], QStringLiteral("时钟不可用."));
    EXPECT_EQ(reportedCaptions[0], QStringLiteral("Lumeno文章顺序随机打乱工具 V1.0"));
    EXPECT_EQ(form.Memo2->Text(), QStringLiteral("before"));
    EXPECT_EQ(form.bsSkinPageControl1->ActivePage(), form.bsSkinTabSheet1);

    // The other commands still work.
    Click(form.bsSkinButton1);
    EXPECT_TRUE(form.Memo1->Text().isEmpty());
    EXPECT_EQ(reportedMessages.size(), 1);
}

TEST(ErrorReportTest, FullStopIsAddedAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(ErrorBoxText(QStringLiteral("List index out of bounds (1)")), QStringLiteral("List index out of bounds (1)"));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Access denied")), QStringLiteral("Access denied."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Done.")), QStringLiteral("Done."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Stop!")), QStringLiteral("Stop!"));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Code 42")), QStringLiteral("Code 42."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("出错了。")), QStringLiteral("出错了。."));
    EXPECT_EQ(ErrorBoxText(QString()), QString());
}

TEST(ErrorReportTest, MessageBoxReporterShowsACriticalBoxInTheSkin)
{
    QWidget owner;
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(BuiltInSkinCompressedData(kDefaultBuiltInSkinName));
    TbsSkinData skinData;
    skinData.SetCompressedStoredSkin(&stored);
    QString seenTitle;
    QString seenText;
    QString seenButton;
    bool skinned = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<TbsSkinMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenTitle = box->windowTitle();
        seenText = box->Text();
        skinned = box->SkinForm()->Skinned();
        ASSERT_NE(box->Button(QMessageBox::Ok), nullptr);
        seenButton = box->Button(QMessageBox::Ok)->Caption();
        box->Button(QMessageBox::Ok)->ButtonClick();
    });
    MessageBoxReporter(&owner, &skinData)(QStringLiteral("Lumeno"), QStringLiteral("boom."));
    EXPECT_EQ(seenTitle, QStringLiteral("Lumeno"));
    EXPECT_EQ(seenText, QStringLiteral("boom."));
    EXPECT_EQ(seenButton, QStringLiteral("确定"));
    EXPECT_TRUE(skinned);
}

TEST_F(Form1Test, FocusStartsInTheArticleAndTabFollowsTheOrder)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(form.Memo1->Editor()->hasFocus()) << "a paste goes into the article";
    form.bschck1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(form.bschck2->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(form.bschck3->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(form.edt1->Editor()->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("seo"));
    EXPECT_EQ(form.edt1->Text(), QStringLiteral("seo"));
    // The command buttons never take the focus.
    Click(form.bsSkinButton1);
    EXPECT_FALSE(form.bsSkinButton1->hasFocus());
}
