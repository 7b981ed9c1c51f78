#include "skin/data/skin_values.h"

#include <gtest/gtest.h>

namespace {

TbsIniFile Section(const QString& lines)
{
    return TbsIniFile::FromText("[s]\r\n" + lines);
}

void ExpectConversionError(const QString& line, const char* message)
{
    const auto ini = Section(line);
    try {
        ReadSkinRect(ini, "s", "r");
        ADD_FAILURE() << "no conversion error for " << line.toStdString();
    } catch (const SkinConversionError& error) {
        EXPECT_STREQ(error.what(), message) << line.toStdString();
    }
}

} // namespace

TEST(SkinValues, IntegerTextForms)
{
    struct Case {
        const char* text;
        bool valid;
        int value;
    };
    const Case cases[] = {
        { "42", true, 42 },
        { "-42", true, -42 },
        { "+7", true, 7 },
        { "$ff", true, 255 },
        { "0xFF", true, 255 },
        { "0Xa0", true, 160 },
        { "$FFFFFFFF", true, -1 },
        { "2147483647", true, 2147483647 },
        { "-2147483648", true, -2147483647 - 1 },
        { "2147483648", false, 0 },
        { "$100000000", false, 0 },
        { "", false, 0 },
        { "-", false, 0 },
        { "$", false, 0 },
        { "0x", false, 0 },
        { "12a", false, 0 },
        { "1 2", false, 0 },
        { "0xfg", false, 0 },
        { "１２", false, 0 },
    };
    for (const Case& c : cases) {
        int value = 12345;
        EXPECT_EQ(ParseSkinInteger(QString::fromUtf8(c.text), value), c.valid) << c.text;
        if (c.valid) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(SkinValues, IntegerBooleanColourAndPictureIndexFallBackWithoutFailing)
{
    const auto ini = Section("n=12\r\nbad=1x\r\nempty=\r\nb1=1\r\nb2=2\r\nbtext=true\r\ncolor=0xFF\r\nwhite=16777215\r\n"
                             "sys=-16777201\r\npic=3\r\nbadpic=x\r\n");
    EXPECT_EQ(ReadSkinInteger(ini, "s", "n", 5), 12);
    EXPECT_EQ(ReadSkinInteger(ini, "s", "bad", 5), 5);
    EXPECT_EQ(ReadSkinInteger(ini, "s", "empty", 5), 5);
    EXPECT_EQ(ReadSkinInteger(ini, "s", "missing", 5), 5);

    EXPECT_TRUE(SkinBoolValue(ini.Value("s", "b1")));
    EXPECT_FALSE(SkinBoolValue(ini.Value("s", "b2")));
    EXPECT_FALSE(SkinBoolValue(ini.Value("s", "btext")));
    EXPECT_FALSE(SkinBoolValue(ini.Value("s", "missing")));

    EXPECT_EQ(SkinColorValue(ini.Value("s", "color"), 0), 255u);
    EXPECT_EQ(SkinColorValue(ini.Value("s", "white"), 0), 0x00FFFFFFu);
    EXPECT_EQ(SkinColorValue(ini.Value("s", "sys"), 0), SystemColor(15));
    EXPECT_EQ(SkinColorValue(ini.Value("s", "missing"), SystemColor(5)), 0xFF000005u);
    EXPECT_EQ(SkinColorValue(ini.Value("s", "bad"), SystemColor(8)), SystemColor(8));

    EXPECT_EQ(PictureIndexValue(ini.Value("s", "pic")), 3);
    EXPECT_EQ(PictureIndexValue(ini.Value("s", "badpic")), -1);
    EXPECT_EQ(PictureIndexValue(ini.Value("s", "missing")), -1);
}

TEST(SkinValues, Strings)
{
    const auto ini = Section("name=  Arial Bold  \r\nempty=\r\n");
    EXPECT_EQ(ReadSkinString(ini, "s", "name", "x"), "Arial Bold");
    EXPECT_EQ(ReadSkinString(ini, "s", "empty", "x"), "");
    EXPECT_EQ(ReadSkinString(ini, "s", "missing", "Arial"), "Arial");
}

TEST(SkinValues, RectanglesAndPointsKeepDigitsAndCommasOnly)
{
    const auto ini = Section("skinrect=458,272,500,294\r\nodd= -2,5,7,9\r\nminus=-5,7,10,12\r\nextra=1,2,3,4,5,6\r\n"
                             "spaced = 1 0 , 2x0,3;0,4 0\r\nlefttoppoint=3,9\r\npointextra=1,2,3\r\n");
    EXPECT_EQ(ReadSkinRect(ini, "s", "skinrect"), (SkinRect { 458, 272, 500, 294 }));
    EXPECT_EQ(ReadSkinRect(ini, "s", "odd"), (SkinRect { 2, 5, 7, 9 }));
    EXPECT_EQ(ReadSkinRect(ini, "s", "minus"), (SkinRect { 5, 7, 10, 12 }));
    EXPECT_EQ(ReadSkinRect(ini, "s", "extra"), (SkinRect { 1, 2, 3, 4 }));
    EXPECT_EQ(ReadSkinRect(ini, "s", "spaced"), (SkinRect { 10, 20, 30, 40 }));
    EXPECT_EQ(ReadSkinRect(ini, "s", "missing"), (SkinRect {}));
    EXPECT_TRUE(ReadSkinRect(ini, "s", "missing").IsEmpty());

    EXPECT_EQ(ReadSkinPoint(ini, "s", "lefttoppoint"), QPoint(3, 9));
    EXPECT_EQ(ReadSkinPoint(ini, "s", "pointextra"), QPoint(1, 2));
    EXPECT_EQ(ReadSkinPoint(ini, "s", "missing"), QPoint(0, 0));
}

TEST(SkinValues, MalformedRectanglesAndPointsRaiseTheConversionError)
{
    // The message quotes the whole value as written, not the field that
    // failed, which may be empty.
    ExpectConversionError("r=", "\"\" needs four numbers");
    ExpectConversionError("r=1,2,3", "\"1,2,3\" needs four numbers");
    ExpectConversionError("r=4,1,abc", "\"4,1,abc\" needs four numbers");
    ExpectConversionError("r=1,,3,4", "\"1,,3,4\" needs four numbers");
    ExpectConversionError("r=1,2,3,-", "\"1,2,3,-\" needs four numbers");
    ExpectConversionError("r=1,2,3,99999999999", "\"1,2,3,99999999999\" holds a number too large for a coordinate");

    const auto ini = Section("p=7\r\nq=\r\n");
    EXPECT_THROW(ReadSkinPoint(ini, "s", "p"), SkinConversionError);
    EXPECT_THROW(ReadSkinPoint(ini, "s", "q"), SkinConversionError);
}

TEST(SkinValues, FontStylesAreExactLowerCaseSubstrings)
{
    const auto ini = Section("a=fsbold,fsunderline\r\nb=FSBOLD,FsItalic\r\nc=\r\nd=xxfsitalicyy fsstrikeout\r\n");
    EXPECT_EQ(FontStylesValue(ini.Value("s", "a")), FontStyles(fsBold | fsUnderline));
    EXPECT_EQ(FontStylesValue(ini.Value("s", "b")), FontStyles(0));
    EXPECT_EQ(FontStylesValue(ini.Value("s", "c")), FontStyles(0));
    EXPECT_EQ(FontStylesValue(ini.Value("s", "d")), FontStyles(fsItalic | fsStrikeOut));
    EXPECT_EQ(FontStylesValue(ini.Value("s", "missing")), FontStyles(0));
}

TEST(SkinValues, EnumerationsMatchExactlyAndFallBackByKind)
{
    const auto ini = Section("left=taleftjustify\r\nright=tarightjustify\r\ncenter=tacenter\r\nmixed=TaCenter\r\n"
                             "full=stfull\r\nvert=stvert\r\nhorz=sthorz\r\nodd=Stfull\r\n"
                             "push=mkpush\r\ngrad=mkgradient\r\nmkodd=MKPUSH\r\n"
                             "invert=ieinvert\r\ndark=iedarkness\r\nieodd=none\r\nempty=\r\n");
    EXPECT_EQ(AlignmentValue(ini.Value("s", "left")), Alignment::taLeftJustify);
    EXPECT_EQ(AlignmentValue(ini.Value("s", "right")), Alignment::taRightJustify);
    EXPECT_EQ(AlignmentValue(ini.Value("s", "center")), Alignment::taCenter);
    EXPECT_EQ(AlignmentValue(ini.Value("s", "mixed")), Alignment::taRightJustify);
    EXPECT_EQ(AlignmentValue(ini.Value("s", "missing")), Alignment::taCenter);

    EXPECT_EQ(StretchTypeValue(ini.Value("s", "full")), StretchType::stFull);
    EXPECT_EQ(StretchTypeValue(ini.Value("s", "vert")), StretchType::stVert);
    EXPECT_EQ(StretchTypeValue(ini.Value("s", "horz")), StretchType::stHorz);
    EXPECT_EQ(StretchTypeValue(ini.Value("s", "odd")), StretchType::stHorz);
    EXPECT_EQ(StretchTypeValue(ini.Value("s", "empty")), StretchType::stHorz);
    EXPECT_EQ(StretchTypeValue(ini.Value("s", "missing")), StretchType::stFull);

    EXPECT_EQ(MorphKindValue(ini.Value("s", "push")), MorphKind::mkPush);
    EXPECT_EQ(MorphKindValue(ini.Value("s", "grad")), MorphKind::mkGradient);
    EXPECT_EQ(MorphKindValue(ini.Value("s", "mkodd")), MorphKind::mkDefault);
    EXPECT_EQ(MorphKindValue(ini.Value("s", "missing")), MorphKind::mkDefault);

    EXPECT_EQ(InactiveEffectValue(ini.Value("s", "invert")), InactiveEffect::ieInvert);
    EXPECT_EQ(InactiveEffectValue(ini.Value("s", "dark")), InactiveEffect::ieDarkness);
    EXPECT_EQ(InactiveEffectValue(ini.Value("s", "ieodd")), InactiveEffect::ieGrayScale);
    EXPECT_EQ(InactiveEffectValue(ini.Value("s", "empty")), InactiveEffect::ieGrayScale);
    EXPECT_EQ(InactiveEffectValue(ini.Value("s", "missing")), InactiveEffect::ieBrightness);
}

TEST(SkinValues, StringLists)
{
    const auto ini = Section("activepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n2=c.bmp\r\n");
    EXPECT_EQ(ReadSkinStringList(ini, "s", "activepictures"), (QStringList { "a.bmp", "b.bmp" }));
    EXPECT_TRUE(ReadSkinStringList(ini, "s", "other").isEmpty());

    const auto gaps = Section("listcount=6\r\n0=a\r\n2=c\r\n02=no\r\n+3=no\r\n");
    EXPECT_EQ(ReadSkinStringList(gaps, "s", "list"), (QStringList { "a", "", "c" }));

    const auto negative = Section("listcount=-4\r\n0=a\r\n");
    EXPECT_TRUE(ReadSkinStringList(negative, "s", "list").isEmpty());

    // Gaps wider than the rest of the section still keep the last item.
    const auto wide = Section("listcount=9\r\n0=a\r\n8=i\r\n");
    EXPECT_EQ(ReadSkinStringList(wide, "s", "list"), (QStringList { "a", "", "", "", "", "", "", "", "i" }));

    // A count far beyond the keys of the section costs neither time nor memory.
    const auto huge = Section("listcount=2147483647\r\n0=a\r\n1=b\r\n2000000000=far\r\n");
    EXPECT_EQ(ReadSkinStringList(huge, "s", "list"), (QStringList { "a", "b" }));
    EXPECT_EQ(PresentListIndexes(huge, "s", 2147483647), (std::vector<int> { 0, 1, 2000000000 }));
    EXPECT_EQ(PresentListIndexes(huge, "s", 1), (std::vector<int> { 0 }));
    EXPECT_TRUE(PresentListIndexes(huge, "missing", 5).empty());
}

TEST(SkinValues, WrittenValuesReadBackTheSame)
{
    TbsIniFile ini;
    WriteSkinInteger(ini, "d", "int", -3);
    WriteSkinBool(ini, "d", "bool", true);
    WriteSkinColor(ini, "d", "color", SystemColor(15));
    WriteSkinString(ini, "d", "text", "Arial");
    WriteSkinRect(ini, "d", "rect", { 1, 2, 30, 40 });
    WriteSkinPoint(ini, "d", "point", { 5, 6 });
    WriteFontStyles(ini, "d", "style", fsBold | fsStrikeOut);
    WriteAlignment(ini, "d", "align", Alignment::taLeftJustify);
    WriteStretchType(ini, "d", "stretch", StretchType::stVert);
    WriteMorphKind(ini, "d", "morph", MorphKind::mkRightSlide);
    WriteInactiveEffect(ini, "d", "effect", InactiveEffect::ieNoise);
    WriteSkinStringList(ini, "d", "names", { "x.bmp", "y.bmp" });

    EXPECT_EQ(ini.ReadString("d", "color"), "-16777201");
    EXPECT_EQ(ini.ReadString("d", "rect"), "1,2,30,40");
    EXPECT_EQ(ini.ReadString("d", "style"), "fsbold,fsstrikeout");
    EXPECT_EQ(ini.ReadString("d", "namescount"), "2");

    const auto reread = TbsIniFile::FromText(ini.ToText());
    EXPECT_EQ(ReadSkinInteger(reread, "d", "int"), -3);
    EXPECT_TRUE(SkinBoolValue(reread.Value("d", "bool")));
    EXPECT_EQ(SkinColorValue(reread.Value("d", "color"), 0), SystemColor(15));
    EXPECT_EQ(ReadSkinString(reread, "d", "text"), "Arial");
    EXPECT_EQ(ReadSkinRect(reread, "d", "rect"), (SkinRect { 1, 2, 30, 40 }));
    EXPECT_EQ(ReadSkinPoint(reread, "d", "point"), QPoint(5, 6));
    EXPECT_EQ(FontStylesValue(reread.Value("d", "style")), FontStyles(fsBold | fsStrikeOut));
    EXPECT_EQ(AlignmentValue(reread.Value("d", "align")), Alignment::taLeftJustify);
    EXPECT_EQ(StretchTypeValue(reread.Value("d", "stretch")), StretchType::stVert);
    EXPECT_EQ(MorphKindValue(reread.Value("d", "morph")), MorphKind::mkRightSlide);
    EXPECT_EQ(InactiveEffectValue(reread.Value("d", "effect")), InactiveEffect::ieNoise);
    EXPECT_EQ(ReadSkinStringList(reread, "d", "names"), (QStringList { "x.bmp", "y.bmp" }));
}
