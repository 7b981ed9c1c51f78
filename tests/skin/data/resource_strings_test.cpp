#include "skin/data/resource_str_data.h"

#include <gtest/gtest.h>

TEST(ResourceStrData, StartsWithTheFullTableInOrder)
{
    const TbsResourceStrData data;
    const QStringList& entries = data.ResStrings();
    ASSERT_EQ(entries.size(), 130);
    EXPECT_EQ(entries.first(), "MI_MINCAPTION=Mi&nimize");
    EXPECT_TRUE(entries[53].startsWith("ERROR="));
    EXPECT_TRUE(entries[115].startsWith("FIND_REPLACE_All="));
    EXPECT_TRUE(entries.last().startsWith("DBNAV_REFRESH="));
    EXPECT_EQ(data.CharSet(), 1);

    QStringList names;
    for (const QString& entry : entries) {
        const qsizetype equals = entry.indexOf('=');
        ASSERT_GT(equals, 0) << entry.toStdString();
        EXPECT_GT(entry.size(), equals + 1) << "no text for " << entry.toStdString();
        names.append(entry.first(equals).toUpper());
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 130);
}

TEST(ResourceStrData, FrameAndEditTexts)
{
    const TbsResourceStrData data;
    const std::pair<const char*, const char*> expected[] = {
        { "MI_MINCAPTION", "Mi&nimize" },
        { "MI_MAXCAPTION", "Ma&ximize" },
        { "MI_CLOSECAPTION", "&Close" },
        { "MI_RESTORECAPTION", "&Restore" },
        { "MI_MINTOTRAYCAPTION", "Minimize to &Tray" },
        { "MI_ROLLUPCAPTION", "Ro&llUp" },
        { "MINBUTTON_HINT", "Minimize" },
        { "MAXBUTTON_HINT", "Maximize" },
        { "CLOSEBUTTON_HINT", "Close" },
        { "TRAYBUTTON_HINT", "Minimize to Tray" },
        { "ROLLUPBUTTON_HINT", "Roll Up" },
        { "MENUBUTTON_HINT", "System menu" },
        { "EDIT_UNDO", "Undo" },
        { "EDIT_COPY", "Copy" },
        { "EDIT_CUT", "Cut" },
        { "EDIT_PASTE", "Paste" },
        { "EDIT_DELETE", "Delete" },
        { "EDIT_SELECTALL", "Select All" },
    };
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(data.GetResStr(name), text) << name;
        EXPECT_EQ(DefaultResStr(name), text) << name;
    }
}

TEST(ResourceStrData, LookupIgnoresCaseTakesTheFirstMatchAndKeepsLaterEquals)
{
    TbsResourceStrData data;
    EXPECT_EQ(data.GetResStr("minbutton_hint"), "Minimize");
    EXPECT_EQ(data.GetResStr("MINBUTTON"), "");
    EXPECT_EQ(data.GetResStr(""), "");

    data.SetResStrings({ "plain", "Greeting=a=b", "GREETING=second", "=nameless", "Empty=" });
    EXPECT_EQ(data.GetResStr("greeting"), "a=b");
    EXPECT_EQ(data.GetResStr("plain"), "");
    EXPECT_EQ(data.GetResStr(""), "nameless");
    EXPECT_EQ(data.GetResStr("empty"), "");
    EXPECT_EQ(data.GetResStr("MINBUTTON_HINT"), "");
    EXPECT_EQ(DefaultResStr("MINBUTTON_HINT"), "Minimize");
}
