#include "skin/dialogs/skin_message_box.h"

#include "skin/controls/skin_button.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skins/built_in_skins.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class SkinMessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        stored.SetCompressedData(BuiltInSkinCompressedData(kDefaultBuiltInSkinName));
        skinData.SetCompressedStoredSkin(&stored);
        ASSERT_FALSE(skinData.Empty());
    }

    // Opens a box without waiting for its answer, as a user meets it.
    std::unique_ptr<TbsSkinMessageBox> Open(QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
    {
        auto box = std::make_unique<TbsSkinMessageBox>(&skinData, QMessageBox::Question, QStringLiteral("Lumeno"),
            QStringLiteral("要保存吗？"), buttons, defaultButton);
        box->open();
        box->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(box.get()));
        return box;
    }

    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    TbsCompressedStoredSkin stored;
    TbsSkinData skinData;
};

constexpr QMessageBox::StandardButtons kYesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

} // namespace

TEST_F(SkinMessageBoxTest, TheBoxIsDrawnInTheSkinWithTheSkinsTextsAndIsHeardAsADialog)
{
    TbsSkinMessageBox box(&skinData, QMessageBox::Critical, QString(), QStringLiteral("出错了。"), QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_TRUE(box.SkinForm()->Skinned());
    EXPECT_FALSE(box.mask().isEmpty()) << "the frame is not cut to the skin's shape";
    EXPECT_EQ(box.windowTitle(), "错误") << "without a caption the kind's MSG_CAP_ text";
    ASSERT_NE(box.Button(QMessageBox::Ok), nullptr);
    EXPECT_EQ(box.Button(QMessageBox::Ok)->Caption(), "确定");
    EXPECT_EQ(box.Button(QMessageBox::Cancel)->Caption(), "取消");
    EXPECT_EQ(box.Button(QMessageBox::Yes), nullptr);
    EXPECT_TRUE(box.Button(QMessageBox::Ok)->HasSkinDefinition());
    // The buttons sit side by side in the box, in message box order.
    EXPECT_LT(box.Button(QMessageBox::Ok)->x(), box.Button(QMessageBox::Cancel)->x());

    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), "错误");
    EXPECT_EQ(dialog->text(QAccessible::Description), "出错了。");
    QAccessibleInterface* ok = QAccessible::queryAccessibleInterface(box.Button(QMessageBox::Ok));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->role(), QAccessible::Button);
    EXPECT_EQ(ok->text(QAccessible::Name), "确定");

    // A caption given wins; a skin without texts leaves the program's own.
    TbsSkinMessageBox plain(nullptr, QMessageBox::Warning, QStringLiteral("Lumeno"), QStringLiteral("x"), QMessageBox::Ok);
    EXPECT_EQ(plain.windowTitle(), "Lumeno");
    EXPECT_EQ(plain.Button(QMessageBox::Ok)->Caption(), "OK");
}

TEST_F(SkinMessageBoxTest, EnterEscapeTabArrowsAndMnemonicsAnswerAsInAnyMessageBox)
{
    // The default button has the focus, and Enter answers with it.
    auto box = Open(kYesNoCancel, QMessageBox::No);
    EXPECT_TRUE(box->Button(QMessageBox::No)->hasFocus());
    Press(Qt::Key_Return);
    EXPECT_EQ(box->ClickedButton(), QMessageBox::No);
    EXPECT_EQ(box->result(), QMessageBox::No);
    EXPECT_FALSE(box->isVisible());

    // Tab and the arrows walk the buttons; Enter and Space answer with the
    // focused one.
    box = Open(kYesNoCancel, QMessageBox::Yes);
    Press(Qt::Key_Tab);
    EXPECT_TRUE(box->Button(QMessageBox::No)->hasFocus());
    Press(Qt::Key_Right);
    EXPECT_TRUE(box->Button(QMessageBox::Cancel)->hasFocus());
    Press(Qt::Key_Right);
    EXPECT_TRUE(box->Button(QMessageBox::Yes)->hasFocus()) << "round the end";
    Press(Qt::Key_Left);
    EXPECT_TRUE(box->Button(QMessageBox::Cancel)->hasFocus());
    Press(Qt::Key_Left);
    Press(Qt::Key_Enter);
    EXPECT_EQ(box->ClickedButton(), QMessageBox::No);
    box = Open(kYesNoCancel, QMessageBox::Yes);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Space);
    EXPECT_EQ(box->ClickedButton(), QMessageBox::No);

    // Escape answers Cancel, else No, else a lone button; closing is Escape.
    box = Open(kYesNoCancel, QMessageBox::Yes);
    Press(Qt::Key_Escape);
    EXPECT_EQ(box->ClickedButton(), QMessageBox::Cancel);
    box = Open(QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    Press(Qt::Key_Escape);
    EXPECT_EQ(box->ClickedButton(), QMessageBox::No);
    box = Open(QMessageBox::Ok, QMessageBox::NoButton);
    EXPECT_TRUE(box->Button(QMessageBox::Ok)->hasFocus()) << "the lone button is the default";
    box->close();
    EXPECT_EQ(box->ClickedButton(), QMessageBox::Ok);
    EXPECT_FALSE(box->isVisible());
    // Yes and Retry give Escape nothing to answer: the box stays.
    box = Open(QMessageBox::Yes | QMessageBox::Retry, QMessageBox::Yes);
    Press(Qt::Key_Escape);
    box->close();
    EXPECT_EQ(box->ClickedButton(), QMessageBox::NoButton);
    EXPECT_TRUE(box->isVisible());

    // The skin's "是(&Y)" answers to Alt+Y.
    box = Open(kYesNoCancel, QMessageBox::Cancel);
    Press(Qt::Key_Y, Qt::AltModifier);
    EXPECT_EQ(box->ClickedButton(), QMessageBox::Yes);
}
