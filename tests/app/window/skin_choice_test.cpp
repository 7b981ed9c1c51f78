#include "app/window/form1.h"
#include "app/window/skin_choice.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_memo.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skins/built_in_skins.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

QString SkinsFolder() { return QDir::cleanPath(QStringLiteral(LUMENO_TEST_DATA_DIR "/../../../../skins")); }

// What the window shows of its frame and of one control, and how every
// control looks, at one moment.
struct Look {
    QRgb caption;
    QRgb memo;
    std::map<QString, QImage> controls;
};

class SkinChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    Look Capture()
    {
        QCoreApplication::processEvents();
        const QImage window = form.grab().toImage();
        const QImage memo = form.Memo1->grab().toImage();
        Look look;
        // Half way along the caption, clear of the title and the buttons.
        look.caption = window.pixel(form.width() / 2, 4);
        // The memo's empty lower part, left of its bar.
        look.memo = memo.pixel(memo.width() / 2, memo.height() - 6);
        for (TbsSkinControl* control : form.findChildren<TbsSkinControl*>())
            look.controls[control->objectName()] = control->grab().toImage();
        return look;
    }

    // Every control follows the skin data and found its definition again.
    void ExpectEveryControlBound()
    {
        for (const TbsSkinControl* control : form.findChildren<TbsSkinControl*>()) {
            EXPECT_EQ(control->SkinData(), form.bsSkinData1) << control->objectName().toStdString();
            EXPECT_NE(control->SkinIndex(), -1) << control->objectName().toStdString();
        }
        EXPECT_FALSE(form.mask().isEmpty()) << "the frame lost its shape";
    }

    // The frame's caption band as the loaded skin's picture holds it.
    QRgb SkinCaptionColour() const { return form.bsSkinData1->Picture().pixel(form.bsSkinData1->Picture().width() / 2, 4); }

    QString PackedSkin(const QString& folder)
    {
        TbsCompressedStoredSkin stored;
        stored.LoadFromSkinFile(SkinsFolder() + u'/' + folder + QStringLiteral("/skin.ini"));
        QFile file(scratch.filePath(folder + QStringLiteral(".skn")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        stored.WriteFramed(file);
        return file.fileName();
    }

    QTemporaryDir scratch;
    TForm1 form;
};

TEST_F(SkinChoiceTest, SwitchingLightDarkFileLightKeepsTheArticleAndRepaintsFrameAndEveryControl)
{
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("第%1句，用来滚动。").arg(i);
    form.Memo1->SetLines(lines);
    const QString article = form.Memo1->Text();
    QPlainTextEdit* editor = form.Memo1->Editor();
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(10);
    cursor.setPosition(25, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->verticalScrollBar()->setValue(60);
    const auto expectArticleKept = [&](const char* step) {
        EXPECT_EQ(form.Memo1->Text(), article) << step;
        EXPECT_EQ(editor->textCursor().anchor(), 10) << step;
        EXPECT_EQ(editor->textCursor().position(), 25) << step;
        EXPECT_EQ(editor->verticalScrollBar()->value(), 60) << step;
        EXPECT_EQ(form.bsSkinScrollBar2->Position(), 60) << step;
    };

    const Look light = Capture();
    EXPECT_EQ(light.caption, SkinCaptionColour());
    EXPECT_GT(qGray(light.memo), 230);

    ASSERT_EQ(ApplySkinChoice(form, QStringLiteral("dark")), QString());
    EXPECT_EQ(form.bsSkinData1->SkinName(), QStringLiteral("Lumeno Dark"));
    EXPECT_EQ(CurrentSkinChoice(form), QStringLiteral("dark"));
    const Look dark = Capture();
    EXPECT_EQ(dark.caption, SkinCaptionColour()) << "the frame kept the old skin's picture";
    EXPECT_LT(qGray(dark.caption), 64);
    EXPECT_LT(qGray(dark.memo), 48);
    for (const auto& [name, picture] : light.controls) {
        // Label1 is an empty spacer label: it paints nothing in any skin.
        if (name != QLatin1String("Label1")) {
            EXPECT_NE(dark.controls.at(name), picture) << name.toStdString() << " still shows the light skin";
        }
    }
    ExpectEveryControlBound();
    expectArticleKept("dark");

    // A skin folder's definition file: the light art again, from the file.
    const QString file = SkinsFolder() + QStringLiteral("/default/skin.ini");
    ASSERT_EQ(ApplySkinChoice(form, file), QString());
    EXPECT_EQ(CurrentSkinChoice(form), file);
    EXPECT_NE(form.bsSkinData1->CompressedStoredSkin(), form.bsCompressedStoredSkin1);
    const Look fromFile = Capture();
    EXPECT_EQ(fromFile.caption, light.caption);
    EXPECT_EQ(fromFile.memo, light.memo);
    ExpectEveryControlBound();
    expectArticleKept("file");

    ASSERT_EQ(ApplySkinChoice(form, QStringLiteral("light")), QString());
    EXPECT_EQ(form.bsSkinData1->CompressedStoredSkin(), form.bsCompressedStoredSkin1);
    const Look back = Capture();
    EXPECT_EQ(back.caption, light.caption);
    EXPECT_EQ(back.memo, light.memo);
    for (const auto& [name, picture] : light.controls)
        EXPECT_EQ(back.controls.at(name), picture) << name.toStdString() << " looks different after the round trip";
    expectArticleKept("light");
}

TEST_F(SkinChoiceTest, ASkinThatCannotBeUsedKeepsTheCurrentOneAndFilesDoNotPileUp)
{
    ASSERT_EQ(ApplySkinChoice(form, QStringLiteral("dark")), QString());
    const QRgb darkCaption = Capture().caption;

    QFile corrupt(scratch.filePath(QStringLiteral("corrupt.skn")));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    const QByteArray packed = [&] {
        QFile good(PackedSkin(QStringLiteral("dark")));
        return good.open(QIODevice::ReadOnly) ? good.readAll() : QByteArray();
    }();
    ASSERT_GT(packed.size(), 100);
    corrupt.write(packed.left(packed.size() / 2));
    corrupt.close();

    for (const QString& bad : { corrupt.fileName(), scratch.filePath(QStringLiteral("missing.skn")), QStringLiteral("Dark"),
             QString() }) {
        SCOPED_TRACE(bad.toStdString());
        EXPECT_FALSE(ApplySkinChoice(form, bad).isEmpty());
        EXPECT_EQ(CurrentSkinChoice(form), QStringLiteral("dark"));
        EXPECT_EQ(form.bsSkinData1->CompressedStoredSkin(), form.bsCompressedStoredSkin1);
        EXPECT_EQ(form.bsSkinData1->SkinName(), QStringLiteral("Lumeno Dark"));
        EXPECT_EQ(Capture().caption, darkCaption);
    }
    ExpectEveryControlBound();

    // Switching between skin files keeps one stored file skin at most.
    const QString light = PackedSkin(QStringLiteral("default"));
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(ApplySkinChoice(form, light), QString());
        ASSERT_EQ(ApplySkinChoice(form, PackedSkin(QStringLiteral("dark"))), QString());
    }
    EXPECT_EQ(form.findChildren<TbsCompressedStoredSkin*>().size(), 2);
}

TEST_F(SkinChoiceTest, TheRememberedSkinIsUsedAtTheNextStartAndAMissingOneGivesTheLightSkin)
{
    QSettings settings(scratch.filePath(QStringLiteral("Lumeno.conf")), QSettings::IniFormat);

    // Nothing remembered: the window keeps the skin it was built with.
    StartSkin start = ApplyStartSkin(form, std::nullopt, settings, true);
    EXPECT_TRUE(start.choice.isEmpty());
    EXPECT_TRUE(start.error.isEmpty());
    EXPECT_EQ(form.bsSkinData1->SkinName(), QStringLiteral("Lumeno Light"));

    // A command-line choice is remembered, a file by its absolute path;
    // with remember off (a screenshot run) the setting stays.
    const QString file = PackedSkin(QStringLiteral("dark"));
    const QString workingFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(scratch.path()));
    start = ApplyStartSkin(form, QStringLiteral("dark.skn"), settings, true);
    QDir::setCurrent(workingFolder);
    EXPECT_TRUE(start.error.isEmpty()) << start.error.toStdString();
    EXPECT_EQ(RememberedSkinChoice(settings), file);
    start = ApplyStartSkin(form, QStringLiteral("light"), settings, false);
    EXPECT_EQ(RememberedSkinChoice(settings), file);
    ASSERT_EQ(ApplyStartSkin(form, QStringLiteral("dark"), settings, true).error, QString());

    // The next start reads it back from the file on disk.
    {
        QSettings next(settings.fileName(), QSettings::IniFormat);
        EXPECT_EQ(RememberedSkinChoice(next), QStringLiteral("dark"));
        TForm1 restarted;
        start = ApplyStartSkin(restarted, std::nullopt, next, true);
        EXPECT_TRUE(start.error.isEmpty());
        EXPECT_FALSE(start.fromCommandLine);
        EXPECT_EQ(restarted.bsSkinData1->SkinName(), QStringLiteral("Lumeno Dark"));
    }

    // A remembered file that is gone, or corrupt: the light skin, a reason,
    // and the setting left for when the file is back.
    QFile::remove(file);
    RememberSkinChoice(settings, file);
    QFile garbage(scratch.filePath(QStringLiteral("garbage.skn")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a skin");
    garbage.close();
    for (const QString& remembered : { file, garbage.fileName() }) {
        RememberSkinChoice(settings, remembered);
        TForm1 restarted;
        start = ApplyStartSkin(restarted, std::nullopt, settings, true);
        EXPECT_EQ(start.choice, remembered);
        EXPECT_FALSE(start.error.isEmpty());
        EXPECT_EQ(restarted.bsSkinData1->SkinName(), QStringLiteral("Lumeno Light"));
        EXPECT_EQ(RememberedSkinChoice(settings), remembered);
    }
}

} // namespace
