#include "app/window/form1.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_memo.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

// A seeded stream of random input on the real window.
class Monkey {
public:
    explicit Monkey(TForm1& form)
        : m_form(form)
    {
    }

    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    // A visible control of the window, frame and form itself left out: their
    // caption buttons would close or hide it.
    QWidget* AnyControl()
    {
        QList<QWidget*> visible;
        for (QWidget* widget : m_form.findChildren<QWidget*>()) {
            if (widget->isVisible() && !widget->isWindow() && widget->width() > 0 && widget->height() > 0)
                visible.append(widget);
        }
        return visible.at(Below(int(visible.size())));
    }

    QPoint AnyPointIn(const QWidget* widget) { return { Below(widget->width()), Below(widget->height()) }; }

    // A press and release on "清空" clear the memos, whatever the path between.
    bool IsClear(const QWidget* control) const
    {
        return control == m_form.bsSkinButton1 || m_form.bsSkinButton1->isAncestorOf(control);
    }

    bool FocusInArticle() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && (focus == m_form.Memo1 || m_form.Memo1->isAncestorOf(focus));
    }

    // Whether the step it did may change the first memo's article.
    bool Step()
    {
        static constexpr std::array kKeys { Qt::Key_A, Qt::Key_Z, Qt::Key_1, Qt::Key_Space, Qt::Key_Backspace,
            Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
            Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Escape, Qt::Key_C, Qt::Key_X };
        static constexpr std::array kModifiers { Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier };
        const int kind = Below(5);
        const QWidget* focus = QApplication::focusWidget();
        m_lastStep = QStringLiteral("kind %1 (click, drag, key, paste, resize) with the focus on %2")
                         .arg(kind)
                         .arg(focus ? QString::fromLatin1(focus->metaObject()->className()) : QStringLiteral("nothing"));
        switch (kind) {
        case 0: {
            QWidget* control = AnyControl();
            QTest::mouseClick(control, Qt::LeftButton, {}, AnyPointIn(control));
            return IsClear(control);
        }
        case 1: {
            // Text dragged out of a memo would start a drag-and-drop loop of
            // its own; drags go to the other controls.
            QWidget* control = AnyControl();
            if (m_form.Memo1->isAncestorOf(control) || m_form.Memo2->isAncestorOf(control))
                return false;
            QTest::mousePress(control, Qt::LeftButton, {}, AnyPointIn(control));
            QTest::mouseMove(control, AnyPointIn(control));
            QTest::mouseRelease(control, Qt::LeftButton, {}, AnyPointIn(control));
            return IsClear(control);
        }
        case 2: {
            const bool typing = FocusInArticle();
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &m_form;
            QTest::keyClick(focus, kKeys[Below(int(kKeys.size()))], kModifiers[Below(int(kModifiers.size()))]);
            return typing;
        }
        case 3: {
            const bool pasting = FocusInArticle();
            QApplication::clipboard()->setText(QStringLiteral("粘贴的句子，%1。\n").arg(Below(1000)));
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &m_form;
            QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
            return pasting;
        }
        default:
            m_form.resize(120 + Below(1200), 90 + Below(900));
            return false;
        }
    }

    const QString& LastStep() const { return m_lastStep; }

private:
    TForm1& m_form;
    QString m_lastStep;
    std::mt19937 m_random { 20261207 };
};

} // namespace

// Ten thousand random clicks, drags, key presses, pastes and resizes on the
// real window. It must come through whole (the sanitizer build checks every
// access), report no error, and the article in the first memo may change only
// by typing or pasting into it, or by "清空".
TEST(MonkeyTest, TenThousandRandomInputsKeepTheWindowWholeAndTheArticleSafe)
{
    QApplication::setApplicationDisplayName(TForm1::Caption());
    TForm1 form;
    QStringList errors;
    form.SetErrorReporter([&errors](const QString&, const QString& message) { errors << message; });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.Memo1->SetText(QStringLiteral("第一句，第二句。\n第三句！第四句？"));

    Monkey monkey(form);
    for (int step = 0; step < 10000; ++step) {
        const QString before = form.Memo1->Text();
        const bool mayChange = monkey.Step();
        QCoreApplication::processEvents();
        if (!mayChange) {
            ASSERT_EQ(form.Memo1->Text(), before) << "step " << step << ", " << monkey.LastStep().toStdString() << ", changed the article";
        }
    }
    EXPECT_TRUE(QTest::qWaitFor([&form] { return !form.Shuffling(); }, 10000));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}
