#include "app/text/article_shuffle.h"
#include "app/text/sentence_shuffle.h"
#include "app/window/shuffle_mode_setting.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_xform_button.h"
#include "tests/app/window/form1_fixture.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>

namespace {

const QString kArticle = QStringLiteral("春天来了。夏天到了！秋天走了？\n\n　　冬天“冷吗？”很冷……");

// The shuffle the window should show from a known generator state.
template <typename Shuffle>
QString Expected(std::uint32_t state, Shuffle shuffle)
{
    auto generator = RandomGenerator::Deterministic(state);
    return shuffle(generator);
}

} // namespace

TEST_F(Form1Test, TheWholeSentenceBoxChoosesTheShuffleAndThePieceShuffleStaysBesideIt)
{
    // An option box beside the other two, unchecked at first, with its hint.
    EXPECT_FALSE(form.bschck3->Checked());
    EXPECT_EQ(form.bschck3->Caption(), QStringLiteral("整句打乱"));
    EXPECT_EQ(form.bschck3->y(), form.bschck2->y());
    EXPECT_GE(form.bschck3->x(), form.bschck2->geometry().right());
    EXPECT_LE(form.bschck3->geometry().right(), form.bsSkinPanel1->width());
    EXPECT_EQ(form.bschck3->height(), form.bschck2->height()) << "not drawn by the skin like the other two";
    EXPECT_EQ(form.bschck3->toolTip(), QStringLiteral("句子带着自己的标点整句打乱，段落保持不变"));
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form.bschck3);
    EXPECT_EQ(box->role(), QAccessible::CheckBox);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("整句打乱"));
    EXPECT_EQ(box->text(QAccessible::Description), form.bschck3->toolTip());

    ShuffleOptions options;
    form.Memo1->SetText(kArticle);
    RandomGenerator::ProcessWide() = RandomGenerator::Deterministic(5);
    ClickShuffle();
    auto const pieces = Expected(5, [&](RandomGenerator& g) { return ShuffleArticleText(kArticle, options, LineBreakStyle::Lf, g); });
    EXPECT_EQ(form.Memo2->Text(), pieces);

    Click(form.bschck3);
    ASSERT_TRUE(form.bschck3->Checked());
    RandomGenerator::ProcessWide() = RandomGenerator::Deterministic(5);
    ClickShuffle();
    auto const sentences = Expected(5, [&](RandomGenerator& g) { return ShuffleSentencesText(kArticle, options, g); });
    EXPECT_EQ(form.Memo2->Text(), sentences);
    EXPECT_NE(sentences, pieces);
    EXPECT_EQ(sentences.split(u'\n').size(), 3) << "the paragraphs and the empty line are not kept";
    EXPECT_TRUE(reportedMessages.isEmpty()) << reportedMessages.join(u'\n').toStdString();

    // Ctrl+Enter runs the chosen shuffle too; with "清除换行" the article is one paragraph.
    Click(form.bschck2);
    options.removeLineBreaks = true;
    form.Memo2->SetText(QString());
    RandomGenerator::ProcessWide() = RandomGenerator::Deterministic(11);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Memo1->Editor()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form.Shuffling() && !form.Memo2->Text().isEmpty(); }, 10000));
    EXPECT_EQ(form.Memo2->Text(), Expected(11, [&](RandomGenerator& g) { return ShuffleSentencesText(kArticle, options, g); }));

    // Unchecked, the window shuffles pieces again.
    Click(form.bschck3);
    RandomGenerator::ProcessWide() = RandomGenerator::Deterministic(5);
    ClickShuffle();
    EXPECT_EQ(form.Memo2->Text(), Expected(5, [&](RandomGenerator& g) { return ShuffleArticleText(kArticle, options, LineBreakStyle::Lf, g); }));
}

TEST_F(Form1Test, TheWholeSentenceChoiceIsRememberedInTheSettings)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("Lumeno.conf"));
    {
        QSettings earlier(path, QSettings::IniFormat);
        earlier.setValue(QLatin1String(kWholeSentencesSettingsKey), true);
    }
    QSettings settings(path, QSettings::IniFormat);
    KeepShuffleModeInSettings(form, settings);
    EXPECT_TRUE(form.bschck3->Checked());

    Click(form.bschck3);
    EXPECT_FALSE(form.bschck3->Checked());
    EXPECT_FALSE(QSettings(path, QSettings::IniFormat).value(QLatin1String(kWholeSentencesSettingsKey)).toBool());
    Click(form.bschck3);
    EXPECT_TRUE(QSettings(path, QSettings::IniFormat).value(QLatin1String(kWholeSentencesSettingsKey)).toBool());
}
