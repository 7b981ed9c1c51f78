#include "skin/data/skin_data.h"

#include "skin/data/compressed_skin_list.h"
#include "skin/data/control_definitions_buttons.h"
#include "skin/data/control_definitions_panels.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_values.h"
#include "skin/data/zlib_stream.h"
#include "tests/skin/data/test_skin_package.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

void ExpectLoaded(const TbsSkinData& data, const QString& skinName)
{
    EXPECT_FALSE(data.Empty());
    EXPECT_FALSE(data.SkinChanging());
    EXPECT_EQ(data.SkinName(), skinName);
    EXPECT_EQ(data.ControlDefinitions().size(), 2u);
}

// Everything TestDefinition("...") loads, pictures and definitions included.
void ExpectKept(const TbsSkinData& data, const QString& skinName)
{
    ExpectLoaded(data, skinName);
    EXPECT_EQ(data.Picture().size(), QSize(12, 10));
    EXPECT_EQ(data.MaskPicture().size(), QSize(12, 10));
    EXPECT_EQ(data.ActivePictures().size(), 2);
    EXPECT_EQ(data.ActivePictureNames(), QStringList({ "active.bmp", "controls.bmp" }));
    EXPECT_EQ(data.PictureName(), "main.bmp");
    EXPECT_EQ(data.ObjectDefinitions().size(), 2u);
    EXPECT_EQ(data.FindControlIndex("button"), 0);
    EXPECT_EQ(data.PopupWindow().windowPictureIndex, 1);
    EXPECT_EQ(data.SkinColors().cBtnFace, 16641763);
}

} // namespace

TEST(SkinData, StartsEmptyWithDefaultProperties)
{
    const TbsSkinData data;
    EXPECT_TRUE(data.Empty());
    EXPECT_FALSE(data.SkinChanging());
    EXPECT_TRUE(data.SkinnableForm());
    EXPECT_TRUE(data.EnableSkinEffects());
    EXPECT_EQ(data.SkinIndex(), 0);
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data.ResourceStrData(), nullptr);
    EXPECT_EQ(data.SkinList(), nullptr);
    EXPECT_TRUE(data.Picture().isNull());
    EXPECT_TRUE(data.ObjectDefinitions().empty());
    EXPECT_EQ(data.FindObjectIndex(""), -1);
    EXPECT_EQ(data.FormInfo().bgPictureIndex, -1);
    EXPECT_EQ(data.FormInfo().mdiBgPictureIndex, -1);
    EXPECT_EQ(data.PopupWindow().windowPictureIndex, -1);
    EXPECT_EQ(data.SkinColors().cBtnFace, 0u);
    EXPECT_EQ(data.SkinColors().cBtnShadow, 0u);
}

TEST(SkinData, LoadTakesPicturesNamesTextsAndDefinitions)
{
    TbsSkinData data;
    const auto stored = StoredSkin(TestDefinition());
    data.SetCompressedStoredSkin(stored.get());

    EXPECT_EQ(data.CompressedStoredSkin(), stored.get());
    EXPECT_FALSE(data.Empty());
    EXPECT_FALSE(data.SkinChanging());

    EXPECT_EQ(data.Picture().size(), QSize(12, 10));
    EXPECT_EQ(data.Picture().pixel(3, 3), qRgb(200, 10, 10));
    EXPECT_TRUE(data.InactivePicture().isNull());
    ASSERT_EQ(data.MaskPicture().size(), QSize(12, 10));
    EXPECT_EQ(data.MaskPicture().format(), QImage::Format_RGB32);
    EXPECT_EQ(data.MaskPicture().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(data.MaskPicture().pixel(1, 0), qRgb(255, 255, 255));
    ASSERT_EQ(data.ActivePictures().size(), 2);
    EXPECT_EQ(data.ActivePictures()[1].size(), QSize(5, 6));
    EXPECT_EQ(data.ActivePictures()[1].pixel(0, 0), qRgb(40, 50, 60));

    EXPECT_EQ(data.PictureName(), "main.bmp");
    EXPECT_EQ(data.InactivePictureName(), "");
    EXPECT_EQ(data.MaskName(), "mask.bmp");
    EXPECT_EQ(data.ActivePictureNames(), (QStringList { "active.bmp", "controls.bmp" }));
    EXPECT_EQ(data.SkinName(), "Test skin");
    EXPECT_EQ(data.SkinAuthor(), "Lumeno");
    EXPECT_EQ(data.AuthorEmail(), "art@lumeno.example");
    EXPECT_EQ(data.AuthorURL(), "https://lumeno.example/");
    EXPECT_EQ(data.SkinComments(), "Made for tests");

    EXPECT_EQ(data.FormInfo().clientRect, (SkinRect { 4, 27, 281, 206 }));
    EXPECT_EQ(data.FormInfo().borderWidth, 3);
    EXPECT_EQ(data.PopupWindow().windowPictureIndex, 1);
    EXPECT_EQ(data.PopupWindow().itemsRect, (SkinRect { 2, 2, 91, 53 }));
    EXPECT_EQ(data.HintWindow().windowPictureIndex, 0);
    EXPECT_EQ(data.HintWindow().fontHeight, 12);
    EXPECT_EQ(data.SkinColors().cBtnFace, 16641763u);
    EXPECT_EQ(data.SkinColors().cWindow, 16777215u);
    EXPECT_EQ(data.SkinColors().cBtnText, TbsSkinColors::kDefaultBtnText);

    ASSERT_EQ(data.ObjectDefinitions().size(), 2u);
    EXPECT_EQ(data.ObjectDefinitions()[0]->IDName(), "closebutton");
    EXPECT_EQ(data.ObjectDefinitions()[0]->TypeName(), "stdbutton");
    EXPECT_EQ(data.ObjectDefinitions()[0]->skinRect, (SkinRect { 1, 2, 3, 4 }));
    EXPECT_EQ(data.FindObjectIndex("caption"), 1);
    EXPECT_EQ(data.FindObjectIndex("Caption"), -1);

    // "Panel:Panel", an entry without a colon and an unknown type create nothing.
    ASSERT_EQ(data.ControlDefinitions().size(), 2u);
    const int button = data.FindControlIndex("button");
    const int panel = data.FindControlIndex("panel");
    ASSERT_EQ(button, 0);
    ASSERT_EQ(panel, 1);
    EXPECT_EQ(data.FindControlIndex("Button"), -1);
    EXPECT_EQ(data.FindControlIndex("Panel"), -1);
    EXPECT_EQ(data.FindControlIndex("tool"), -1);
    const auto* buttonDefinition = dynamic_cast<const TbsDataSkinButtonControl*>(data.ControlDefinitions()[button].get());
    ASSERT_NE(buttonDefinition, nullptr);
    EXPECT_EQ(buttonDefinition->pictureIndex, 1);
    EXPECT_EQ(buttonDefinition->skinRect, (SkinRect { 458, 272, 500, 294 }));
    const auto* panelDefinition = dynamic_cast<const TbsDataSkinPanelControl*>(data.ControlDefinitions()[panel].get());
    ASSERT_NE(panelDefinition, nullptr);
    EXPECT_EQ(panelDefinition->skinRect, (SkinRect { 2, 5, 7, 9 }));
}

TEST(SkinData, DefinitionListCountsFollowTheIniRules)
{
    TbsSkinData data;
    const auto noControls = StoredSkin("[SKINCONTROLS]\ncount=0\n0=button:button\n[SKINOBJECTS]\ncount=-3\n0=caption:caption\n");
    data.LoadCompressedStoredSkin(*noControls);
    EXPECT_FALSE(data.Empty());
    EXPECT_TRUE(data.ControlDefinitions().empty());
    EXPECT_TRUE(data.ObjectDefinitions().empty());
    EXPECT_EQ(data.FindControlIndex("button"), -1);

    const auto twoCounts = StoredSkin("[SKINCONTROLS]\ncount=1\n0=a:panel\n1=b:edit\n2=c:memo\ncount=3\n");
    data.LoadCompressedStoredSkin(*twoCounts);
    ASSERT_EQ(data.ControlDefinitions().size(), 3u);
    EXPECT_EQ(data.ControlDefinitions()[2]->IDName(), "c");
    EXPECT_EQ(data.ControlDefinitions()[2]->TypeName(), "memo");

    const auto hugeCount = StoredSkin("[SKINCONTROLS]\ncount=2147483647\n0=a:panel\n1999999999=b:edit\n");
    data.LoadCompressedStoredSkin(*hugeCount);
    ASSERT_EQ(data.ControlDefinitions().size(), 2u);
    EXPECT_EQ(data.FindControlIndex("b"), 1);

    const auto noText = StoredSkin("");
    data.LoadCompressedStoredSkin(*noText);
    EXPECT_FALSE(data.Empty());
    EXPECT_TRUE(data.ControlDefinitions().empty());
    EXPECT_EQ(data.ActivePictures().size(), 2);
}

TEST(SkinData, ANewLoadReplacesEverything)
{
    TbsSkinData data;
    const auto first = StoredSkin(TestDefinition("First"));
    const auto second = StoredSkin("[VERSION]\nskinname=Second\n[SKINCONTROLS]\ncount=1\n0=memo:memo\n");
    data.LoadCompressedStoredSkin(*first);
    data.LoadCompressedStoredSkin(*second);
    EXPECT_EQ(data.SkinName(), "Second");
    EXPECT_EQ(data.SkinAuthor(), "");
    EXPECT_EQ(data.PictureName(), "");
    EXPECT_TRUE(data.ActivePictureNames().isEmpty());
    EXPECT_TRUE(data.ObjectDefinitions().empty());
    ASSERT_EQ(data.ControlDefinitions().size(), 1u);
    EXPECT_EQ(data.FindControlIndex("memo"), 0);
    EXPECT_EQ(data.FindControlIndex("button"), -1);
}

TEST(SkinData, EmptyStoredSkinLeavesTheLoadedSkinAlone)
{
    TbsSkinData data;
    const auto stored = StoredSkin(TestDefinition());
    data.LoadCompressedStoredSkin(*stored);
    TbsCompressedStoredSkin empty;
    data.SetCompressedStoredSkin(&empty);
    EXPECT_EQ(data.CompressedStoredSkin(), &empty);
    ExpectLoaded(data, "Test skin");
}

// A refused skin must not cost the user the skin in use: everything of the
// good skin is still there after each failure, and the next load works.
TEST(SkinData, FailedLoadsKeepTheSkinInUse)
{
    TbsSkinData data;
    const auto good = StoredSkin(TestDefinition("Good"));

    const auto newer = StoredSkinFromPackageBytes(WithVersion(WriteSkinPackage(TestPackage(TestDefinition())), 4));
    data.LoadCompressedStoredSkin(*good);
    EXPECT_THROW(data.LoadCompressedStoredSkin(*newer), UnsupportedSkinVersionError);
    ExpectKept(data, "Good");
    data.LoadCompressedStoredSkin(*good);
    ExpectLoaded(data, "Good");

    TbsCompressedStoredSkin corrupt;
    QByteArray bytes = good->CompressedData();
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x5a);
    bytes[bytes.size() / 2 + 1] = static_cast<char>(bytes[bytes.size() / 2 + 1] ^ 0xa5);
    corrupt.SetCompressedData(bytes);
    EXPECT_THROW(data.LoadCompressedStoredSkin(corrupt), EDecompressionError);
    ExpectKept(data, "Good");
    data.LoadCompressedStoredSkin(*good);
    ExpectLoaded(data, "Good");
    // Handed over as the stored skin, a refused one is not taken either.
    data.SetCompressedStoredSkin(good.get());
    EXPECT_THROW(data.SetCompressedStoredSkin(&corrupt), EDecompressionError);
    EXPECT_EQ(data.CompressedStoredSkin(), good.get());

    TbsCompressedStoredSkin truncated;
    truncated.SetCompressedData(good->CompressedData().first(good->CompressedData().size() / 3));
    EXPECT_ANY_THROW(data.LoadCompressedStoredSkin(truncated));
    ExpectKept(data, "Good");
    data.LoadCompressedStoredSkin(*good);
    ExpectLoaded(data, "Good");

    // The malformed rectangle sits in the last definition, after pictures and
    // other definitions have been read: none of them may stay behind.
    // The message sends the author to the line, section and key, and quotes
    // the value as written.
    const int lines = static_cast<int>(TestDefinition().count(u'\n'));
    const std::pair<const char*, QString> cases[] = {
        { "[panel]\nskinrect=\n", QStringLiteral("skin.ini:%1: [panel] skinrect: \"\" needs four numbers").arg(lines + 2) },
        { "[FORMINFO]\n\n; the caption\ncaptionrect=4,1,abc\n",
            QStringLiteral("skin.ini:%1: [FORMINFO] captionrect: \"4,1,abc\" needs four numbers").arg(lines + 4) },
        { "[HINTWINDOW]\nlefttoppoint=3\n", QStringLiteral("skin.ini:%1: [HINTWINDOW] lefttoppoint: \"3\" needs two numbers").arg(lines + 2) },
    };
    for (const auto& [broken, message] : cases) {
        const auto malformed = StoredSkin(TestDefinition() + broken);
        try {
            data.LoadCompressedStoredSkin(*malformed);
            ADD_FAILURE() << "loaded " << broken;
        } catch (const SkinConversionError& error) {
            EXPECT_EQ(QString::fromUtf8(error.what()), message);
        }
        ExpectKept(data, "Good");
        data.LoadCompressedStoredSkin(*good);
        ExpectLoaded(data, "Good");
    }
}

TEST(SkinData, VersionsUpToThreeLoad)
{
    for (const qint32 version : { 0, 1, 3 }) {
        TbsSkinData data;
        const auto stored = StoredSkinFromPackageBytes(WithVersion(WriteSkinPackage(TestPackage(TestDefinition())), version));
        data.LoadCompressedStoredSkin(*stored);
        ExpectLoaded(data, "Test skin");
        EXPECT_EQ(data.ActivePictures().size(), 2) << version;
    }
}

TEST(SkinData, SkinListAndIndexSelectTheSkinToLoad)
{
    TbsCompressedSkinList list;
    const auto first = StoredSkin(TestDefinition("First"));
    const auto second = StoredSkin(TestDefinition("Second"));
    list.Skins().Add().StoredSkin().SetCompressedData(first->CompressedData());
    list.Skins().Add().StoredSkin().SetCompressedData(second->CompressedData());

    TbsSkinData data;
    data.SetSkinIndex(5);
    EXPECT_EQ(data.SkinIndex(), 5);
    data.SetSkinList(&list);
    EXPECT_TRUE(data.Empty()) << "index 5 is outside the list";
    data.SetSkinIndex(7);
    EXPECT_EQ(data.SkinIndex(), 5) << "an index outside the list is ignored";

    data.SetSkinIndex(1);
    EXPECT_EQ(data.SkinIndex(), 1);
    ExpectLoaded(data, "Second");
    data.SetSkinIndex(-1);
    EXPECT_EQ(data.SkinIndex(), 1);
    data.SetSkinIndex(0);
    ExpectLoaded(data, "First");

    TbsSkinData fromList;
    fromList.SetSkinList(&list);
    ExpectLoaded(fromList, "First");
}

TEST(SkinData, ReferencesDropWhenTheirComponentIsDestroyed)
{
    TbsSkinData data;
    auto stored = StoredSkin(TestDefinition());
    auto strings = std::make_unique<TbsResourceStrData>();
    auto list = std::make_unique<TbsCompressedSkinList>();
    data.SetCompressedStoredSkin(stored.get());
    data.SetResourceStrData(strings.get());
    data.SetSkinList(list.get());
    EXPECT_EQ(data.ResourceStrData(), strings.get());
    EXPECT_EQ(data.SkinList(), list.get());

    stored.reset();
    strings.reset();
    list.reset();
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data.ResourceStrData(), nullptr);
    EXPECT_EQ(data.SkinList(), nullptr);
    ExpectLoaded(data, "Test skin");
}

TEST(SkinData, ClearAndFreeDefinitions)
{
    TbsSkinData data;
    const auto stored = StoredSkin(TestDefinition());
    data.LoadCompressedStoredSkin(*stored);

    data.FreeDefinitions();
    EXPECT_TRUE(data.ObjectDefinitions().empty());
    EXPECT_TRUE(data.ControlDefinitions().empty());
    EXPECT_TRUE(data.ActivePictures().isEmpty());
    EXPECT_TRUE(data.ActivePictureNames().isEmpty());
    EXPECT_EQ(data.PopupWindow().windowPictureIndex, -1);
    EXPECT_EQ(data.HintWindow().windowPictureIndex, -1);
    EXPECT_EQ(data.HintWindow().fontHeight, 12) << "only the picture index is reset";
    EXPECT_EQ(data.SkinColors().cBtnFace, TbsSkinColors::kDefaultBtnFace);
    EXPECT_EQ(data.SkinColors().cWindow, TbsSkinColors::kDefaultWindow);
    EXPECT_EQ(data.SkinColors().cBtnShadow, TbsSkinColors::kDefaultBtnShadow);
    EXPECT_FALSE(data.Picture().isNull());
    EXPECT_EQ(data.PictureName(), "main.bmp");

    data.ClearSkin();
    EXPECT_TRUE(data.Empty());
    EXPECT_FALSE(data.SkinChanging());
    EXPECT_TRUE(data.Picture().isNull());
    EXPECT_TRUE(data.MaskPicture().isNull());
    EXPECT_TRUE(data.PictureName().isEmpty());
    EXPECT_TRUE(data.MaskName().isEmpty());
}

TEST(SkinData, TheDefaultSkinFolderLoadsWithEveryDefinitionTheWindowUses)
{
    // The data folder of this program need not exist, so the path is resolved as text.
    const QString skinFile = QDir::cleanPath(QStringLiteral(LUMENO_TEST_DATA_DIR "/../../../../skins/default/skin.ini"));
    TbsCompressedStoredSkin stored;
    stored.LoadFromSkinFile(skinFile);
    ASSERT_FALSE(stored.IsEmpty());

    TbsSkinData data;
    data.SetCompressedStoredSkin(&stored);
    ASSERT_FALSE(data.Empty());
    EXPECT_FALSE(data.Picture().isNull());
    EXPECT_EQ(data.ActivePictures().size(), data.ActivePictureNames().size());
    for (const char* name : { "button", "checkbox", "panel", "stdlabel", "edit", "memo", "vscrollbar", "bothhscrollbar",
             "slider", "tab", "gauge" })
        EXPECT_GE(data.FindControlIndex(name), 0) << name;
    for (const char* name : { "closebutton", "maxbutton", "minbutton", "sysmenubutton", "caption", "menuitem" })
        EXPECT_GE(data.FindObjectIndex(name), 0) << name;
}

TEST(SkinData, ASkinsResourceStringsServeUntilAttachedOnesOrTheNextLoad)
{
    TbsSkinData data;
    EXPECT_EQ(SkinResStr(nullptr, "EDIT_COPY"), "Copy");
    EXPECT_EQ(SkinResStr(&data, "EDIT_COPY"), "Copy");

    // The text is code page 936: "复制".
    const auto withTexts = StoredSkin(QString::fromLatin1("[RESOURCESTRINGS]\nedit_copy=\xB8\xB4\xD6\xC6\nedit_cut=\n"));
    data.LoadCompressedStoredSkin(*withTexts);
    ASSERT_NE(data.ResourceStrData(), nullptr);
    EXPECT_EQ(SkinResStr(&data, "EDIT_COPY"), QStringLiteral("复制"));
    // An empty or missing text falls back to the program's own.
    EXPECT_EQ(SkinResStr(&data, "EDIT_CUT"), "Cut");
    EXPECT_EQ(SkinResStr(&data, "EDIT_PASTE"), "Paste");

    TbsResourceStrData attached;
    attached.SetResStrings({ "EDIT_COPY=Kopieren" });
    data.SetResourceStrData(&attached);
    EXPECT_EQ(SkinResStr(&data, "EDIT_COPY"), "Kopieren");
    data.SetResourceStrData(nullptr);

    data.LoadCompressedStoredSkin(*StoredSkin(TestDefinition()));
    EXPECT_EQ(data.ResourceStrData(), nullptr);
    EXPECT_EQ(SkinResStr(&data, "EDIT_COPY"), "Copy");
}
