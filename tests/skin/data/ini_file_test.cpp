#include "skin/data/ini_file.h"

#include <gtest/gtest.h>

TEST(IniFile, TrimsLinesKeysAndValuesOfBlanksAndControlCharacters)
{
    const auto ini = TbsIniFile::FromText(QStringLiteral("  [ main ]\t\r\n\t key \x01= some value \x1f\r\nother=\r\n"));
    EXPECT_TRUE(ini.SectionExists("main"));
    EXPECT_EQ(ini.ReadString("main", "key"), "some value");
    EXPECT_TRUE(ini.ValueExists("main", "other"));
    EXPECT_EQ(ini.ReadString("main", "other", "fallback"), "");
    EXPECT_EQ(ini.ReadString("main", "missing", "fallback"), "fallback");
}

TEST(IniFile, IgnoresCommentsLinesBeforeTheFirstSectionAndLinesWithoutEquals)
{
    const auto ini = TbsIniFile::FromText(QStringLiteral("early=1\n[s]\n; hidden=2\n  ;alsohidden=3\nbare\nkept=4\n"));
    EXPECT_EQ(ini.Sections(), QStringList { "s" });
    EXPECT_FALSE(ini.ValueExists("s", "early"));
    EXPECT_FALSE(ini.ValueExists("s", "; hidden"));
    EXPECT_FALSE(ini.ValueExists("s", "hidden"));
    EXPECT_FALSE(ini.ValueExists("s", "bare"));
    EXPECT_EQ(ini.Keys("s"), QStringList { "kept" });
}

TEST(IniFile, SplitsAtTheFirstEqualsSign)
{
    const auto ini = TbsIniFile::FromText(QStringLiteral("[s]\nurl = a=b=c\n"));
    EXPECT_EQ(ini.ReadString("s", "url"), "a=b=c");
}

TEST(IniFile, MatchesSectionsAndKeysWithoutRegardToCase)
{
    const auto ini = TbsIniFile::FromText(QStringLiteral("[SkinControls]\nCount=3\n"));
    EXPECT_TRUE(ini.SectionExists("SKINCONTROLS"));
    EXPECT_EQ(ini.ReadInteger("skincontrols", "count"), 3);
    EXPECT_EQ(ini.ReadInteger("skincontrols", "COUNT"), 3);
}

TEST(IniFile, LaterKeyWinsAndLaterSectionReplacesTheEarlierOneWhole)
{
    const auto ini = TbsIniFile::FromText(QStringLiteral("[a]\ncount=3\ncount=5\n[b]\nx=1\nz=9\n[c]\n[B]\ny=2\n"));
    EXPECT_EQ(ini.ReadInteger("a", "count"), 5);
    EXPECT_EQ(ini.ReadInteger("b", "y"), 2);
    EXPECT_FALSE(ini.ValueExists("b", "x"));
    EXPECT_FALSE(ini.ValueExists("b", "z"));
    EXPECT_TRUE(ini.SectionExists("c"));
    EXPECT_EQ(ini.Sections().size(), 3);
}

TEST(IniFile, AcceptsCrLfAndCrLfLineEndsAlike)
{
    for (const QString& eol : { QStringLiteral("\r\n"), QStringLiteral("\r"), QStringLiteral("\n") }) {
        const auto ini = TbsIniFile::FromText("[s]" + eol + "a=1" + eol + eol + "b=2");
        EXPECT_EQ(ini.ReadInteger("s", "a"), 1) << eol.size();
        EXPECT_EQ(ini.ReadInteger("s", "b"), 2) << eol.size();
        EXPECT_EQ(ini.Keys("s").size(), 2);
    }
}

TEST(IniFile, SectionHeaderNeedsBothBrackets)
{
    const auto ini = TbsIniFile::FromText(QStringLiteral("[s]\n[broken=1\nbroken]\n[]\nempty=2\n"));
    EXPECT_EQ(ini.ReadInteger("s", "[broken"), 1);
    EXPECT_TRUE(ini.SectionExists(""));
    EXPECT_EQ(ini.ReadInteger("", "empty"), 2);
}

TEST(IniFile, BooleansAreTrueOnlyForOne)
{
    const auto ini = TbsIniFile::FromText(QStringLiteral("[s]\none=1\ntwo=2\nzero=0\ntext=yes\nhex=$1\n"));
    EXPECT_TRUE(ini.ReadBool("s", "one"));
    EXPECT_TRUE(ini.ReadBool("s", "hex"));
    EXPECT_FALSE(ini.ReadBool("s", "two", true));
    EXPECT_FALSE(ini.ReadBool("s", "zero", true));
    EXPECT_FALSE(ini.ReadBool("s", "text", true));
    EXPECT_TRUE(ini.ReadBool("s", "missing", true));
}

TEST(IniFile, WritesAndErasesAndRoundTripsThroughText)
{
    TbsIniFile ini;
    ini.WriteString("First", "name", "value");
    ini.WriteInteger("first", "number", -7);
    ini.WriteBool("Second", "flag", true);
    ini.WriteString("FIRST", "NAME", "replaced");
    EXPECT_EQ(ini.Keys("first"), (QStringList { "name", "number" }));
    EXPECT_EQ(ini.ToText(), QStringLiteral("[First]\r\nname=replaced\r\nnumber=-7\r\n\r\n[Second]\r\nflag=1\r\n\r\n"));

    const auto reread = TbsIniFile::FromText(ini.ToText());
    EXPECT_EQ(reread.ReadString("first", "name"), "replaced");
    EXPECT_EQ(reread.ReadInteger("first", "number"), -7);

    ini.EraseSection("first");
    EXPECT_FALSE(ini.SectionExists("First"));
    EXPECT_TRUE(ini.ReadBool("second", "flag"));
    ini.WriteString("first", "again", "x");
    EXPECT_EQ(ini.Sections(), (QStringList { "Second", "first" }));
}

TEST(IniFile, FindsByPositionWithLatin1AndUtf16NamesAlikeAcrossThousandsOfKeys)
{
    QString text = QStringLiteral("[Ärger]\r\nÖl=oil\r\n");
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("Key%1=%1\r\n").arg(i);
    TbsIniFile ini = TbsIniFile::FromText(text);

    const int section = ini.FindSection(u"äRGER");
    ASSERT_EQ(section, 0);
    EXPECT_EQ(ini.FindSection(u"arger"), -1);
    EXPECT_EQ(ini.Value(section, QStringView(u"öL")), QStringView(u"oil"));
    EXPECT_EQ(ini.Value(section, QLatin1StringView("key2999")), QStringView(u"2999"));
    EXPECT_EQ(ini.Value(section, QStringView(u"KEY0")), QStringView(u"0"));
    EXPECT_FALSE(ini.Value(section, QLatin1StringView("key3000")).has_value());
    EXPECT_FALSE(ini.Value(-1, QLatin1StringView("key0")).has_value());
    ASSERT_EQ(ini.KeyCount(section), 3001);
    EXPECT_EQ(ini.KeyAt(section, 1), QStringView(u"Key0"));

    // A write appends to the text the other names and values point into.
    ini.WriteString(QStringLiteral("ärger"), QStringLiteral("KEY5"), QStringLiteral("five"));
    ini.WriteString(QStringLiteral("new"), QStringLiteral("k"), QString());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Ärger"), QStringLiteral("key5")), QStringLiteral("five"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Ärger"), QStringLiteral("key6")), QStringLiteral("6"));
    EXPECT_EQ(ini.Value(ini.FindSection(u"NEW"), QLatin1StringView("K")), QStringView(u""));
    EXPECT_EQ(ini.KeyCount(section), 3001);
}
