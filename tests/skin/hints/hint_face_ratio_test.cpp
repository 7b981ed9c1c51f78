#include "../../support/doubled_pixels.h"

#include "skin/hints/hint_face.h"

#include <gtest/gtest.h>

// At a ratio of 2 the hint box is its 1x face with every pixel doubled, but
// for its text, which is written at the device's resolution.
TEST(HintFaceRatio, BoxIsDoubledAndTextIsDrawnAtDeviceResolution)
{
    const HintLook look = LookUpHintLook(nullptr);
    const QString text = QStringLiteral("Ctrl+Enter 打乱文章顺序");
    const HintGeometry geometry = CalcHintGeometry(look, HintTextSize(look.font, text));
    const QImage one = RenderHintFace(look, geometry, text, 1);
    const QImage two = RenderHintFace(look, geometry, text, 2);
    ASSERT_EQ(two.size(), one.size() * 2);
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_EQ(FirstUndoubled(one, two, QRegion(one.rect()).subtracted(geometry.textRect)), "");
    EXPECT_GT(PixelsUnlikeTheirBlock(two), 100) << "the text is only the 1x text enlarged";
}
