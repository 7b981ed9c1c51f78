#include "app/window/article_file.h"
#include "app/window/form1.h"
#include "app/window/skin_choice.h"
#include "app/window/skin_switch.h"
#include "app/window/skin_system_menu.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_panel.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"
#include "skins/built_in_skins.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// The built-in skin with another name and a larger memo font, so that a
// switch visibly relays out the memos.
QByteArray VariantSkinFile()
{
    SkinPackage package = ReadSkinPackage(DecompressSkinPackage(BuiltInSkinCompressedData(kDefaultBuiltInSkinName)));
    QByteArray& text = package.definitionText;
    text.replace("skinname=Lumeno Light", "skinname=Variant");
    const qsizetype memo = text.indexOf("[memo]");
    const qsizetype height = text.indexOf("fontheight=14", memo);
    EXPECT_TRUE(memo >= 0 && height > memo);
    text.replace(height, 13, "fontheight=23");
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(CompressSkinPackage(WriteSkinPackage(package)));
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    stored.WriteFramed(buffer);
    return file;
}

QStringList Captions(const TbsMenuItem& menu)
{
    QStringList captions;
    for (int i = 0; i < menu.Count(); ++i)
        captions << (menu.Items(i)->Checked() ? QStringLiteral("✓") : QString()) + menu.Items(i)->Caption();
    return captions;
}

// Where a memo's view stands: the text position at its top-left corner and
// the selection.
struct MemoView {
    int top;
    int anchor;
    int position;
    bool operator==(const MemoView&) const = default;
};

MemoView ViewOf(const TbsSkinMemo& memo)
{
    QPlainTextEdit* editor = memo.Editor();
    const QTextCursor cursor = editor->textCursor();
    return { editor->cursorForPosition(QPoint(1, 1)).position(), cursor.anchor(), cursor.position() };
}

class SkinSwitchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setApplicationDisplayName(TForm1::Caption());
        form.SetErrorReporter([this](const QString&, const QString& message) { messages << message; });
        menu = form.findChild<SkinSystemMenu*>();
        ASSERT_NE(menu, nullptr);
        menu->AskForSkinFile = [this] { return fileToOpen; };
        ASSERT_TRUE(folder.isValid());
        // Choices are remembered in this test's own settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    static QString Remembered() { return RememberedSkinChoice(QSettings(QStringLiteral("Lumeno"), QStringLiteral("Lumeno"))); }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    TbsSkinMenu* Engine() { return TbsSkinMenu::Of(&form); }

    // Opens the system menu on the caption and, from it, the "皮肤" submenu.
    TbsSkinPopupWindow* OpenSkinsSubmenu()
    {
        form.bsSkinForm1->ShowSystemMenuAt(QRect(form.mapToGlobal(QPoint(120, 12)), QSize()));
        if (!Engine()->Visible())
            return nullptr;
        TbsSkinPopupWindow* first = Engine()->Popups().front();
        for (std::size_t i = 0; i < first->Items().size(); ++i) {
            if (first->Items()[i].menuItem == &menu->Skins()) {
                const QPoint row = first->Items()[i].rect.center();
                first->HoverAt(row);
                QTest::mouseClick(first, Qt::LeftButton, {}, row);
            }
        }
        return Engine()->Popups().size() == 2 ? Engine()->Popups().back() : nullptr;
    }

    // Chooses a row of the "皮肤" submenu and lets the window carry it out.
    void ChooseSkinRow(int index)
    {
        TbsSkinPopupWindow* skins = OpenSkinsSubmenu();
        ASSERT_NE(skins, nullptr);
        QTest::mouseClick(skins, Qt::LeftButton, {}, skins->Items()[static_cast<std::size_t>(index)].rect.center());
        EXPECT_FALSE(Engine()->Visible());
        QCoreApplication::processEvents();
    }

    // Sends a drag of data over point of the window and drops it there.
    void Drop(QMimeData* data, const QPoint& point)
    {
        QWindow* window = form.windowHandle();
        QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window, &enter);
        QDragMoveEvent move(point, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window, &move);
        QDropEvent drop(point, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window, &drop);
        QCoreApplication::processEvents();
    }

    void DropFile(const QString& path) { DropFileAt(path, form.Memo1->mapTo(&form, form.Memo1->rect().center())); }

    void DropFileAt(const QString& path, const QPoint& point)
    {
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(path) });
        data.setText(path);
        Drop(&data, point);
    }

    // Where the caret stands at position of Memo1's text, in the window.
    QPoint Memo1PointOf(int position)
    {
        QPlainTextEdit* editor = form.Memo1->Editor();
        QTextCursor cursor(editor->document());
        cursor.setPosition(position);
        return editor->viewport()->mapTo(&form, editor->cursorRect(cursor).center());
    }

    TForm1 form;
    SkinSystemMenu* menu { nullptr };
    QString fileToOpen;
    QStringList messages;
    QTemporaryDir folder;
};

} // namespace

TEST_F(SkinSwitchTest, TheSystemMenuListsTheSkinsAndAFileAndChoosingSwitchesAndIsRemembered)
{
    TbsSkinPopupWindow* skins = OpenSkinsSubmenu();
    ASSERT_NE(skins, nullptr);
    // The frame's standard rows stay as they are, around the window's own.
    EXPECT_EQ(Captions(*form.bsSkinForm1->SystemMenu()),
        (QStringList { "最小化(&N)", "最大化(&X)", "-", "皮肤", "-", "关闭(&C)" }));
    EXPECT_EQ(Captions(menu->Skins()), (QStringList { "✓Lumeno Light", "Lumeno Dark", "-", "打开皮肤文件…" }));
    Engine()->CloseMenus();

    ChooseSkinRow(1);
    EXPECT_EQ(form.bsSkinData1->SkinName(), "Lumeno Dark");
    EXPECT_EQ(Remembered(), "dark");
    ASSERT_NE(OpenSkinsSubmenu(), nullptr);
    EXPECT_EQ(Captions(menu->Skins()), (QStringList { "Lumeno Light", "✓Lumeno Dark", "-", "打开皮肤文件…" }));
    Engine()->CloseMenus();

    const int objects = static_cast<int>(form.bsSkinForm1->Objects().size());
    fileToOpen = Write("variant.skn", VariantSkinFile());
    ChooseSkinRow(3);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_EQ(form.bsSkinData1->SkinName(), "Variant");
    EXPECT_EQ(Remembered(), fileToOpen);
    EXPECT_TRUE(form.bsSkinForm1->Skinned());
    EXPECT_EQ(static_cast<int>(form.bsSkinForm1->Objects().size()), objects);
    EXPECT_FALSE(form.mask().isEmpty());
    EXPECT_EQ(form.bsSkinForm1->ClientArea()->size(), QSize(745, 528));
    for (TbsSkinMemo* memo : { form.Memo1, form.Memo2 })
        EXPECT_EQ(memo->Editor()->font().pixelSize(), 23) << memo->objectName().toStdString();
    // A file in use leaves no built-in skin checked.
    ASSERT_NE(OpenSkinsSubmenu(), nullptr);
    EXPECT_EQ(Captions(menu->Skins()), (QStringList { "Lumeno Light", "Lumeno Dark", "-", "打开皮肤文件…" }));
    Engine()->CloseMenus();

    ChooseSkinRow(0);
    EXPECT_EQ(form.bsSkinData1->SkinName(), "Lumeno Light");
    EXPECT_EQ(Remembered(), "light");
    EXPECT_NE(form.Memo1->Editor()->font().pixelSize(), 23);
    ASSERT_NE(OpenSkinsSubmenu(), nullptr);
    EXPECT_EQ(Captions(menu->Skins()).first(), "✓Lumeno Light");
    Engine()->CloseMenus();

    // A cancelled dialog changes nothing.
    fileToOpen.clear();
    ChooseSkinRow(3);
    EXPECT_EQ(form.bsSkinData1->SkinName(), "Lumeno Light");
    EXPECT_EQ(Remembered(), "light");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SkinSwitchTest, TheWindowIsActiveAgainWhenTheDialogForASkinFileCloses)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    bool dialogShown = false;
    menu->AskForSkinFile = [this, &dialogShown] {
        QDialog dialog(&form);
        QTimer::singleShot(0, &dialog, [&] {
            dialogShown = QTest::qWaitForWindowActive(&dialog, 1000);
            dialog.reject();
        });
        dialog.exec();
        return fileToOpen;
    };
    ChooseSkinRow(3);
    ASSERT_TRUE(dialogShown) << "the dialog never took the activation";
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form, 1000)) << "the window stayed inactive after the dialog closed";
}

TEST_F(SkinSwitchTest, ASkinThatFailsToLoadIsReportedWithItsFileAndReasonAndTheSkinInUseStays)
{
    fileToOpen = Write("variant.skn", VariantSkinFile());
    ChooseSkinRow(3);
    ASSERT_EQ(form.bsSkinData1->SkinName(), "Variant");
    TbsCompressedStoredSkin* inUse = form.bsSkinData1->CompressedStoredSkin();

    const QByteArray good = VariantSkinFile();
    QByteArray newer = good;
    newer[0] = 4;
    QDir(folder.path()).mkdir("nopictures");
    const QString noPictures = Write("nopictures/skin.ini",
        "[VERSION]\nskinname=x\n[PICTURES]\npicture=frame.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
    const struct {
        QString path;
        QString reason;
    } failures[] = {
        { Write("corrupt.skn", "not a skin at all"), "文件不是皮肤文件" },
        { Write("truncated.skn", good.first(good.size() / 2)), "文件不是皮肤文件，或已损坏、不完整" },
        { Write("newer.skn", newer), "皮肤的版本 4 比本程序能读的版本 3 新" },
        { noPictures, "皮肤缺少图片" },
        { folder.filePath("gone.skn"), "文件不存在或无法读取" },
    };
    for (const auto& failure : failures) {
        messages.clear();
        fileToOpen = failure.path;
        ChooseSkinRow(3);
        ASSERT_EQ(messages.size(), 1) << failure.path.toStdString();
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral("无法使用皮肤文件“%1”：").arg(failure.path))) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(failure.reason)) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].endsWith("当前的皮肤保持不变。")) << messages[0].toStdString();
        EXPECT_EQ(form.bsSkinData1->SkinName(), "Variant");
        EXPECT_EQ(form.bsSkinData1->CompressedStoredSkin(), inUse);
        EXPECT_TRUE(form.bsSkinForm1->Skinned());
        EXPECT_EQ(Remembered(), folder.filePath("variant.skn"));
    }

    // Dropped on an article, a file that is neither a skin nor text is
    // refused, and the skin and the article stay.
    messages.clear();
    DropFile(Write("picture.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("picture.png"));
    EXPECT_TRUE(messages[0].contains("不是文本文件")) << messages[0].toStdString();
    EXPECT_EQ(form.bsSkinData1->CompressedStoredSkin(), inUse);
    EXPECT_EQ(form.Memo1->Text(), "") << "the dropped file went into the memo";
}

TEST_F(SkinSwitchTest, ASkinFileDroppedOnTheWindowIsTakenAndTextDropsStillReachTheMemo)
{
    DropFile(Write("variant.skn", VariantSkinFile()));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_EQ(form.bsSkinData1->SkinName(), "Variant");
    EXPECT_EQ(form.Memo1->Text(), "");

    QMimeData text;
    text.setText(QStringLiteral("拖进来的文章。"));
    Drop(&text, form.Memo1->mapTo(&form, form.Memo1->rect().center()));
    EXPECT_EQ(form.Memo1->Text(), QStringLiteral("拖进来的文章。"));
    EXPECT_EQ(form.bsSkinData1->SkinName(), "Variant");
}

TEST_F(SkinSwitchTest, TextFilesOfEachEncodingDroppedOnAnArticleLandWhereTheyAreDropped)
{
    const QString before = QStringLiteral("第一句。\n第二句。");
    const QString text = QStringLiteral("拖进来的文件，\r\n第二段。");
    const QString inserted = QStringLiteral("拖进来的文件，\n第二段。");
    QStringEncoder utf16le(QStringConverter::Utf16LE);
    QStringEncoder utf16be(QStringConverter::Utf16BE);
    QStringEncoder gb18030("GB18030");
    ASSERT_TRUE(gb18030.isValid());
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        { "utf8.txt", text.toUtf8() },
        { "utf8-bom", "\xEF\xBB\xBF" + text.toUtf8() },
        { "utf16le.txt", "\xFF\xFE" + QByteArray(utf16le.encode(text)) },
        { "utf16be.txt", "\xFE\xFF" + QByteArray(utf16be.encode(text)) },
        { "gb18030.txt", QByteArray(gb18030.encode(text)) },
    };
    const int at = 5; // the start of "第二句。"
    for (const auto& file : files) {
        messages.clear();
        form.Memo1->SetText(before);
        DropFileAt(Write(file.name, file.bytes), Memo1PointOf(at));
        EXPECT_TRUE(messages.isEmpty()) << file.name << ": " << messages.join('\n').toStdString();
        EXPECT_EQ(form.Memo1->Text(), before.left(at) + inserted + before.mid(at)) << file.name;
        EXPECT_EQ(form.Memo1->Editor()->textCursor().position(), at + inserted.size()) << file.name;
        EXPECT_TRUE(form.Memo1->Editor()->hasFocus()) << file.name;
    }
    EXPECT_EQ(form.bsSkinData1->SkinName(), "Lumeno Light");

    // One undo takes the whole drop back, as for a paste.
    form.Memo1->Editor()->undo();
    EXPECT_EQ(form.Memo1->Text(), before);

    // A file over the budget (sparse: nothing of it is written) says so and
    // changes nothing.
    messages.clear();
    QFile huge(folder.filePath("huge.txt"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kMaxArticleFileBytes + 1));
    huge.close();
    DropFileAt(huge.fileName(), Memo1PointOf(at));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("huge.txt") && messages[0].contains("64.0 MB")) << messages[0].toStdString();
    EXPECT_EQ(form.Memo1->Text(), before);

    // Anywhere but on an article, a text file is refused with what the
    // window takes.
    messages.clear();
    DropFileAt(folder.filePath("utf8.txt"), form.bsSkinPanel1->mapTo(&form, QPoint(5, 5)));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("皮肤文件") && messages[0].contains("文本文件")) << messages[0].toStdString();
    EXPECT_EQ(form.Memo1->Text(), before);
}

TEST_F(SkinSwitchTest, SkinsDroppedOnAnArticleOrAnywhereLoadWhateverTheirNames)
{
    form.Memo1->SetText(QStringLiteral("文章。"));
    DropFileAt(Write("article.txt", VariantSkinFile()), Memo1PointOf(1));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_EQ(form.bsSkinData1->SkinName(), "Variant");
    EXPECT_EQ(form.Memo1->Text(), QStringLiteral("文章。"));

    // A skin folder's definition under another name, dropped on the gauge.
    const QDir skinFolder(QDir::cleanPath(QStringLiteral(LUMENO_TEST_DATA_DIR "/../../../../skins/default")));
    for (const QString& name : skinFolder.entryList({ "*.bmp" }, QDir::Files))
        ASSERT_TRUE(QFile::copy(skinFolder.filePath(name), folder.filePath(name)));
    ASSERT_TRUE(QFile::copy(skinFolder.filePath("skin.ini"), folder.filePath("look.cfg")));
    DropFileAt(folder.filePath("look.cfg"), form.bsSkinGauge1->mapTo(&form, form.bsSkinGauge1->rect().center()));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_EQ(form.bsSkinData1->SkinName(), "Lumeno Light");
    EXPECT_EQ(form.Memo1->Text(), QStringLiteral("文章。"));
}

TEST_F(SkinSwitchTest, ASwitchKeepsTextSelectionAndScrollPositionsAndPaintsOnlyTheFinishedWindow)
{
    QString article;
    for (int i = 0; i < 400; ++i)
        article += QStringLiteral("第%1句，这是一篇很长的文章中的一句话，用来把备忘录撑满。\n").arg(i);
    form.Memo1->SetText(article);
    form.Memo2->SetText(article + article);
    for (TbsSkinMemo* memo : { form.Memo1, form.Memo2 }) {
        QPlainTextEdit* editor = memo->Editor();
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(article.size() / 2);
        cursor.setPosition(article.size() / 2 + 40, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
        editor->verticalScrollBar()->setValue(editor->verticalScrollBar()->maximum() / 3);
    }
    QCoreApplication::processEvents();
    const MemoView before1 = ViewOf(*form.Memo1);
    const MemoView before2 = ViewOf(*form.Memo2);
    ASSERT_GT(before1.top, 0);

    // Nothing of the window is painted while the skin changes under it.
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    qApp->installEventFilter(&counter);
    ASSERT_TRUE(SwitchSkin(form, Write("variant.skn", VariantSkinFile())));
    qApp->removeEventFilter(&counter);
    EXPECT_EQ(counter.paints, 0);
    ASSERT_EQ(form.Memo1->Editor()->font().pixelSize(), 23);
    QCoreApplication::processEvents();

    for (const auto& [memo, before] : { std::pair { form.Memo1, before1 }, std::pair { form.Memo2, before2 } }) {
        const QString name = memo->objectName();
        EXPECT_EQ(memo->Text(), name == "Memo1" ? article : article + article);
        const MemoView after = ViewOf(*memo);
        EXPECT_EQ(after.anchor, before.anchor) << name.toStdString();
        EXPECT_EQ(after.position, before.position) << name.toStdString();
        // The line that was at the top is at the top again.
        const QTextBlock block = memo->Editor()->document()->findBlock(before.top);
        EXPECT_EQ(memo->Editor()->document()->findBlock(after.top).blockNumber(), block.blockNumber()) << name.toStdString();
        // The linked bar follows the editor.
        EXPECT_EQ(memo->VScrollBar()->Position(), memo->Editor()->verticalScrollBar()->value()) << name.toStdString();
    }

    ASSERT_TRUE(SwitchSkin(form, QStringLiteral("light")));
    QCoreApplication::processEvents();
    EXPECT_EQ(ViewOf(*form.Memo1), before1);
    EXPECT_EQ(ViewOf(*form.Memo2), before2);
}
