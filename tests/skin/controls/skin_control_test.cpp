#include "face_pixels.h"

#include "skin/controls/skin_custom_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RecordingControl : public TbsSkinCustomControl {
public:
    using TbsSkinCustomControl::TbsSkinCustomControl;
    void ParentBackgroundChanged() override { ++backgroundChanges; }
    void DefaultFontChanged() override { ++fontChanges; }
    int backgroundChanges { 0 };
    int fontChanges { 0 };
};

} // namespace

TEST(SkinControlBase, WithoutDefinitionPaintsButtonFaceAtDefaultSize)
{
    RecordingControl control;
    control.SetSkinDataName(QStringLiteral("no such definition"));
    control.resize(40, 30);
    control.SetDefaultWidth(57);
    EXPECT_EQ(control.size(), QSize(57, 30));
    control.SetDefaultHeight(0);
    EXPECT_EQ(control.size(), QSize(57, 30)) << "a default of 0 leaves the size alone";
    control.SetDefaultHeight(21);
    control.resize(10, 10);
    control.ChangeSkinData();
    EXPECT_EQ(control.size(), QSize(57, 21)) << "a skin change goes back to the default size";
    EXPECT_EQ(control.SkinIndex(), -1);

    const QImage face = GrabFace(control);
    EXPECT_EQ(CountColor(face, face.rect(), 0xD4D0C8), 57 * 21);
}

TEST(SkinControlBase, EmptySkinDataGivesNoDefinitionAndIsDroppedWhenDestroyed)
{
    RecordingControl control;
    control.SetSkinDataName(QStringLiteral("button"));
    auto skinData = std::make_unique<TbsSkinData>();
    control.SetSkinData(skinData.get());
    EXPECT_EQ(control.SkinData(), skinData.get());
    control.GetSkinData();
    EXPECT_EQ(control.SkinIndex(), -1);

    skinData.reset();
    EXPECT_EQ(control.SkinData(), nullptr);
    control.resize(20, 20);
    const QImage face = GrabFace(control);
    EXPECT_EQ(PixelAt(face, 10, 10), 0xD4D0C8u);
}

TEST(SkinControlBase, ZeroSizePaintsNothing)
{
    RecordingControl control;
    control.resize(0, 12);
    EXPECT_TRUE(control.RenderFace().isNull());
    control.resize(12, 0);
    EXPECT_TRUE(control.RenderFace().isNull());
    control.resize(3, 2);
    EXPECT_EQ(control.RenderFace().size(), QSize(3, 2));
}

TEST(SkinControlBase, BackgroundChangedMessageReachesTheControl)
{
    RecordingControl control;
    QEvent message(WM_BACKGROUND_CHANGED);
    QCoreApplication::sendEvent(&control, &message);
    QCoreApplication::sendEvent(&control, &message);
    EXPECT_EQ(control.backgroundChanges, 2);
}

TEST(SkinControlBase, DefaultFontIsArialFourteenPixelsAndChangesAreAnnounced)
{
    RecordingControl control;
    EXPECT_EQ(control.DefaultFont().family(), QStringLiteral("Arial"));
    EXPECT_EQ(control.DefaultFont().pixelSize(), 14);
    EXPECT_TRUE(control.UseSkinFont());
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(11);
    control.SetDefaultFont(font);
    control.SetDefaultFontColor(clRed);
    EXPECT_EQ(control.fontChanges, 2);
    EXPECT_EQ(control.DefaultFont().pixelSize(), 11);
}
