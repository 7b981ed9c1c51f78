#include "built_in_skin.h"
#include "face_pixels.h"

#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_memo.h"
#include "skin/data/control_definitions_edits.h"
#include "skin/data/skin_data.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const TbsDataSkinEditControl* EditDefinition(const TbsSkinData& skinData, const QString& name)
{
    const int index = skinData.FindControlIndex(name);
    if (index < 0)
        return nullptr;
    return dynamic_cast<const TbsDataSkinEditControl*>(skinData.ControlDefinitions()[index].get());
}

QImage PictureOf(const TbsSkinData& skinData, const TbsDataSkinEditControl& definition)
{
    return skinData.ActivePictures().at(definition.pictureIndex).convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The keyword edit and an article memo of the main window, with text in them,
// as the built-in skin paints them.
TEST(EditMemoDefaultSkinTest, EditAndMemoShowTheSkinsFrameAndNoBlack)
{
    TbsSkinData skinData;
    LoadBuiltInSkin(skinData);
    ASSERT_FALSE(skinData.Empty());
    const auto* editDefinition = EditDefinition(skinData, QStringLiteral("edit"));
    const auto* memoDefinition = EditDefinition(skinData, QStringLiteral("memo"));
    ASSERT_NE(editDefinition, nullptr);
    ASSERT_NE(memoDefinition, nullptr);

    QWidget window;
    window.resize(400, 300);
    TbsSkinEdit edit(&window);
    edit.setGeometry(10, 10, 150, 25);
    TbsSkinMemo memo(&window);
    memo.setGeometry(10, 60, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    edit.SetSkinData(&skinData);
    memo.SetSkinData(&skinData);
    edit.SetText(QStringLiteral("关键词 keyword"));
    memo.SetText(QStringLiteral("第一句话。第二句话！\nThe second line of the article."));
    ASSERT_TRUE(edit.HasSkinDefinition());
    ASSERT_TRUE(memo.HasSkinDefinition());
    // A blinking caret would come and go in the pictures.
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();

    const SkinRect& editSkin = editDefinition->skinRect;
    EXPECT_EQ(edit.size(), QSize(150, editSkin.Height()));
    const QImage editPicture = PictureOf(skinData, *editDefinition);
    const QImage editFace = GrabFace(edit);
    // The left and right parts of the frame are copied as they are, from the
    // active face while the edit has the focus.
    const SkinRect& editShown = edit.IsActive() ? editDefinition->activeSkinRect : editSkin;
    for (int y = 0; y < editSkin.Height(); ++y) {
        EXPECT_EQ(PixelAt(editFace, 0, y), PixelAt(editPicture, editShown.left, editShown.top + y)) << y;
        EXPECT_EQ(PixelAt(editFace, 149, y), PixelAt(editPicture, editShown.right - 1, editShown.top + y)) << y;
    }
    EXPECT_EQ(CountColor(editFace, editFace.rect(), Rgb(0, 0, 0)), 0);

    const SkinRect& memoSkin = memoDefinition->skinRect;
    const QImage memoPicture = PictureOf(skinData, *memoDefinition);
    const QImage memoFace = GrabFace(memo);
    EXPECT_EQ(PixelAt(memoFace, 0, 0), PixelAt(memoPicture, memoSkin.left, memoSkin.top));
    EXPECT_EQ(PixelAt(memoFace, 299, 199), PixelAt(memoPicture, memoSkin.right - 1, memoSkin.bottom - 1));
    EXPECT_EQ(PixelAt(memoFace, 150, 0), PixelAt(memoPicture, memoSkin.left + memoDefinition->leftTopPoint.x(), memoSkin.top));
    EXPECT_EQ(CountColor(memoFace, memoFace.rect(), Rgb(0, 0, 0)), 0);
    // The text is drawn, in the skin's colour family rather than the
    // editor's own.
    EXPECT_GT(CountColor(memoFace, memo.Editor()->geometry(), PixelAt(memoFace, 150, 150)), 0);
    EXPECT_LT(CountColor(memoFace, memo.Editor()->geometry(), PixelAt(memoFace, 150, 150)),
        memo.Editor()->width() * memo.Editor()->height());

    // The article memos of the window have no border: the client piece fills
    // them edge to edge.
    memo.SetBorderStyle(TBorderStyle::bsNone);
    const QImage borderless = GrabFace(memo);
    const SkinRect& client = memoDefinition->clientRect;
    EXPECT_EQ(PixelAt(borderless, 0, 0), PixelAt(memoPicture, memoSkin.left + client.left, memoSkin.top + client.top));
    EXPECT_EQ(CountColor(borderless, borderless.rect(), Rgb(0, 0, 0)), 0);
}
