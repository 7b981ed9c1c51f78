#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_text_codec.h"
#include "skins/built_in_skins.h"
#include "tests/support/test_skin_folder.h"
#include "tests/tools/skin_tool_run.h"
#include "tools/skin_authoring/check_faces.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray PackageOf(const QString& packedFile)
{
    TbsCompressedStoredSkin skin;
    skin.LoadFromCompressedFile(packedFile);
    return DecompressSkinPackage(skin.CompressedData());
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The test skin with a mistake planted on most of its lines. frame.bmp is
// 7 x 5, controls.bmp 9 x 4 and green throughout, hintmask.bmp 10 x 3.
const char* const kPlanted = "[VERSION]\n"                             // 1
                             "skinname=planted\n"                      // 2
                             "[PICTURES]\n"                            // 3
                             "picture=frame.bmp\n"                     // 4
                             "mask=Mask.BMP\n"                         // 5
                             "activepicturescount=3\n"                 // 6
                             "0=controls.bmp\n"                        // 7
                             "1=hintmask.bmp\n"                        // 8
                             "2=gone.bmp\n"                            // 9
                             "[FORMINFO]\n"                            // 10
                             "captionrect=0,0,9000,9000\n"             // 11
                             "[SKINOBJECTS]\n"                         // 12
                             "count=1\n"                               // 13
                             "0=closebutton:stdbuton\n"                // 14
                             "[SKINCONTROLS]\n"                        // 15
                             "count=2\n"                               // 16
                             "0=button:button\n"                       // 17
                             "1=panel:panel\n"                         // 18
                             "[button]\n"                              // 19
                             "pictureindex=0\n"                        // 20
                             "skinrect=2,2,102\n"                      // 21
                             "fontcolor=red\n"                         // 22
                             "fontheight=15x\n"                        // 23
                             "fontcolr=0\n"                            // 24
                             "[panel]\n"                               // 25
                             "pictureindex=0\n"                        // 26
                             "maskpictureindex=1\n"                    // 27
                             "skinrect=0,0,9,4\n"                      // 28
                             "lefttoppoint=10,1\n"                     // 29
                             "fontcolor=65280\n"                       // 30
                             "[chekbox]\n"                             // 31
                             "skinrect=1,1,2,2\n"                      // 32
                             "[RESOURCESTRINGS]\n"                     // 33
                             "MI_MINCAPTON=x\n";                       // 34

}

TEST(SkinCheck, NamesEachPlantedMistakeAtItsLine)
{
    QTemporaryDir dir;
    test_skin::Write(dir, kPlanted);
    ASSERT_TRUE(test_skin::Controls().save(QDir(dir.path()).filePath("unused.bmp"), "BMP"));

    const ToolRun run = RunTool({ "check", dir.path() });
    EXPECT_EQ(run.status, 1);
    const QStringList lines = run.out.split('\n');
    const auto expectLine = [&lines, &run](const QString& wanted) {
        EXPECT_TRUE(lines.contains(wanted)) << "wanted: " << wanted.toStdString() << "\ngot:\n" << run.out.toStdString();
    };
    const auto expectStart = [&lines, &run](const QString& wanted) {
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& line) { return line.startsWith(wanted); }))
            << "wanted: " << wanted.toStdString() << "...\ngot:\n" << run.out.toStdString();
    };
    expectStart("skin.ini:9: error: [PICTURES] 2: picture \"gone.bmp\" cannot be read: ");
    expectLine("skin.ini:14: error: [SKINOBJECTS] 0: \"stdbuton\" is not a type of [SKINOBJECTS] (did you mean \"stdbutton\"?)");
    expectLine("skin.ini:21: error: [button] skinrect: \"2,2,102\" needs four numbers");
    expectStart("skin.ini:22: error: [button] fontcolor: \"red\" is not a colour");
    expectLine("skin.ini:23: error: [button] fontheight: \"15x\" is not a whole number");
    expectLine("skin.ini:24: warning: [button] fontcolr: no definition of this kind reads this key (did you mean \"fontcolor\"?)");
    expectLine("skin.ini:27: error: [panel] maskpictureindex: the mask is 10 x 3 but the picture it shapes is 9 x 4");
    expectLine("skin.ini:11: error: [FORMINFO] captionrect: \"0,0,9000,9000\" reaches outside the frame picture (7 x 5)");
    expectLine("skin.ini:29: error: [panel] lefttoppoint: \"10,1\" lies outside skinrect (9 x 4)");
    expectStart("skin.ini:30: warning: [panel] fontcolor: text in 65280 (#00FF00) on the skinrect face");
    expectStart("skin.ini:31: warning: [chekbox] no list entry names this section, so nothing reads it");
    expectStart("skin.ini:15: warning: [SKINCONTROLS] no control definition \"checkbox\": the main window draws its plain look");
    expectLine("skin.ini:34: warning: [RESOURCESTRINGS] MI_MINCAPTON: the program shows no text of this name (did you mean \"MI_MINCAPTION\"?)");
    expectLine("unused.bmp: warning: [PICTURES] never names this picture, so it is not part of the skin");
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("%1: 8 errors, %2 warnings\n").arg(dir.path()).arg(lines.size() - 2 - 8)))
        << run.out.toStdString();

    // Saved in UTF-8 with a byte-order mark and CR LF line ends, the same
    // lines are named.
    QByteArray withMark = QByteArray("\xEF\xBB\xBF") + kPlanted;
    ASSERT_TRUE(test_skin::WriteFile(QDir(dir.path()).filePath("skin.ini"), withMark.replace("\n", "\r\n")));
    EXPECT_EQ(RunTool({ "check", dir.path() }).out, run.out);

    // pack runs the same check and packs nothing.
    const ToolRun pack = RunTool({ "pack", dir.path(), QDir(dir.path()).filePath("out.skn") });
    EXPECT_EQ(pack.status, 2);
    EXPECT_TRUE(pack.err.contains("skin.ini:21: error: [button] skinrect: \"2,2,102\" needs four numbers")) << pack.err.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath("out.skn")));

    EXPECT_EQ(RunTool({ "check", QDir(dir.path()).filePath("none") }).status, 2);
}

// Each built-in skin, unpacked as an author starts from it, checks clean
// and packs back into the very package it came from, whether its skin.ini
// stays as unpack wrote it (UTF-8) or is saved with a byte-order mark and
// CR LF line ends.
TEST(SkinCheck, BuiltInSkinsUnpackCheckCleanAndPackBackUnchanged)
{
    for (const QString& name : BuiltInSkinNames()) {
        SCOPED_TRACE(name.toStdString());
        QTemporaryDir dir;
        const QString folder = QDir(dir.path()).filePath(name);
        const ToolRun unpack = RunTool({ "unpack", name, folder });
        ASSERT_EQ(unpack.status, 0) << unpack.err.toStdString();

        const QByteArray authored = ReadAll(QDir(folder).filePath("skin.ini"));
        EXPECT_TRUE(authored.startsWith(QByteArray(kUnpackedSkinTextNote) + '\n'));
        EXPECT_FALSE(authored.contains('\r'));
        EXPECT_TRUE(IsUtf8SkinText(authored) || QtPrivate::isAscii(QLatin1StringView(authored)));

        const ToolRun check = RunTool({ "check", folder });
        EXPECT_EQ(check.status, 0) << check.out.toStdString();
        EXPECT_EQ(check.out, QStringLiteral("%1: no problems found\n").arg(folder));
        EXPECT_EQ(RunTool({ "check", name }).status, 0);

        const QByteArray original = DecompressSkinPackage(BuiltInSkinCompressedData(name));
        const QString packed = QDir(dir.path()).filePath("again.skn");
        const ToolRun pack = RunTool({ "pack", folder, packed });
        ASSERT_EQ(pack.status, 0) << pack.err.toStdString() << pack.out.toStdString();
        EXPECT_EQ(PackageOf(packed), original);

        QByteArray withMark = "\xEF\xBB\xBF" + authored;
        withMark.replace("\n", "\r\n");
        ASSERT_TRUE(test_skin::WriteFile(QDir(folder).filePath("skin.ini"), withMark));
        ASSERT_EQ(RunTool({ "pack", QDir(folder).filePath("skin.ini"), packed }).status, 0);
        EXPECT_EQ(PackageOf(packed), original);
    }
}

// The contrast measure of readability guides, worked out by hand: black on
// white is 21:1; grey #767676 on white is the darkest grey that passes
// 4.5:1 (4.54), #777777 just fails (4.48).
TEST(SkinCheck, ContrastRatioFollowsRelativeLuminance)
{
    EXPECT_NEAR(ContrastRatio(0, 16777215), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(16777215, 0), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x767676, 0xFFFFFF), 4.54, 0.01);
    EXPECT_NEAR(ContrastRatio(0x777777, 0xFFFFFF), 4.48, 0.01);
    EXPECT_LT(ContrastRatio(0x777777, 0xFFFFFF), FaceChecks::kMinimumTextContrast);
    // Pure red and pure blue are stored the other way round from RGB: 255 is
    // red (luminance 0.2126), 16711680 blue (0.0722).
    EXPECT_NEAR(ContrastRatio(255, 0), (0.2126 + 0.05) / 0.05, 1e-6);
    EXPECT_NEAR(ContrastRatio(16711680, 0), (0.0722 + 0.05) / 0.05, 1e-6);
}
