#include "skin/data/hint_window_definition.h"
#include "skin/data/popup_window_definition.h"
#include "skin/data/skin_colors.h"
#include "tests/skin/data/definition_round_trip.h"

#include <gtest/gtest.h>

namespace {

template <typename Definition>
Definition Read(const QString& text)
{
    Definition definition;
    definition.ReadFromIni(TbsIniFile::FromText(text));
    return definition;
}

template <typename Definition>
void ExpectEveryKeyRoundTrips(const QString& section, std::size_t keyCount)
{
    SCOPED_TRACE(section.toStdString());
    const auto make = [] { return std::make_unique<Definition>(); };
    const SectionEntries values = DistinctValues(make, section);
    EXPECT_EQ(values.size(), keyCount);
    EXPECT_EQ(ReadThenWrite(make, section, values), values);
}

}

TEST(FrameWindows, EveryKeyIsReadAndWrittenBack)
{
    ExpectEveryKeyRoundTrips<TbsDataSkinPopupWindow>(QStringLiteral("POPUPWINDOW"), 15);
    ExpectEveryKeyRoundTrips<TbsDataSkinHintWindow>(QStringLiteral("HINTWINDOW"), 17);
    ExpectEveryKeyRoundTrips<TbsSkinColors>(QStringLiteral("SKINCOLORS"), 8);
}

TEST(FrameWindows, StoredPopupAndHintWindows)
{
    const auto popup = Read<TbsDataSkinPopupWindow>(QStringLiteral(
        "[POPUPWINDOW]\nwindowpictureindex=2\nmaskpictureindex=6\nlefttoppoint=7,7\nrighttoppoint=86,7\n"
        "leftbottompoint=7,48\nrightbottompoint=87,49\nitemsrect=2,2,91,53\nscrollmarkercolor=8421504\n"));
    EXPECT_EQ(popup.windowPictureIndex, 2);
    EXPECT_EQ(popup.maskPictureIndex, 6);
    EXPECT_EQ(popup.rightBottomPoint, QPoint(87, 49));
    EXPECT_EQ(popup.itemsRect, (SkinRect { 2, 2, 91, 53 }));
    EXPECT_EQ(popup.scrollMarkerColor, 8421504u);
    EXPECT_EQ(popup.stretchType, StretchType::stFull);

    const auto hint = Read<TbsDataSkinHintWindow>(QStringLiteral(
        "[HINTWINDOW]\nwindowpictureindex=1\nmaskpictureindex=7\nclientrect=4,3,24,18\n"
        "leftstretch=1\nrightstretch=1\ntopstretch=0\nbottomstretch=0\n"));
    EXPECT_EQ(hint.windowPictureIndex, 1);
    EXPECT_EQ(hint.clientRect, (SkinRect { 4, 3, 24, 18 }));
    EXPECT_TRUE(hint.leftStretch);
    EXPECT_TRUE(hint.rightStretch);
    EXPECT_FALSE(hint.topStretch);
    EXPECT_EQ(hint.fontName, QStringLiteral("Arial"));
    EXPECT_EQ(hint.fontHeight, 14);

    const TbsDataSkinHintWindow freshHint;
    EXPECT_EQ(freshHint.windowPictureIndex, -1);
    EXPECT_EQ(freshHint.maskPictureIndex, -1);
    const TbsDataSkinPopupWindow freshPopup;
    EXPECT_EQ(freshPopup.windowPictureIndex, -1);
}

TEST(SkinColors, StartAtZeroAndResetToSystemColours)
{
    TbsSkinColors colors;
    EXPECT_EQ(colors.cBtnFace, 0u);
    EXPECT_EQ(colors.cBtnShadow, 0u);

    colors.ResetToDefaults();
    TbsIniFile ini;
    colors.WriteToIni(ini);
    const SectionEntries expected {
        { "cbtnface", "-16777201" }, { "cbtntext", "-16777198" }, { "cwindow", "-16777211" },
        { "cwindowtext", "-16777208" }, { "chighlight", "-16777203" }, { "chighlighttext", "-16777202" },
        { "cbtnhighlight", "-16777196" }, { "cbtnshadow", "-16777200" },
    };
    EXPECT_EQ(EntriesOf(ini, QStringLiteral("SKINCOLORS")), expected);

    // Keys missing from a skin take the same system colours.
    const auto partial = Read<TbsSkinColors>(QStringLiteral("[SKINCOLORS]\ncbtnface=16641763\n"));
    EXPECT_EQ(partial.cBtnFace, 16641763u);
    EXPECT_EQ(partial.cBtnText, SystemColor(18));
    EXPECT_EQ(partial.cHighlight, SystemColor(13));
}
