#include "face_pixels.h"

#include "skin/controls/skin_custom_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

class RecordingControl : public TbsSkinCustomControl {
public:
    using TbsSkinCustomControl::TbsSkinCustomControl;
    void ParentBackgroundChanged() override { ++backgroundChanges; }
    void DefaultFontChanged() override { ++fontChanges; }
    int backgroundChanges { 0 };
    int fontChanges { 0 };
};

// A face whose every pixel tells its place and the face's generation, so a
// part copied to the wrong place, or from a stale face, shows.
class PlaceFaceControl : public TbsSkinControl {
public:
    static QRgb Expected(int x, int y, int generation) { return Rgb(x * 5 % 256, y * 7 % 256, generation * 90); }
    int generation { 0 };

protected:
    void CreateControlDefaultImage(QImage& image) override
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, 0xFF000000u | Expected(x, y, generation));
    }
};

// The first pixel of area on screen that does not show generation's face;
// "" when all do.
std::string WrongPixel(const QImage& screen, const QRegion& area, int generation)
{
    for (const QRect& rect : area)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (PixelAt(screen, x, y) != PlaceFaceControl::Expected(x, y, generation))
                    return QStringLiteral("(%1, %2)").arg(x).arg(y).toStdString();
    return {};
}

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

TEST(SkinControlBase, PartialPaintCopiesTheExposedPartsOfTheKeptFaceAndRebuildsItOnlyWhenAsked)
{
    PlaceFaceControl control;
    control.resize(40, 30);
    QImage screen(60, 45, QImage::Format_RGB32);
    control.render(&screen);
    EXPECT_EQ(WrongPixel(screen, control.rect(), 0), "");

    control.generation = 1;
    const QRegion exposed = QRegion(10, 5, 8, 6).united(QRect(30, 20, 5, 5));
    // A region renders with its bounding rectangle's corner at the offset.
    control.render(&screen, exposed.boundingRect().topLeft(), exposed);
    EXPECT_EQ(WrongPixel(screen, control.rect(), 0), "") << "a paint nobody asked for copies the kept face";

    control.FaceChanged();
    control.render(&screen, exposed.boundingRect().topLeft(), exposed);
    EXPECT_EQ(WrongPixel(screen, exposed, 1), "") << "the exposed parts show the new face in their places";
    EXPECT_EQ(WrongPixel(screen, QRegion(control.rect()).subtracted(exposed), 0), "")
        << "the rest keeps the old face";

    control.generation = 2;
    control.resize(60, 45);
    control.render(&screen);
    EXPECT_EQ(WrongPixel(screen, control.rect(), 2), "") << "a larger control gets a face of its new size";

    control.generation = 3;
    control.setEnabled(false);
    control.render(&screen);
    EXPECT_EQ(WrongPixel(screen, control.rect(), 3), "") << "the enabled state is part of what the face shows";
}
