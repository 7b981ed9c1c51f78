#include "base/lumeno_version.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_text_codec.h"
#include "tests/support/test_skin_folder.h"
#include "tests/tools/skin_tool_run.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray PackageOfFile(const QString& path)
{
    TbsCompressedStoredSkin skin;
    skin.LoadFromCompressedFile(path);
    return DecompressSkinPackage(skin.CompressedData());
}

class SkinTool : public testing::Test {
protected:
    QString Path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    // A skin folder in "src" packed into "skin.skn".
    QString PackTestSkin(const QByteArray& definition = test_skin::Definition())
    {
        QDir(m_dir.path()).mkpath("src");
        m_source.reset(new QTemporaryDir(Path("src/XXXXXX")));
        const ToolRun run = RunTool({ "pack", test_skin::Write(*m_source, definition), Path("skin.skn") });
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return Path("skin.skn");
    }

    // The same, packed past the checker, for definitions it refuses on
    // purpose; a bare zlib stream in "raw.z".
    QString PackUncheckedTestSkin(const QByteArray& definition)
    {
        QDir(m_dir.path()).mkpath("src");
        m_source.reset(new QTemporaryDir(Path("src/XXXXXX")));
        TbsCompressedStoredSkin skin;
        skin.LoadFromSkinFile(test_skin::Write(*m_source, definition));
        EXPECT_TRUE(test_skin::WriteFile(Path("raw.z"), skin.CompressedData()));
        return Path("raw.z");
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QTemporaryDir> m_source;
};

}

TEST_F(SkinTool, PackUnpackAndPackAgainGiveTheSamePackage)
{
    const QString packed = PackTestSkin();
    const QByteArray file = ReadAll(packed);
    ASSERT_GT(file.size(), 10);
    EXPECT_EQ(qFromLittleEndian<qint32>(file.constData()), 3);
    EXPECT_EQ(qFromLittleEndian<qint32>(file.constData() + 4), file.size() - 8);
    EXPECT_EQ(quint8(file[8]), 0x78);

    const ToolRun unpack = RunTool({ "unpack", packed, Path("out") });
    ASSERT_EQ(unpack.status, 0) << unpack.err.toStdString();
    // An author gets UTF-8 with this system's line ends behind a note.
    const QByteArray authored = QByteArray(kUnpackedSkinTextNote) + "\r\n"
        + DecodeSkinText(test_skin::PackedDefinition()).toUtf8();
    EXPECT_EQ(ReadAll(Path("out/skin.ini")), QByteArray(authored).replace("\r\n", "\n"));
    EXPECT_TRUE(test_skin::SamePixels(QImage(Path("out/Mask.BMP"), "BMP"), test_skin::Mask()));
    EXPECT_TRUE(test_skin::SamePixels(QImage(Path("out/hintmask.bmp"), "BMP"), test_skin::HintMask()));

    const ToolRun repack = RunTool({ "pack", Path("out/skin.ini"), Path("again.skn") });
    ASSERT_EQ(repack.status, 0) << repack.err.toStdString();
    EXPECT_EQ(PackageOfFile(Path("again.skn")), PackageOfFile(packed));
}

TEST_F(SkinTool, InfoListsPicturesVersionTextsAndDefinitions)
{
    const QString packed = PackTestSkin();
    const ToolRun info = RunTool({ "info", packed });
    ASSERT_EQ(info.status, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("version: 3\n"));
    EXPECT_TRUE(info.out.contains("picture \"frame.bmp\": 7 x 5, 24 bits per pixel"));
    EXPECT_TRUE(info.out.contains("inactivepicture: empty\n"));
    EXPECT_TRUE(info.out.contains("mask \"Mask.BMP\": 7 x 5, 8 bits per pixel"));
    EXPECT_TRUE(info.out.contains("active 0 \"controls.bmp\": 9 x 4, 4 bits per pixel"));
    EXPECT_TRUE(info.out.contains("active 1 \"hintmask.bmp\": 10 x 3, 1 bits per pixel"));
    EXPECT_TRUE(info.out.contains(QString::fromUtf8("skinname: 默认 Lumeno")));
    EXPECT_TRUE(info.out.contains("0: closebutton (stdbutton)\n"));
    EXPECT_TRUE(info.out.contains("[SKINCONTROLS] 2 entries\n  0: button (button)\n  1: panel (panel)\n"));

    // The bare zlib stream reads the same way.
    TbsCompressedStoredSkin skin;
    skin.LoadFromCompressedFile(packed);
    ASSERT_TRUE(test_skin::WriteFile(Path("raw.z"), skin.CompressedData()));
    const ToolRun raw = RunTool({ "info", Path("raw.z") });
    EXPECT_EQ(raw.status, 0) << raw.err.toStdString();
    EXPECT_EQ(raw.out, info.out);
}

TEST_F(SkinTool, InfoListsOnlyThePresentEntriesOfAHugeCount)
{
    QByteArray definition = test_skin::Definition();
    definition.replace("[SKINCONTROLS]\r\ncount=2", "[SKINCONTROLS]\r\ncount=2147483647\r\n7=gauge");
    const ToolRun info = RunTool({ "info", PackUncheckedTestSkin(definition) });
    ASSERT_EQ(info.status, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("[SKINCONTROLS] 2147483647 entries\n  0: button (button)\n  1: panel (panel)\n"
                                  "  7:  () unknown type, skipped\n"))
        << info.out.toStdString();
}

TEST_F(SkinTool, FailuresExitWithStatusTwoAndAMessage)
{
    const auto expectFailure = [](const QStringList& arguments, const char* message) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.status, kSkinToolFailure) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    };
    expectFailure({}, "usage:");
    expectFailure({ "render-all" }, "unknown command 'render-all'");
    expectFailure({ "pack", "only-one" }, "usage: lumeno-skin pack FOLDER OUT");
    expectFailure({ "info", Path("missing.skn") }, "missing.skn");

    test_skin::Write(m_dir);
    QFile::remove(Path("controls.bmp"));
    expectFailure({ "pack", Path("skin.ini"), Path("x.skn") }, "controls.bmp");
    EXPECT_FALSE(QFile::exists(Path("x.skn")));

    const QString packed = PackTestSkin();
    QByteArray corrupt = ReadAll(packed);
    corrupt[20] = char(corrupt[20] ^ 0xFF);
    ASSERT_TRUE(test_skin::WriteFile(Path("corrupt.skn"), corrupt));
    expectFailure({ "info", Path("corrupt.skn") }, "info: ");
    ASSERT_TRUE(test_skin::WriteFile(Path("cut.skn"), ReadAll(packed).left(200)));
    expectFailure({ "unpack", Path("cut.skn"), Path("cut") }, "unpack: ");

    // Files of another kind are called so, whatever their first bytes read as.
    ASSERT_TRUE(test_skin::WriteFile(Path("notes.txt"), "Shopping list: apples, pears.\n"));
    expectFailure({ "info", Path("notes.txt") }, "is not a skin package");
    ASSERT_TRUE(test_skin::WriteFile(Path("article.txt"), "今天天气很好，我们去公园散步。\n"));
    expectFailure({ "info", Path("article.txt") }, "is not a skin package");
    QByteArray notZlib = ReadAll(packed);
    notZlib[8] = 'P';
    ASSERT_TRUE(test_skin::WriteFile(Path("frame-of-other-data.skn"), notZlib));
    expectFailure({ "info", Path("frame-of-other-data.skn") }, "is not a skin package");

    QByteArray newer = ReadAll(packed);
    newer[0] = 4;
    ASSERT_TRUE(test_skin::WriteFile(Path("newer.skn"), newer));
    expectFailure({ "info", Path("newer.skn") }, "skin version 4");

    // pack refuses the malformed value; info meets it in a package built
    // without the check.
    const QString brokenFolder = test_skin::Write(*m_source, test_skin::Definition() + "\r\n[panel]\r\nskinrect=\r\n");
    expectFailure({ "pack", brokenFolder, Path("broken.skn") }, "skin.ini:21: error: [panel] skinrect: \"\" needs four numbers");
    EXPECT_FALSE(QFile::exists(Path("broken.skn")));
    TbsCompressedStoredSkin broken;
    broken.LoadFromSkinFile(brokenFolder);
    ASSERT_TRUE(test_skin::WriteFile(Path("broken.z"), broken.CompressedData()));
    expectFailure({ "info", Path("broken.z") }, "skin.ini:21: [panel] skinrect: \"\" needs four numbers");

    // Picture names come from the skin; none may lead out of the folder.
    PackTestSkin();
    QByteArray package = PackageOfFile(Path("skin.skn"));
    package.replace("1=hintmask.bmp", "1=../evil.bmp");
    TbsCompressedStoredSkin evil;
    evil.SetCompressedData(CompressSkinPackage(package));
    ASSERT_TRUE(test_skin::WriteFile(Path("evil.z"), evil.CompressedData()));
    expectFailure({ "unpack", Path("evil.z"), Path("evil") }, "not a plain file name");
    EXPECT_FALSE(QFile::exists(Path("evil.bmp")));
    package.replace("1=../evil.bmp", "1=SKIN.ini");
    evil.SetCompressedData(CompressSkinPackage(package));
    ASSERT_TRUE(test_skin::WriteFile(Path("evil.z"), evil.CompressedData()));
    expectFailure({ "unpack", Path("evil.z"), Path("evil") }, "would both be named 'SKIN.ini'");
}

// A failed unpack leaves no folder and no half of one behind; a folder that
// already holds files is refused rather than mixed with another skin.
TEST_F(SkinTool, HelpAndVersionAnswerOnStandardOutput)
{
    for (const char* option : { "--help", "-h", "help" }) {
        const ToolRun run = RunTool({ option });
        EXPECT_EQ(run.status, 0) << option;
        EXPECT_TRUE(run.out.contains("lumeno-skin render-frame SKIN")) << option << ": " << run.out.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << option;
    }
    const ToolRun version = RunTool({ "--version" });
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("lumeno-skin %1\n").arg(LumenoVersion()));
}

TEST_F(SkinTool, UnpackWritesAllOrNothing)
{
    PackTestSkin();
    QByteArray package = PackageOfFile(Path("skin.skn"));
    // skin.ini is written first; a picture name too long for the file system then fails.
    package.replace("1=hintmask.bmp", "1=" + QByteArray(300, 'h') + ".bmp");
    TbsCompressedStoredSkin longName;
    longName.SetCompressedData(CompressSkinPackage(package));
    ASSERT_TRUE(test_skin::WriteFile(Path("long.z"), longName.CompressedData()));
    const ToolRun failed = RunTool({ "unpack", Path("long.z"), Path("long") });
    EXPECT_EQ(failed.status, kSkinToolFailure);
    EXPECT_TRUE(failed.err.contains("cannot write")) << failed.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path("long")));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).filter("unpacking"),
        QStringList()) << "no temporary folder stays behind";

    QDir(m_dir.path()).mkpath("full");
    ASSERT_TRUE(test_skin::WriteFile(Path("full/mine.txt"), "keep"));
    const ToolRun refused = RunTool({ "unpack", Path("skin.skn"), Path("full") });
    EXPECT_EQ(refused.status, kSkinToolFailure);
    EXPECT_TRUE(refused.err.contains("not an empty folder")) << refused.err.toStdString();
    EXPECT_EQ(QDir(Path("full")).entryList(QDir::Files), QStringList { "mine.txt" });

    QDir(m_dir.path()).mkpath("empty");
    const ToolRun unpacked = RunTool({ "unpack", Path("skin.skn"), Path("empty") });
    EXPECT_EQ(unpacked.status, 0) << unpacked.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Path("empty/skin.ini")));
    QDir(m_dir.path()).mkpath("reference");
    EXPECT_EQ(QFile::permissions(Path("empty")), QFile::permissions(Path("reference"))) << "the folder is not left private";
}

// pack reads pictures from the skin's folder only: names with a folder part
// and links that lead outside are refused, and the message says why.
TEST_F(SkinTool, PackReadsOnlyThePicturesInsideTheSkinFolder)
{
    QDir(m_dir.path()).mkpath("skin");
    ASSERT_TRUE(test_skin::HintMask().save(Path("secret.bmp"), "BMP"));
    QTemporaryDir outsideName(Path("skin/XXXXXX"));
    for (const QByteArray& name : { QByteArray("../secret.bmp"), QFile::encodeName(Path("secret.bmp")) }) {
        QByteArray definition = test_skin::Definition();
        definition.replace("1=hintmask.bmp", "1=" + name);
        const ToolRun run = RunTool({ "pack", test_skin::Write(outsideName, definition), Path("x.skn") });
        EXPECT_EQ(run.status, kSkinToolFailure) << name.toStdString();
        EXPECT_TRUE(run.err.contains("not a plain file name")) << run.err.toStdString();
    }
    QTemporaryDir linked(Path("skin/XXXXXX"));
    const QString definitionPath = test_skin::Write(linked);
    QFile::remove(QDir(linked.path()).filePath("hintmask.bmp"));
    ASSERT_TRUE(QFile::link(Path("secret.bmp"), QDir(linked.path()).filePath("hintmask.bmp")));
    const ToolRun run = RunTool({ "pack", definitionPath, Path("x.skn") });
    EXPECT_EQ(run.status, kSkinToolFailure);
    EXPECT_TRUE(run.err.contains("leads out of the skin's folder")) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path("x.skn")));
}
