#include "skin/controls/plain_text_editor.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_memo.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A memo with its vertical bar beside it, as the main window pairs them.
struct MemoWithBar {
    QWidget window;
    TbsSkinMemo* memo { new TbsSkinMemo(&window) };
    TbsSkinScrollBar* bar { new TbsSkinScrollBar(&window) };

    MemoWithBar()
    {
        window.resize(220, 120);
        memo->SetBorderStyle(TBorderStyle::bsNone);
        memo->SetScrollBars(TScrollStyle::ssVertical);
        memo->setGeometry(0, 0, 200, 120);
        bar->SetKind(TScrollBarKind::sbVertical);
        bar->setGeometry(200, 0, 19, 120);
        bar->setEnabled(false);
        memo->SetVScrollBar(bar);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    int FirstVisibleLine() const { return memo->Editor()->verticalScrollBar()->value(); }
};

// Where two long texts first differ, or -1 when they are the same.
qsizetype FirstDifference(const QString& actual, const QString& expected)
{
    const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return a == actual.end() && e == expected.end() ? -1 : a - actual.begin();
}

QString NumberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

TEST(SkinMemoTest, OverflowingTextEnablesTheBarAndFittingTextDisablesIt)
{
    MemoWithBar pair;
    EXPECT_FALSE(pair.bar->isEnabled());
    EXPECT_EQ(pair.bar->Max(), 0);

    pair.memo->SetText(NumberedLines(50));
    ASSERT_TRUE(pair.bar->isEnabled());
    const int page = pair.bar->PageSize();
    EXPECT_GT(page, 2);
    EXPECT_LT(page, 50);
    // The bar counts lines 0 .. 49 with a page of the visible lines.
    EXPECT_EQ(pair.bar->Max(), 49);
    EXPECT_EQ(pair.bar->Position(), 0);

    pair.memo->SetText(QStringLiteral("one line"));
    EXPECT_FALSE(pair.bar->isEnabled());
    EXPECT_EQ(pair.bar->Max(), 0);
    EXPECT_EQ(pair.bar->PageSize(), 0);
    EXPECT_EQ(pair.bar->Position(), 0);

    // Typing past the page enables it again.
    pair.memo->Editor()->setFocus();
    pair.memo->Clear();
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(pair.memo->Editor(), Qt::Key_Return);
    EXPECT_TRUE(pair.bar->isEnabled());
    EXPECT_EQ(pair.bar->Position(), pair.FirstVisibleLine());
    EXPECT_GT(pair.bar->Position(), 0) << "the caret at the end scrolled the memo";
}

TEST(SkinMemoTest, MovingTheBarScrollsTheMemoAndTheWheelScrollsAsQtViewsDo)
{
    MemoWithBar pair;
    pair.memo->SetText(NumberedLines(60));

    // Dragging the thumb all the way down shows the last page.
    const auto layout = pair.bar->CalcLayout();
    const QPoint grip = layout.thumb.center();
    QTest::mousePress(pair.bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(pair.bar, grip + QPoint(0, 500));
    QTest::mouseRelease(pair.bar, Qt::LeftButton, {}, grip + QPoint(0, 500));
    EXPECT_EQ(pair.bar->Position(), 60 - pair.bar->PageSize());
    EXPECT_EQ(pair.FirstVisibleLine(), pair.bar->Position());

    pair.bar->SetPosition(10);
    EXPECT_EQ(pair.FirstVisibleLine(), 10);

    // A notch is wheelScrollLines() lines, as in Qt's own views; the finer
    // steps of a touchpad add up to whole lines, and zero scrolls nothing.
    QWidget* viewport = pair.memo->Editor()->viewport();
    const auto wheel = [viewport](int delta) {
        QWheelEvent event(QPointF(20, 20), viewport->mapToGlobal(QPointF(20, 20)), {}, QPoint(0, delta), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    };
    const int lines = QApplication::wheelScrollLines();
    wheel(120);
    EXPECT_EQ(pair.FirstVisibleLine(), 10 - lines);
    EXPECT_EQ(pair.bar->Position(), 10 - lines);
    wheel(-120);
    EXPECT_EQ(pair.FirstVisibleLine(), 10);
    wheel(0);
    EXPECT_EQ(pair.FirstVisibleLine(), 10);
    for (int i = 0; i < 3; ++i)
        wheel(-30);
    EXPECT_EQ(pair.FirstVisibleLine(), 10 + 3 * lines / 4);
    wheel(-30);
    EXPECT_EQ(pair.FirstVisibleLine(), 10 + lines);
    EXPECT_EQ(pair.bar->Position(), 10 + lines);
}

TEST(SkinMemoTest, DisabledMemoDisablesItsBarAndDestroyedBarIsDropped)
{
    MemoWithBar pair;
    pair.memo->SetText(NumberedLines(50));
    ASSERT_TRUE(pair.bar->isEnabled());
    pair.memo->setEnabled(false);
    EXPECT_FALSE(pair.bar->isEnabled());
    pair.memo->setEnabled(true);
    EXPECT_TRUE(pair.bar->isEnabled());

    delete pair.bar;
    EXPECT_EQ(pair.memo->VScrollBar(), nullptr);
    pair.memo->SetText(NumberedLines(5));
}

TEST(SkinMemoTest, TextLinesAndClipboard)
{
    TbsSkinMemo memo;
    memo.SetText(QStringLiteral("甲，乙。\r\n丙\r\n"));
    EXPECT_EQ(memo.Text(), QStringLiteral("甲，乙。\n丙\n"));
    EXPECT_EQ(memo.Lines(), (QStringList { QStringLiteral("甲，乙。"), QStringLiteral("丙") }));

    memo.SelectAll();
    EXPECT_EQ(memo.SelText(), memo.Text());
    memo.CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("甲，乙。\n丙\n"));

    memo.Clear();
    EXPECT_TRUE(memo.Lines().isEmpty());
    memo.SetLines({ QStringLiteral("a"), QStringLiteral("b") });
    EXPECT_EQ(memo.Text(), QStringLiteral("a\nb"));
}

TEST(SkinMemoTest, ReadOnlyMemoCopiesButDoesNotChange)
{
    TbsSkinMemo memo;
    memo.SetText(QStringLiteral("keep me"));
    memo.SetReadOnly(true);
    memo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    memo.Editor()->setFocus();
    memo.SelectAll();

    QTest::keyClick(memo.Editor(), Qt::Key_Delete);
    QTest::keyClick(memo.Editor(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(memo.Editor(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(memo.Editor(), QStringLiteral("typed"));
    EXPECT_EQ(memo.Text(), QStringLiteral("keep me"));

    memo.SelectAll();
    QTest::keyClick(memo.Editor(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("keep me"));
}

TEST(SkinMemoTest, DefaultFaceIsTheWindowColourWithAnOptionalBorder)
{
    TbsSkinMemo memo;
    memo.resize(60, 40);
    memo.SetBorderStyle(TBorderStyle::bsNone);
    QImage face = memo.RenderFace();
    EXPECT_EQ(face.pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(memo.Editor()->geometry(), QRect(0, 0, 60, 40));

    memo.SetBorderStyle(TBorderStyle::bsSingle);
    face = memo.RenderFace();
    EXPECT_EQ(face.pixel(0, 0) & 0xFFFFFFu, 0x808080u);
    EXPECT_EQ(face.pixel(1, 1) & 0xFFFFFFu, 0xD4D0C8u);
    EXPECT_EQ(face.pixel(2, 2) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(memo.Editor()->geometry(), QRect(2, 2, 56, 36));
}

TEST(SkinMemoTest, PastedWindowsLineBreaksAreSingleBreaks)
{
    TbsSkinMemo memo;
    memo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
    memo.Editor()->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("甲。\r\n乙。\r\n"));
    QTest::keyClick(memo.Editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(memo.Text(), QStringLiteral("甲。\n乙。\n"));
    EXPECT_EQ(memo.Lines().size(), 2);
}

TEST(SkinMemoTest, ParagraphShownInPiecesReadsTypesCopiesAndUndoesAsOne)
{
    constexpr int kPiece = TbsPlainTextEditor::kLongestShownPiece;
    // No sentence end in the first piece, and a character outside the basic
    // plane across its limit; then sentences of two characters and a stop.
    QString paragraph = QString(kPiece - 1, QChar(u'字')) + QStringLiteral("𠀀");
    while (paragraph.size() < 5 * kPiece / 2)
        paragraph += QStringLiteral("乙。");
    const QString article = paragraph + QStringLiteral("\n短句。\n");

    TbsSkinMemo memo;
    memo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
    memo.SetText(article);
    EXPECT_EQ(FirstDifference(memo.Text(), article), -1);

    const QTextDocument& shown = *memo.Editor()->document();
    ASSERT_EQ(shown.blockCount(), 5);
    EXPECT_EQ(shown.firstBlock().text(), QString(kPiece - 1, QChar(u'字')));
    const QTextBlock second = shown.firstBlock().next();
    EXPECT_TRUE(second.text().startsWith(QStringLiteral("𠀀")));
    EXPECT_TRUE(second.text().endsWith(QStringLiteral("。")));
    EXPECT_LE(second.length() - 1, kPiece);

    memo.SelectAll();
    EXPECT_EQ(FirstDifference(memo.SelText(), article), -1);
    memo.CopyToClipboard();
    EXPECT_EQ(FirstDifference(QApplication::clipboard()->text(), article), -1);

    // Enter inside a piece starts a real paragraph; undone, the piece joins
    // its paragraph again.
    QTextCursor caret(second);
    caret.setPosition(second.position() + 4);
    memo.Editor()->setTextCursor(caret);
    QTest::keyClick(memo.Editor(), Qt::Key_Return);
    EXPECT_EQ(FirstDifference(memo.Text(), QString(article).insert(kPiece + 3, QLatin1Char('\n'))), -1);
    memo.Editor()->undo();
    EXPECT_EQ(FirstDifference(memo.Text(), article), -1);

    // Lines pasted at the start of a piece keep their own breaks.
    memo.Editor()->setTextCursor(QTextCursor(second));
    QApplication::clipboard()->setText(QStringLiteral("新\n行"));
    QTest::keyClick(memo.Editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(FirstDifference(memo.Text(), QString(article).insert(kPiece - 1, QStringLiteral("新\n行"))), -1);
}
