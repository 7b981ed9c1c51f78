#include "skin/data/form_info.h"

#include "tests/skin/data/section_entries.h"

#include <gtest/gtest.h>

namespace {

const QString kStoredFormInfo = QStringLiteral(
    "[FORMINFO]\n"
    "lefttoppoint=9,29\nrighttoppoint=274,30\nleftbottompoint=8,200\nrightbottompoint=274,200\n"
    "clientrect=4,27,281,206\nbgpictureindex=-1\nmdibgpictureindex=5\n"
    "leftstretch=0\nrightstretch=0\ntopstretch=0\nbottomstretch=0\n"
    "maskrectarea=4,3,282,206\n"
    "hittestlefttoppoint=7,6\nhittestrighttoppoint=279,8\nhittestleftbottompoint=9,202\nhittestrightbottompoint=276,203\n"
    "buttonsrect=0,0,0,0\ncaptionrect=3,5,282,24\nbuttonsoffset=2\nbuttonsinleft=0\nmainmenupopupup=0\n"
    "borderwidth=3\nformminwidth=200\nautorenderinginactiveimage=0\ninactiveeffect=iegrayscale\n");

// A frame whose client area is 4,27,281,206, plus the given lines.
TbsFormInfo Read(const QString& lines, bool skinHasMask)
{
    TbsFormInfo info;
    info.ReadFromIni(TbsIniFile::FromText(QStringLiteral("[FORMINFO]\nclientrect=4,27,281,206\n") + lines), skinHasMask);
    return info;
}

}

TEST(FormInfo, StoredFrameGeometryIsKeptAsRead)
{
    TbsFormInfo info;
    info.ReadFromIni(TbsIniFile::FromText(kStoredFormInfo), true);
    EXPECT_EQ(info.leftTopPoint, QPoint(9, 29));
    EXPECT_EQ(info.rightTopPoint, QPoint(274, 30));
    EXPECT_EQ(info.leftBottomPoint, QPoint(8, 200));
    EXPECT_EQ(info.rightBottomPoint, QPoint(274, 200));
    EXPECT_EQ(info.maskRectArea, (SkinRect { 4, 3, 282, 206 }));
    EXPECT_EQ(info.hitTestLeftTopPoint, QPoint(7, 6));
    EXPECT_EQ(info.hitTestRightBottomPoint, QPoint(276, 203));
    EXPECT_EQ(info.bgPictureIndex, -1);
    EXPECT_EQ(info.mdiBgPictureIndex, 5);
    EXPECT_EQ(info.captionRect, (SkinRect { 3, 5, 282, 24 }));
    EXPECT_EQ(info.buttonsOffset, 2);
    EXPECT_EQ(info.borderWidth, 3);
    EXPECT_EQ(info.formMinWidth, 200);
    EXPECT_EQ(info.inactiveEffect, InactiveEffect::ieGrayScale);
    EXPECT_EQ(info.stretchType, StretchType::stFull);
}

TEST(FormInfo, DefaultsOtherThanZero)
{
    const TbsFormInfo fresh;
    EXPECT_EQ(fresh.bgPictureIndex, -1);
    EXPECT_EQ(fresh.mdiBgPictureIndex, -1);
    EXPECT_EQ(fresh.inactiveEffect, InactiveEffect::ieBrightness);

    TbsFormInfo read;
    read.ReadFromIni(TbsIniFile {}, true);
    TbsIniFile freshText;
    TbsIniFile readText;
    fresh.WriteToIni(freshText);
    read.WriteToIni(readText);
    EXPECT_EQ(EntriesOf(readText, QStringLiteral("FORMINFO")), EntriesOf(freshText, QStringLiteral("FORMINFO")));

    EXPECT_EQ(Read(QStringLiteral("inactiveeffect=IeInvert\n"), false).inactiveEffect, InactiveEffect::ieGrayScale);
}

TEST(FormInfo, MaskAreaCoversTheClientAreaOnlyWithAMask)
{
    EXPECT_EQ(Read({}, true).maskRectArea, (SkinRect { 4, 27, 281, 206 }));
    EXPECT_TRUE(Read({}, false).maskRectArea.IsEmpty());
    EXPECT_EQ(Read(QStringLiteral("maskrectarea=10,10,200,100\n"), true).maskRectArea, (SkinRect { 4, 10, 281, 206 }));
    EXPECT_EQ(Read(QStringLiteral("maskrectarea=10,10,200,100\n"), false).maskRectArea, (SkinRect { 10, 10, 200, 100 }));
    // A zero-height area counts as absent.
    EXPECT_EQ(Read(QStringLiteral("maskrectarea=0,5,300,5\n"), true).maskRectArea, (SkinRect { 4, 27, 281, 206 }));
}

TEST(FormInfo, UnsetHitTestCornersTakeTheFrameCornersAsRead)
{
    const QString corners = QStringLiteral(
        "lefttoppoint=1,1\nrighttoppoint=274,30\nleftbottompoint=8,200\nrightbottompoint=274,200\n"
        "hittestlefttoppoint=0,6\nhittestrighttoppoint=279,0\nhittestleftbottompoint=9,202\n");
    const TbsFormInfo masked = Read(corners, true);
    // The corner is copied before it is moved onto the client area.
    EXPECT_EQ(masked.hitTestLeftTopPoint, QPoint(1, 1));
    EXPECT_EQ(masked.leftTopPoint, QPoint(4, 27));
    EXPECT_EQ(masked.hitTestRightTopPoint, QPoint(274, 30));
    EXPECT_EQ(masked.hitTestLeftBottomPoint, QPoint(9, 202));
    EXPECT_EQ(masked.hitTestRightBottomPoint, QPoint(274, 200));

    const TbsFormInfo unmasked = Read(corners, false);
    EXPECT_EQ(unmasked.hitTestLeftTopPoint, QPoint(0, 6));
    EXPECT_EQ(unmasked.hitTestRightTopPoint, QPoint(279, 0));
    EXPECT_EQ(unmasked.hitTestRightBottomPoint, QPoint(0, 0));
}

TEST(FormInfo, CornersMoveOntoTheClientSide)
{
    const TbsFormInfo outside = Read(QStringLiteral(
        "lefttoppoint=1,1\nrighttoppoint=300,2\nleftbottompoint=3,300\nrightbottompoint=290,250\n"), false);
    EXPECT_EQ(outside.leftTopPoint, QPoint(4, 27));
    EXPECT_EQ(outside.rightTopPoint, QPoint(281, 27));
    EXPECT_EQ(outside.leftBottomPoint, QPoint(4, 206));
    EXPECT_EQ(outside.rightBottomPoint, QPoint(281, 206));

    const TbsFormInfo inside = Read(QStringLiteral(
        "lefttoppoint=10,30\nrighttoppoint=270,40\nleftbottompoint=20,190\nrightbottompoint=260,180\n"), false);
    EXPECT_EQ(inside.leftTopPoint, QPoint(10, 30));
    EXPECT_EQ(inside.rightTopPoint, QPoint(270, 40));
    EXPECT_EQ(inside.leftBottomPoint, QPoint(20, 190));
    EXPECT_EQ(inside.rightBottomPoint, QPoint(260, 180));
}

TEST(FormInfo, CoincidingCornersStayUnclamped)
{
    const TbsFormInfo absent = Read({}, true);
    EXPECT_EQ(absent.leftTopPoint, QPoint(0, 0));
    EXPECT_EQ(absent.rightBottomPoint, QPoint(0, 0));

    const TbsFormInfo sameX = Read(QStringLiteral("lefttoppoint=1,1\nrighttoppoint=300,2\nrightbottompoint=1,250\n"), false);
    EXPECT_EQ(sameX.leftTopPoint, QPoint(1, 1));
    EXPECT_EQ(sameX.rightTopPoint, QPoint(300, 2));
    EXPECT_EQ(sameX.rightBottomPoint, QPoint(1, 250));
}

TEST(FormInfo, WritesWhatItReads)
{
    TbsFormInfo first;
    first.ReadFromIni(TbsIniFile::FromText(kStoredFormInfo + QStringLiteral("stretcheffect=1\nmdibgstretchtype=sthorz\n")), true);
    TbsIniFile written = TbsIniFile::FromText(QStringLiteral("[FORMINFO]\nstale=1\n"));
    first.WriteToIni(written);
    EXPECT_FALSE(written.ValueExists(QStringLiteral("FORMINFO"), QStringLiteral("stale")));

    TbsFormInfo second;
    second.ReadFromIni(written, true);
    TbsIniFile rewritten;
    second.WriteToIni(rewritten);
    const SectionEntries entries = EntriesOf(written, QStringLiteral("FORMINFO"));
    EXPECT_EQ(entries.size(), 31u);
    EXPECT_EQ(EntriesOf(rewritten, QStringLiteral("FORMINFO")), entries);
    EXPECT_TRUE(second.stretchEffect);
    EXPECT_EQ(second.mdiBgStretchType, StretchType::stHorz);
}
