#include "app/window/form1.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_memo.h"

#include <QApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

namespace {

// Chinese typed through an input method: the platform sends the input
// method's events to the application's focus object and asks it where the
// caret is, exactly as done here.
class Form1InputMethodTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Types "春天" into the focused text control: the spelling "chuntian" as
    // preedit first, then the commit; text reads the control's text.
    static void TypeSpringThrough(QWidget& control, QWidget& editor, const std::function<QString()>& text)
    {
        editor.setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QGuiApplication::focusObject(), &editor) << "the input method would talk to another object";
        QInputMethodQueryEvent enabled(Qt::ImEnabled);
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &enabled);
        EXPECT_TRUE(enabled.value(Qt::ImEnabled).toBool()) << "the editor refuses input methods";
        EXPECT_TRUE(editor.testAttribute(Qt::WA_InputMethodEnabled));

        const QImage before = control.grab().toImage();
        QInputMethodEvent spelling(QStringLiteral("chuntian"),
            { QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, 8, 1) });
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &spelling);
        EXPECT_EQ(text(), QString()) << "the preedit was committed early";
        EXPECT_NE(control.grab().toImage(), before) << "the preedit is not shown";

        // The candidate window opens at the caret the focus object reports,
        // which lies inside the control, behind the preedit.
        QInputMethodQueryEvent caretQuery(Qt::ImCursorRectangle);
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &caretQuery);
        const QRect caret = caretQuery.value(Qt::ImCursorRectangle).toRect();
        const QRect controlOnScreen(control.mapToGlobal(QPoint()), control.size());
        const QPoint caretOnScreen = editor.mapToGlobal(caret.center());
        EXPECT_GT(caret.left(), 0) << "the caret stayed before the preedit";
        EXPECT_TRUE(controlOnScreen.contains(caretOnScreen))
            << "caret at " << caretOnScreen.x() << "," << caretOnScreen.y() << " outside the control";

        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("春天"));
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &commit);
        EXPECT_EQ(text(), QStringLiteral("春天"));
    }

    TForm1 form;
};

TEST_F(Form1InputMethodTest, ArticleMemoTakesPreeditThenCommit)
{
    TypeSpringThrough(*form.Memo1, *form.Memo1->Editor(), [this] { return form.Memo1->Text(); });
}

TEST_F(Form1InputMethodTest, KeywordEditTakesPreeditThenCommit)
{
    form.edt1->SetText(QString());
    TypeSpringThrough(*form.edt1, *form.edt1->Editor(), [this] { return form.edt1->Text(); });
}

} // namespace
