#include "face_pixels.h"
#include "synthetic_skin.h"

#include "skin/controls/check_radio_box.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_slider.h"
#include "skin/controls/std_label.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QRgb kButtonLeft = Rgb(200, 0, 0);
const QRgb kButtonMiddle = Rgb(255, 200, 200);
const QRgb kButtonRight = Rgb(100, 0, 0);
const QRgb kButtonActive = Rgb(0, 200, 0);
const QRgb kButtonDown = Rgb(0, 0, 200);
const QRgb kButtonDisabled = Rgb(90, 90, 90);
const QRgb kCheck = Rgb(10, 10, 150);
const QRgb kUncheck = Rgb(150, 150, 10);
const QRgb kKey = Rgb(255, 0, 255);
const QRgb kRuler = Rgb(60, 60, 60);
const QRgb kThumb = Rgb(0, 120, 120);
const QRgb kThumbPressed = Rgb(120, 0, 120);
const QRgb kSliderBackground = Rgb(224, 224, 224);
const QRgb kPoints = Rgb(255, 0, 0);
const QRgb kGaugeFace = Rgb(30, 30, 30);
const QRgb kBarBegin = Rgb(0, 255, 255);
const QRgb kBarMiddle = Rgb(255, 255, 0);
const QRgb kBarEnd = Rgb(0, 0, 255);
const QRgb kPanelBorder = Rgb(0, 0, 90);
const QRgb kPanelClient = Rgb(200, 220, 240);
const QRgb kParent = Rgb(32, 160, 64);

QImage MakePicture()
{
    QImage picture(200, 120, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const auto fill = [&painter](int left, int top, int right, int bottom, QRgb rgb) {
        painter.fillRect(QRect(left, top, right - left, bottom - top), QColor::fromRgb(rgb));
    };
    fill(0, 0, 4, 20, kButtonLeft);
    fill(4, 0, 36, 20, kButtonMiddle);
    fill(36, 0, 40, 20, kButtonRight);
    fill(40, 0, 80, 20, kButtonActive);
    fill(80, 0, 120, 20, kButtonDown);
    fill(120, 0, 160, 20, kButtonDisabled);
    fill(0, 30, 15, 45, kCheck);
    fill(15, 30, 30, 45, kUncheck);
    fill(0, 44, 1, 45, kKey);
    fill(15, 44, 16, 45, kKey);
    fill(0, 50, 15, 59, kRuler);
    fill(20, 50, 29, 67, kThumb);
    fill(29, 50, 38, 67, kThumbPressed);
    // Ruler and thumb states mark their transparent colour bottom-left.
    fill(0, 58, 1, 59, kKey);
    fill(20, 66, 21, 67, kKey);
    fill(29, 66, 30, 67, kKey);
    fill(0, 70, 40, 90, kGaugeFace);
    fill(50, 70, 53, 80, kBarBegin);
    fill(53, 70, 67, 80, kBarMiddle);
    fill(67, 70, 70, 80, kBarEnd);
    fill(0, 95, 20, 115, kPanelBorder);
    fill(2, 97, 18, 113, kPanelClient);
    return picture;
}

const QString kSliderKeys = QStringLiteral("pictureindex=0\nbgcolor=14737632\nhrulerrect=0,50,15,59\nhthumbrect=20,50,38,67\n"
                                           "edgesize=2\npointscolor=255\n");

std::unique_ptr<SyntheticSkin> MakeSkin(const QString& sliderKeys = kSliderKeys)
{
    return std::make_unique<SyntheticSkin>(MakePicture(),
        QList<SyntheticSkin::Control> {
            { "button", "button",
                "pictureindex=0\nskinrect=0,0,40,20\nlefttoppoint=4,10\nrighttoppoint=36,10\n"
                "clientrect=4,2,36,18\nfontcolor=255\nactivefontcolor=65280\ndownfontcolor=16711680\n"
                "disabledfontcolor=255\nactiveskinrect=40,0,80,20\ndownskinrect=80,0,120,20\n"
                "disabledskinrect=120,0,160,20\n" },
            { "checkbox", "checkradio",
                "pictureindex=0\nframefontcolor=255\nunenabledfontcolor=8421504\n"
                "checkimagerect=0,30,15,45\nuncheckimagerect=15,30,30,45\n" },
            { "slider", "slider", sliderKeys },
            { "gauge", "gauge",
                "pictureindex=0\nskinrect=0,70,40,90\nlefttoppoint=4,10\nrighttoppoint=36,10\n"
                "clientrect=2,2,38,18\nprogressarea=2,5,38,15\nprogressrect=50,70,70,80\n"
                "beginoffset=3\nendoffset=3\n" },
            { "panel", "panel",
                "pictureindex=0\nskinrect=0,95,20,115\nlefttoppoint=2,2\nrighttoppoint=18,2\n"
                "leftbottompoint=2,18\nrightbottompoint=18,18\nclientrect=2,2,18,18\n" },
            { "stdlabel", "stdlabel", "fontcolor=255\n" },
        });
}

class PlainParent : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor::fromRgb(kParent)); }
};

void SendEnter(QWidget& widget)
{
    const QPointF inside(2, 2);
    QEnterEvent event(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &event);
}

} // namespace

TEST(SkinnedFaces, ButtonTakesTheSkinHeightAndItsFaces)
{
    auto skin = MakeSkin();
    QWidget window;
    TbsSkinButton button(&window);
    button.setGeometry(10, 10, 121, 25);
    button.SetSkinData(skin->Data());
    window.show();
    EXPECT_EQ(button.size(), QSize(121, 20)) << "a horizontal face keeps its height";
    button.resize(121, 30);
    EXPECT_EQ(button.size(), QSize(121, 20));

    QImage face = GrabFace(button);
    EXPECT_EQ(PixelAt(face, 0, 10), kButtonLeft);
    EXPECT_EQ(PixelAt(face, 3, 10), kButtonLeft);
    EXPECT_EQ(PixelAt(face, 4, 10), kButtonMiddle);
    EXPECT_EQ(PixelAt(face, 116, 10), kButtonMiddle);
    EXPECT_EQ(PixelAt(face, 117, 10), kButtonRight);
    EXPECT_EQ(PixelAt(face, 120, 19), kButtonRight);

    SendEnter(button);
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 1), kButtonActive);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 1), kButtonDown);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(60, 10));
    button.setEnabled(false);
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 1), kButtonDisabled);
}

TEST(SkinnedFaces, ButtonCaptionColourFollowsTheFace)
{
    auto skin = MakeSkin();
    TbsSkinButton button;
    button.resize(121, 20);
    button.SetCaption(QStringLiteral("MMM"));
    button.SetSkinData(skin->Data());
    EXPECT_GT(CountColor(GrabFace(button), button.rect(), Rgb(255, 0, 0)), 0);
    SendEnter(button);
    QImage face = GrabFace(button);
    EXPECT_GT(CountColor(face, button.rect(), Rgb(0, 255, 0)), 0);
    EXPECT_EQ(CountColor(face, button.rect(), Rgb(255, 0, 0)), 0);
    button.setEnabled(false);
    face = GrabFace(button);
    EXPECT_GT(CountColor(face, button.rect(), Rgb(128, 128, 128)), 0)
        << "a disabled colour equal to the normal one turns grey";
    button.SetUseSkinFontColor(false);
    button.setEnabled(true);
    button.SetDefaultFontColor(clBlue);
    EXPECT_GT(CountColor(GrabFace(button), button.rect(), Rgb(0, 0, 255)), 0);
}

TEST(SkinnedFaces, ButtonWithoutSkinSizeStretchesItsFace)
{
    auto skin = MakeSkin();
    QWidget window;
    TbsSkinButton button(&window);
    button.SetUseSkinSize(false);
    button.setGeometry(0, 0, 121, 25);
    button.SetSkinData(skin->Data());
    window.show();
    EXPECT_EQ(button.size(), QSize(121, 25));
    const QImage face = GrabFace(button);
    EXPECT_EQ(PixelAt(face, 0, 24), kButtonLeft);
    EXPECT_EQ(PixelAt(face, 60, 12), kButtonMiddle);
    EXPECT_EQ(PixelAt(face, 120, 0), kButtonRight);
}

TEST(SkinnedFaces, AControlWithoutItsDefinitionKeepsTheFallbackFace)
{
    auto skin = MakeSkin();
    TbsSkinButton button;
    button.SetSkinDataName(QStringLiteral("Button"));
    button.SetDefaultHeight(23);
    button.resize(121, 25);
    button.SetSkinData(skin->Data());
    EXPECT_EQ(button.SkinIndex(), -1) << "names are compared with their letter case";
    EXPECT_EQ(button.size(), QSize(121, 23));
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 12), 0xD4D0C8u);

    button.SetSkinDataName(QStringLiteral("button"));
    button.ChangeSkinData();
    EXPECT_NE(button.SkinIndex(), -1);
    button.BeforeChangeSkinData();
    EXPECT_EQ(button.SkinIndex(), -1);
}

TEST(SkinnedFaces, FlatCheckBoxDrawsItsImageOverTheParent)
{
    auto skin = MakeSkin();
    PlainParent parent;
    parent.resize(200, 60);
    TbsSkinCheckRadioBox box(&parent);
    box.setGeometry(10, 10, 76, 25);
    box.SetCaption(QStringLiteral("MMM"));
    box.SetSkinData(skin->Data());
    EXPECT_EQ(box.size(), QSize(76, 25)) << "a flat box keeps its size";

    QImage face = GrabFace(box);
    EXPECT_EQ(PixelAt(face, 3, 5), kUncheck);
    EXPECT_EQ(PixelAt(face, 17, 19), kUncheck);
    EXPECT_EQ(PixelAt(face, 3, 19), kParent) << "the image's bottom-left colour is transparent";
    EXPECT_EQ(PixelAt(face, 2, 5), kParent);
    EXPECT_EQ(PixelAt(face, 18, 12), kParent);
    EXPECT_EQ(CountColor(face, QRect(18, 0, 4, 25), Rgb(255, 0, 0)), 0);
    EXPECT_GT(CountColor(face, QRect(22, 0, 54, 25), Rgb(255, 0, 0)), 0) << "caption from x = 22";

    box.SetChecked(true);
    EXPECT_EQ(PixelAt(GrabFace(box), 10, 12), kCheck);

    box.SetAllowGrayed(true);
    box.SetState(cbGrayed);
    const QRgb grayed = PixelAt(GrabFace(box), 10, 12);
    EXPECT_NE(grayed, kCheck);
    EXPECT_GE(qRed(grayed), qRed(kCheck));
    EXPECT_GE(qBlue(grayed), qBlue(kCheck)) << "the grayed mark is the check mark lightened";

    box.setEnabled(false);
    face = GrabFace(box);
    EXPECT_EQ(CountColor(face, QRect(22, 0, 54, 25), Rgb(255, 0, 0)), 0);
    EXPECT_GT(CountColor(face, QRect(22, 0, 54, 25), Rgb(128, 128, 128)), 0);
}

TEST(SkinnedFaces, SliderTakesRulerThumbAndColoursFromTheSkin)
{
    auto skin = MakeSkin();
    TbsSkinSlider slider;
    slider.resize(369, 27);
    slider.SetMinValue(2);
    slider.SetMaxValue(30);
    slider.SetValue(5);
    slider.SetSkinData(skin->Data());
    slider.show();

    EXPECT_EQ(slider.RulerRect(), QRect(6, 10, 357, 9));
    EXPECT_EQ(slider.TrackLength(), 348);
    EXPECT_EQ(slider.ThumbRect(), QRect(43, 6, 9, 17));
    EXPECT_EQ(slider.TickArea().top(), 24);

    QImage face = GrabFace(slider);
    EXPECT_EQ(PixelAt(face, 47, 14), kThumb);
    EXPECT_EQ(PixelAt(face, 20, 14), kRuler);
    EXPECT_EQ(PixelAt(face, 200, 2), kSliderBackground);
    EXPECT_EQ(PixelAt(face, 6, 18), kSliderBackground) << "the ruler's transparent corner";
    EXPECT_EQ(PixelAt(face, 43, 22), kSliderBackground) << "the thumb's transparent corner";
    for (const int x : { 10, 134, 259, 358 })
        EXPECT_EQ(PixelAt(face, x, 24), kPoints) << "tick at x = " << x;
    EXPECT_EQ(PixelAt(face, 11, 24), kSliderBackground);

    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(47, 14));
    EXPECT_EQ(PixelAt(GrabFace(slider), 47, 14), kThumbPressed) << "the pressed state while dragging";
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(47, 14));
    EXPECT_EQ(slider.Value(), 5);
}

// A thumb rectangle a crafted skin writes down to the int limit is the thumb
// the 120-pixel picture holds (rows 50 to 119, two 9-pixel states), not a
// picture of two billion rows.
TEST(SkinnedFaces, ASliderThumbPastThePictureIsThePartThePictureHolds)
{
    auto skin = MakeSkin(QString(kSliderKeys).replace(QStringLiteral("hthumbrect=20,50,38,67"),
        QStringLiteral("hthumbrect=20,50,38,2147483647")));
    TbsSkinSlider slider;
    slider.resize(369, 27);
    slider.SetSkinData(skin->Data());
    ASSERT_TRUE(slider.HasSkinDefinition());
    EXPECT_EQ(slider.ThumbRect().size(), QSize(9, 120 - 50));
}

TEST(SkinnedFaces, GaugeBarHasCapsAndATiledMiddle)
{
    auto skin = MakeSkin();
    TbsSkinGauge gauge;
    gauge.resize(100, 20);
    gauge.SetSkinData(skin->Data());
    gauge.SetValue(50);
    const QImage face = GrabFace(gauge);
    // The progress area 2..38 widens with the gauge to 2..98; half is 48 pixels.
    EXPECT_EQ(PixelAt(face, 2, 10), kBarBegin);
    EXPECT_EQ(PixelAt(face, 4, 10), kBarBegin);
    EXPECT_EQ(PixelAt(face, 5, 10), kBarMiddle);
    EXPECT_EQ(PixelAt(face, 46, 10), kBarMiddle);
    EXPECT_EQ(PixelAt(face, 47, 10), kBarEnd);
    EXPECT_EQ(PixelAt(face, 49, 10), kBarEnd);
    EXPECT_EQ(PixelAt(face, 50, 10), kGaugeFace);
    EXPECT_EQ(PixelAt(face, 20, 4), kGaugeFace);
    EXPECT_EQ(PixelAt(face, 20, 15), kGaugeFace);
}

TEST(SkinnedFaces, PanelComposesBordersAroundItsClientPiece)
{
    auto skin = MakeSkin();
    TbsSkinPanel panel;
    panel.resize(745, 73);
    panel.SetSkinData(skin->Data());
    EXPECT_EQ(panel.ClientRect(), QRect(2, 2, 741, 69));
    EXPECT_EQ(panel.contentsRect(), panel.ClientRect());
    QImage face = GrabFace(panel);
    EXPECT_EQ(PixelAt(face, 0, 0), kPanelBorder);
    EXPECT_EQ(PixelAt(face, 1, 40), kPanelBorder);
    EXPECT_EQ(PixelAt(face, 744, 72), kPanelBorder);
    EXPECT_EQ(PixelAt(face, 2, 2), kPanelClient);
    EXPECT_EQ(PixelAt(face, 400, 40), kPanelClient);

    panel.SetBorderStyle(bvNone);
    panel.resize(745, 8);
    EXPECT_EQ(panel.ClientRect(), panel.rect());
    face = GrabFace(panel);
    EXPECT_EQ(CountColor(face, face.rect(), kPanelClient), 745 * 8) << "the client piece fills a spacer";
}

TEST(SkinnedFaces, LabelColourComesFromTheDefinition)
{
    auto skin = MakeSkin();
    TbsSkinStdLabel label;
    label.SetFontColor(clBlue);
    label.SetSkinData(skin->Data());
    label.GetSkinData();
    EXPECT_EQ(label.TextColor(), SkinColor { 255 });
    label.SetUseSkinColor(false);
    EXPECT_EQ(label.TextColor(), clBlue);
}

TEST(SkinnedFaces, FlatCheckBoxOnASkinnedPanelShowsThePanelsClient)
{
    auto skin = MakeSkin();
    QWidget window;
    window.resize(300, 100);
    TbsSkinPanel panel(&window);
    panel.setGeometry(0, 0, 300, 73);
    TbsSkinCheckRadioBox box(&panel);
    box.setGeometry(100, 10, 76, 25);
    panel.SetSkinData(skin->Data());
    box.SetSkinData(skin->Data());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QImage screen = GrabFace(window);
    EXPECT_EQ(PixelAt(screen, 100 + 74, 10 + 2), kPanelClient);
    EXPECT_EQ(PixelAt(screen, 100 + 3, 10 + 5), kUncheck);
    EXPECT_EQ(PixelAt(screen, 100 + 3, 10 + 19), kPanelClient);
}

TEST(SkinnedFaces, MorphingButtonBlendsTowardsTheMouseOverFaceAndBack)
{
    QImage picture = MakePicture();
    auto skin = std::make_unique<SyntheticSkin>(picture,
        QList<SyntheticSkin::Control> { { "button", "button",
            "pictureindex=0\nskinrect=0,0,40,20\nlefttoppoint=4,10\nrighttoppoint=36,10\n"
            "clientrect=4,2,36,18\nactiveskinrect=40,0,80,20\nmorphing=1\nmorphkind=mkdefault\n" } });
    TbsSkinButton button;
    button.resize(121, 20);
    button.SetSkinData(skin->Data());
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 1), kButtonMiddle);

    SendEnter(button);
    EXPECT_EQ(button.MorphProgress(), 0.0) << "the blend runs on a timer";
    QTest::qWait(50);
    const QRgb between = PixelAt(GrabFace(button), 60, 1);
    EXPECT_GT(button.MorphProgress(), 0.0);
    if (button.MorphProgress() < 1.0) {
        EXPECT_NE(between, kButtonMiddle);
        EXPECT_NE(between, kButtonActive);
    }
    QTest::qWait(300);
    EXPECT_EQ(button.MorphProgress(), 1.0);
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 1), kButtonActive);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    QTest::qWait(300);
    EXPECT_EQ(button.MorphProgress(), 0.0);
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 1), kButtonMiddle);

    skin->Data()->SetEnableSkinEffects(false);
    SendEnter(button);
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 1), kButtonActive) << "without effects the face switches at once";
}

TEST(SkinnedFaces, PanelCaptionSitsInTheDefinitionsCaptionRectangle)
{
    auto skin = std::make_unique<SyntheticSkin>(MakePicture(),
        QList<SyntheticSkin::Control> { { "panel", "panel",
            "pictureindex=0\nskinrect=0,95,20,115\nlefttoppoint=2,2\nrighttoppoint=18,2\n"
            "leftbottompoint=2,18\nrightbottompoint=18,18\nclientrect=2,2,18,18\n"
            "captionrect=2,2,18,18\nalignment=tarightjustify\nfontcolor=255\n" } });
    TbsSkinPanel panel;
    panel.resize(300, 40);
    panel.SetCaption(QStringLiteral("MMM"));
    panel.SetSkinData(skin->Data());
    const QImage face = GrabFace(panel);
    // The caption rectangle spans the whole client, so it widens to 2..298.
    EXPECT_GT(CountColor(face, QRect(200, 2, 96, 36), Rgb(255, 0, 0)), 0) << "right aligned";
    EXPECT_EQ(CountColor(face, QRect(0, 0, 200, 40), Rgb(255, 0, 0)), 0);
}

TEST(SkinnedFaces, GaugeAnimationRunsThroughItsFramesAfterEachPause)
{
    const QRgb first = Rgb(255, 128, 0);
    const QRgb second = Rgb(128, 0, 255);
    QImage picture = MakePicture();
    {
        QPainter painter(&picture);
        painter.fillRect(QRect(80, 70, 20, 10), QColor::fromRgb(first));
        painter.fillRect(QRect(100, 70, 20, 10), QColor::fromRgb(second));
    }
    auto skin = std::make_unique<SyntheticSkin>(picture,
        QList<SyntheticSkin::Control> { { "gauge", "gauge",
            "pictureindex=0\nskinrect=0,70,40,90\nlefttoppoint=4,10\nrighttoppoint=36,10\n"
            "clientrect=2,2,38,18\nprogressarea=2,5,38,15\nprogressrect=50,70,70,80\n"
            "beginoffset=3\nendoffset=3\nprogressanimationskinrect=80,70,120,80\n"
            "progressanimationcountframes=2\nprogressanimationtimerinterval=40\n" } });
    TbsSkinGauge gauge;
    gauge.resize(100, 20);
    gauge.SetValue(50);
    gauge.SetProgressAnimationPause(60);
    gauge.SetSkinData(skin->Data());
    EXPECT_EQ(PixelAt(GrabFace(gauge), 20, 10), kBarMiddle);

    const auto middleShows = [&gauge](QRgb rgb) {
        return QTest::qWaitFor([&] { return PixelAt(GrabFace(gauge), 20, 10) == rgb; }, 2000);
    };
    EXPECT_TRUE(middleShows(first));
    EXPECT_TRUE(middleShows(second));
    EXPECT_TRUE(middleShows(kBarMiddle)) << "the middle returns after the last frame";
    EXPECT_TRUE(middleShows(first)) << "and runs again after the next pause";
    EXPECT_EQ(PixelAt(GrabFace(gauge), 3, 10), kBarBegin) << "the caps stay";
}

TEST(SkinnedFaces, ButtonAnimationPlaysForwardOnEnterAndBackOnLeave)
{
    const QRgb first = Rgb(255, 128, 0);
    const QRgb second = Rgb(128, 0, 255);
    QImage picture = MakePicture();
    {
        QPainter painter(&picture);
        painter.fillRect(QRect(40, 95, 40, 20), QColor::fromRgb(first));
        painter.fillRect(QRect(80, 95, 40, 20), QColor::fromRgb(second));
    }
    auto skin = std::make_unique<SyntheticSkin>(picture,
        QList<SyntheticSkin::Control> { { "button", "button",
            "pictureindex=0\nskinrect=0,0,40,20\nlefttoppoint=4,10\nrighttoppoint=36,10\n"
            "clientrect=4,2,36,18\nactiveskinrect=40,0,80,20\nanimateskinrect=40,95,120,115\n"
            "framecount=2\nanimateinterval=40\n" } });
    TbsSkinButton button;
    button.resize(121, 20);
    button.SetSkinData(skin->Data());
    const auto shows = [&button](QRgb rgb) {
        return QTest::qWaitFor([&] { return PixelAt(GrabFace(button), 60, 1) == rgb; }, 2000);
    };

    SendEnter(button);
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 1), first) << "the first frame shows at once";
    EXPECT_TRUE(shows(second));
    EXPECT_TRUE(shows(kButtonActive)) << "the animation ends on the mouse-over face";

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 1), second) << "backwards from the last frame";
    EXPECT_TRUE(shows(first));
    EXPECT_TRUE(shows(kButtonMiddle));

    SendEnter(button);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(PixelAt(GrabFace(button), 60, 1), kButtonActive) << "a press stops the animation";
}

TEST(SkinnedFaces, ADefinitionOfAnotherKindLeavesTheFallbackFaceAndSize)
{
    auto skin = MakeSkin();
    TbsSkinButton button;
    button.SetSkinDataName(QStringLiteral("stdlabel"));
    button.resize(121, 25);
    button.SetDefaultWidth(90);
    button.SetSkinData(skin->Data());
    EXPECT_EQ(button.SkinIndex(), -1);
    EXPECT_EQ(button.size(), QSize(90, 25)) << "the default size applies";
    EXPECT_EQ(PixelAt(GrabFace(button), 45, 12), 0xD4D0C8u);

    TbsSkinPanel panel;
    panel.SetSkinDataName(QStringLiteral("button"));
    panel.resize(200, 50);
    panel.SetSkinData(skin->Data());
    EXPECT_EQ(panel.size(), QSize(200, 50));
    const QImage face = GrabFace(panel);
    EXPECT_EQ(PixelAt(face, 0, 0), 0x808080u);
    EXPECT_EQ(PixelAt(face, 100, 25), 0xD4D0C8u);
}

TEST(SkinnedFaces, BoxThatIsNotFlatComposesItsFaceAndBlendsOnHover)
{
    auto skin = std::make_unique<SyntheticSkin>(MakePicture(),
        QList<SyntheticSkin::Control> { { "checkbox", "checkradio",
            "pictureindex=0\nskinrect=0,0,40,20\nlefttoppoint=4,10\nrighttoppoint=36,10\n"
            "clientrect=4,2,36,18\nactiveskinrect=40,0,80,20\ncheckimagearea=2,2,17,17\n"
            "textarea=18,2,38,18\ncheckimagerect=0,30,15,45\nuncheckimagerect=15,30,30,45\n"
            "morphing=1\nmorphkind=mkdefault\n" } });
    QWidget window;
    TbsSkinCheckRadioBox box(&window);
    box.SetFlat(false);
    box.setGeometry(0, 0, 100, 25);
    box.SetSkinData(skin->Data());
    window.show();
    EXPECT_EQ(box.size(), QSize(100, 20)) << "the face's height";

    QImage face = GrabFace(box);
    EXPECT_EQ(PixelAt(face, 60, 1), kButtonMiddle);
    EXPECT_EQ(PixelAt(face, 5, 5), kUncheck) << "the image centred in its area";
    EXPECT_EQ(PixelAt(face, 2, 16), kButtonLeft) << "its transparent corner";

    SendEnter(box);
    const auto blended = [&] {
        const QRgb pixel = PixelAt(GrabFace(box), 60, 1);
        return pixel != kButtonMiddle && pixel != kButtonActive;
    };
    EXPECT_TRUE(QTest::qWaitFor(blended, 2000)) << "a blend of the two faces on the way";
    EXPECT_TRUE(QTest::qWaitFor([&] { return PixelAt(GrabFace(box), 60, 1) == kButtonActive; }, 2000));

    box.setEnabled(false);
    EXPECT_EQ(PixelAt(GrabFace(box), 60, 1), kButtonMiddle) << "disabling drops the hover";
}
