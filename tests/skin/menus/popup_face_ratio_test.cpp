#include "../controls/built_in_skin.h"
#include "../../support/doubled_pixels.h"

#include "skin/menus/menu_item.h"
#include "skin/menus/popup_face.h"

#include <QRegion>
#include <gtest/gtest.h>

// At a ratio of 2 a popup is its 1x face with every pixel doubled, but for the
// row captions, which are written at the device's resolution.
TEST(PopupFaceRatio, ArtIsDoubledAndCaptionsAreDrawnAtDeviceResolution)
{
    TbsSkinData skin;
    LoadBuiltInSkin(skin);
    TbsMenuItem root;
    root.Add(QStringLiteral("&Alpha"));
    root.AddSeparator();
    root.Add(QStringLiteral("Beta"))->SetEnabled(false);
    root.Add(QStringLiteral("&Gamma"))->Add(QStringLiteral("One"));
    root.Add(QStringLiteral("Delta"))->SetChecked(true);

    for (const TbsSkinData* look : { static_cast<const TbsSkinData*>(&skin), static_cast<const TbsSkinData*>(nullptr) }) {
        SCOPED_TRACE(look ? "built-in skin" : "plain look");
        PopupFace face(LookUpPopupLook(look, {}), root, 0, 0, 1000);
        face.Items()[0].active = true;
        const QImage one = face.Render(PopupScrollCode::None, 1);
        const QImage two = face.Render(PopupScrollCode::None, 2);
        ASSERT_EQ(two.size(), one.size() * 2);
        EXPECT_EQ(two.devicePixelRatio(), 2.0);

        // The window around the rows, the separator row, and every row's
        // first and last columns (left of and right of the caption) are art.
        QRegion art(one.rect());
        for (const TbsSkinMenuItem& item : face.Items()) {
            const QRect row = item.rect;
            if (!item.menuItem->IsSeparator())
                art -= row.adjusted(2, 0, -2, 0);
        }
        EXPECT_EQ(FirstUndoubled(one, two, art), "");
        EXPECT_GT(PixelsUnlikeTheirBlock(two), 200) << "the captions are only the 1x text enlarged";
    }
}
