#include "skin/draw/system_colors.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_object.h"
#include "skin/frame/skin_form.h"
#include "skin/hints/skin_hint_window.h"
#include "tests/skin/frame/frame_test_skin.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using namespace frame_test;

// A form with its controller and a skin of the stored skin's geometry, sized
// like the main window and active.
struct FramedForm {
    explicit FramedForm(const SkinPackage& package = StoredGeometryPackage())
        : skin(LoadSkin(package))
    {
        controller->SetBorderIcons(biMinimize | biMaximize);
        controller->SetSkinData(skin.get());
        controller->SetFormClientSize(QSize(745, 528));
        form.move(20, 20);
        form.show();
    }

    void ShowActive()
    {
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    const TbsActiveSkinObject& Object(const QString& name) const
    {
        for (const auto& object : controller->Objects()) {
            if (object->IDName == name)
                return *object;
        }
        throw std::runtime_error("no object " + name.toStdString());
    }

    QPoint Centre(const QString& name) const { return Object(name).ObjectRect.center(); }
    QRgb PixelOf(const QString& name) { return controller->RenderWindow().pixel(Centre(name)) & 0xFFFFFF; }

    std::unique_ptr<TbsSkinData> skin;
    QWidget form;
    TbsSkinForm* controller { new TbsSkinForm(&form) };
};

QRect MaximizedArea()
{
    // The offscreen screen's work area is the whole primary screen, so a
    // maximized window keeps one pixel free on every side.
    return QGuiApplication::primaryScreen()->geometry().adjusted(1, 1, -1, -1);
}

TEST(SkinFormFrame, ClientInsetByTheFrameAndTheButtonRowAtTwoWidths)
{
    FramedForm framed;
    EXPECT_EQ(framed.form.size(), QSize(753, 559));
    EXPECT_EQ(framed.controller->ClientArea()->geometry(), QRect(4, 27, 745, 528));
    EXPECT_TRUE(framed.form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(framed.controller->GetMinWidth(), 200);
    EXPECT_EQ(framed.controller->GetMinHeight(), 31);

    for (const int width : { 753, 420 }) {
        framed.form.resize(width, 300);
        const int W = width;
        EXPECT_EQ(framed.Object("closebutton").ObjectRect, (SkinRect { W - 24, 5, W - 3, 26 }.ToQRect())) << W;
        EXPECT_EQ(framed.Object("maxbutton").ObjectRect, (SkinRect { W - 47, 5, W - 26, 26 }.ToQRect())) << W;
        EXPECT_EQ(framed.Object("minbutton").ObjectRect, (SkinRect { W - 70, 5, W - 49, 26 }.ToQRect())) << W;
        EXPECT_EQ(framed.Object("caption").ObjectRect, (SkinRect { 5, 4, W - 70, 24 }.ToQRect())) << W;
        EXPECT_FALSE(framed.Object("rollupbutton").Visible);
        EXPECT_FALSE(framed.Object("traybutton").Visible);
        EXPECT_FALSE(framed.Object("sysmenubutton").Visible);
    }
    framed.form.resize(50, 10);
    EXPECT_EQ(framed.form.size(), QSize(200, 31)) << "the size limits hold";
}

TEST(SkinFormFrame, StripsTileTheirMiddlePiecesFromTheirOwnOriginAndCornersStay)
{
    const QString forminfo = QStringLiteral("lefttoppoint=4,3\nrighttoppoint=7,3\nleftbottompoint=4,8\n"
                                            "rightbottompoint=7,8\nclientrect=2,3,10,8\n");
    const auto package = [&](const QString& extra) {
        SkinPackage skin;
        skin.picture = PositionPicture(12, 10);
        skin.definitionText = QStringLiteral("[VERSION]\nskinname=strips\n[PICTURES]\npicture=f.bmp\n"
                                             "activepicturescount=0\n[FORMINFO]\n%1%2[SKINOBJECTS]\ncount=0\n")
                                  .arg(forminfo, extra)
                                  .replace("\n", "\r\n")
                                  .toLatin1();
        return skin;
    };
    const auto at = [](const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };
    const auto picture = [](int x, int y) { return qRgb(x, y, 77) & 0xFFFFFF; };

    FramedForm tiled(package(QString()));
    tiled.form.resize(20, 14);
    QImage window = tiled.controller->RenderWindow();
    EXPECT_EQ(at(window, 1, 1), picture(1, 1)) << "left corner";
    EXPECT_EQ(at(window, 9, 1), picture(4, 1)) << "tiles of 3 start at x 0: x 9 begins one";
    EXPECT_EQ(at(window, 14, 1), picture(6, 1));
    EXPECT_EQ(at(window, 16, 2), picture(8, 2)) << "right corner from x 15";
    EXPECT_EQ(at(window, 9, 13), picture(4, 9)) << "bottom strip";
    EXPECT_EQ(at(window, 1, 10), picture(1, 5)) << "left strip: 5-row piece tiled from its top";
    EXPECT_EQ(at(window, 19, 4), picture(11, 4)) << "right strip";
    EXPECT_EQ(at(window, 2, 3), picture(2, 3)) << "client background from the client part";

    FramedForm stretched(package(QStringLiteral("topstretch=1\n")));
    stretched.form.resize(20, 14);
    window = stretched.controller->RenderWindow();
    EXPECT_EQ(at(window, 4, 0), picture(4, 0)) << "3 pixels stretched over x 4 .. 15";
    EXPECT_EQ(at(window, 9, 0), picture(5, 0));
    EXPECT_EQ(at(window, 14, 0), picture(6, 0));
    EXPECT_EQ(at(window, 15, 0), picture(7, 0)) << "right corner drawn after the stretch";
}

TEST(SkinFormFrame, MaskCutsTheCornersOfTheWindowShape)
{
    FramedForm framed;
    framed.form.resize(400, 300);
    const QRegion shape = framed.form.mask();
    for (const QPoint outside : { QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(399, 0), QPoint(398, 0) }) {
        EXPECT_FALSE(shape.contains(outside)) << outside.x() << "," << outside.y();
        EXPECT_FALSE(framed.controller->PointInFrameShape(outside)) << outside.x() << "," << outside.y();
    }
    for (const QPoint inside : { QPoint(2, 0), QPoint(200, 1), QPoint(0, 150), QPoint(399, 299), QPoint(200, 150) }) {
        EXPECT_TRUE(shape.contains(inside)) << inside.x() << "," << inside.y();
        EXPECT_TRUE(framed.controller->PointInFrameShape(inside)) << inside.x() << "," << inside.y();
    }
    EXPECT_EQ(framed.controller->RenderWindow().pixel(0, 0), 0u) << "outside the shape is transparent";
}

TEST(SkinFormFrame, MaskOfAnotherSizeLeavesARectangularWindow)
{
    SkinPackage package = StoredGeometryPackage();
    package.mask = Mask(40, 40, { { 0, 0 } });
    FramedForm framed(package);
    framed.form.resize(400, 300);
    EXPECT_TRUE(framed.form.mask().isEmpty());
    EXPECT_TRUE(framed.controller->PointInFrameShape({ 0, 0 }));
}

TEST(SkinFormFrame, CaptionButtonFacesFollowTheMouseAndOnlyAReleaseOverItRunsTheCommand)
{
    FramedForm framed;
    framed.ShowActive();
    const QPoint close = framed.Centre(QStringLiteral("closebutton"));
    const QPoint caption(300, 12);
    EXPECT_EQ(framed.PixelOf(QStringLiteral("closebutton")), kNormalFace);

    QTest::mouseMove(&framed.form, close);
    EXPECT_EQ(framed.PixelOf(QStringLiteral("closebutton")), kHoverFace);
    QTest::mousePress(&framed.form, Qt::LeftButton, {}, close);
    EXPECT_EQ(framed.PixelOf(QStringLiteral("closebutton")), kDownFace);
    QTest::mouseMove(&framed.form, caption);
    EXPECT_EQ(framed.PixelOf(QStringLiteral("closebutton")), kNormalFace) << "left while pressed";
    QTest::mouseMove(&framed.form, close);
    EXPECT_EQ(framed.PixelOf(QStringLiteral("closebutton")), kDownFace) << "back over it, still pressed";
    QTest::mouseMove(&framed.form, caption);
    QTest::mouseRelease(&framed.form, Qt::LeftButton, {}, caption);
    QCoreApplication::processEvents();
    EXPECT_TRUE(framed.form.isVisible()) << "released elsewhere: no command";

    QTest::mouseMove(&framed.form, close);
    QTest::mousePress(&framed.form, Qt::LeftButton, {}, close);
    QTest::mouseRelease(&framed.form, Qt::LeftButton, {}, close);
    QCoreApplication::processEvents();
    EXPECT_FALSE(framed.form.isVisible()) << "released over it: the form closes";
}

TEST(SkinFormFrame, CaptionButtonHintShowsInTheSkinHintBelowTheButtonWithShowObjectHint)
{
    FramedForm framed;
    TbsSkinHint hint(&framed.form);
    hint.SetSkinData(framed.skin.get());
    framed.controller->SetSkinHint(&hint);
    framed.ShowActive();
    const QPoint close = framed.Centre(QStringLiteral("closebutton"));
    const QPoint caption(300, 12);
    QTest::mouseMove(&framed.form, close);
    EXPECT_FALSE(hint.HintVisible()) << "ShowObjectHint is off";

    QTest::mouseMove(&framed.form, caption);
    framed.controller->SetShowObjectHint(true);
    QTest::mouseMove(&framed.form, close);
    ASSERT_TRUE(hint.HintVisible());
    EXPECT_EQ(hint.HintText(), QStringLiteral("Close"));
    const QRect button = framed.Object(QStringLiteral("closebutton")).ObjectRect;
    EXPECT_EQ(hint.HintWindow()->geometry().top(), framed.form.mapToGlobal(button.bottomLeft()).y() + 2);
    QTest::mouseMove(&framed.form, caption);
    EXPECT_FALSE(hint.HintVisible()) << "left with the mouse";

    QTest::mouseMove(&framed.form, close);
    ASSERT_TRUE(hint.HintVisible());
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(hint.HintVisible()) << "the window went inactive";
}

TEST(SkinFormFrame, InactiveWindowShowsInactiveFacesAndNothingBecomesHot)
{
    FramedForm framed;
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(framed.PixelOf(QStringLiteral("closebutton")), kInactiveFace);
    QTest::mouseMove(&framed.form, framed.Centre(QStringLiteral("closebutton")));
    EXPECT_EQ(framed.controller->HotObject(), -1);
}

TEST(SkinFormFrame, AButtonUnderTheMouseAsTheWindowWentInactiveTakesNoLaterPressAndLightsAndRunsOnceActiveAgain)
{
    FramedForm framed;
    framed.ShowActive();
    QCoreApplication::processEvents();
    const QPoint close = framed.Centre(QStringLiteral("closebutton"));
    const QPoint caption(300, 12);
    QTest::mouseMove(&framed.form, caption);
    QTest::mouseMove(&framed.form, close);
    ASSERT_EQ(framed.PixelOf(QStringLiteral("closebutton")), kHoverFace);
    {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        EXPECT_EQ(framed.controller->HotObject(), -1);
        QTest::mousePress(&framed.form, Qt::LeftButton, {}, caption);
        QTest::mouseRelease(&framed.form, Qt::LeftButton, {}, caption);
    }
    QTest::mouseMove(&framed.form, caption);
    framed.ShowActive();
    QCoreApplication::processEvents();
    QTest::mouseMove(&framed.form, close);
    EXPECT_EQ(framed.PixelOf(QStringLiteral("closebutton")), kHoverFace);
    QTest::mousePress(&framed.form, Qt::LeftButton, {}, close);
    QTest::mouseRelease(&framed.form, Qt::LeftButton, {}, close);
    QCoreApplication::processEvents();
    EXPECT_FALSE(framed.form.isVisible()) << "a click on it closes the form";
}

TEST(SkinFormFrame, AButtonTheSkinDrawsOverTheCaptionTakesItsPressAndReleaseAndDoesNotMoveTheWindow)
{
    SkinPackage package = StoredGeometryPackage();
    const QString text = StoredGeometryDefinition()
                             .replace("count=7\n", "count=8\n")
                             .replace("6=caption:caption\n", "6=pin:button\n7=caption:caption\n")
        + QStringLiteral("[pin]\nskinrect=100,4,121,24\nactivepictureindex=0\nactiveskinrect=21,0,42,20\n"
                         "downrect=42,0,63,20\n");
    package.definitionText = QString(text).replace("\n", "\r\n").toLatin1();
    FramedForm framed(package);
    framed.ShowActive();
    QCoreApplication::processEvents();
    const QPoint pin = framed.Centre(QStringLiteral("pin"));
    ASSERT_TRUE(framed.Object(QStringLiteral("caption")).ObjectRect.contains(pin));
    QStringList released;
    QObject::connect(framed.controller, &TbsSkinForm::OnMouseUpEvent,
        [&](const QString& idName, int, int, const QRect&, int) { released << idName; });
    const QPoint place = framed.form.pos();

    QTest::mouseMove(&framed.form, QPoint(60, 12));
    QTest::mouseMove(&framed.form, pin);
    QTest::mousePress(&framed.form, Qt::LeftButton, {}, pin);
    EXPECT_EQ(framed.PixelOf(QStringLiteral("pin")), kDownFace);
    QTest::mouseMove(&framed.form, pin + QPoint(30, 0), 0);
    QTest::mouseRelease(&framed.form, Qt::LeftButton, {}, pin + QPoint(30, 0));
    EXPECT_EQ(framed.form.pos(), place) << "a drag from the button moves nothing";
    QTest::mouseMove(&framed.form, pin);
    QTest::mousePress(&framed.form, Qt::LeftButton, {}, pin);
    QTest::mouseRelease(&framed.form, Qt::LeftButton, {}, pin);
    EXPECT_EQ(released, QStringList({ QStringLiteral("pin") })) << "only the release over it";
    EXPECT_EQ(framed.PixelOf(QStringLiteral("pin")), kHoverFace) << "up again, under the mouse";
}

TEST(SkinFormFrame, AWindowIsNeverNarrowerThanItsFramesTwoSidesWhateverTheSkinsMinimumWidth)
{
    SkinPackage package = StoredGeometryPackage();
    package.definitionText
        = StoredGeometryDefinition().replace("formminwidth=200", "formminwidth=1").replace("\n", "\r\n").toLatin1();
    FramedForm framed(package);
    // The client rectangle 4..281 of the 285 wide picture leaves four
    // pixels on each side.
    framed.form.resize(1, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(framed.form.width(), 8);
    framed.controller->SetSkinWindowState(TbsWindowState::wsMinimized);
    QCoreApplication::processEvents();
    framed.form.resize(1, framed.form.height());
    EXPECT_EQ(framed.form.width(), 8) << "minimized";

    // The default frame's sides are 3 pixels each, whatever width is asked.
    framed.controller->SetSkinData(nullptr);
    framed.controller->SetSkinWindowState(TbsWindowState::wsNormal);
    framed.controller->SetMinWidth(3);
    framed.form.resize(1, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(framed.form.width(), 6) << "default frame";
}

TEST(SkinFormFrame, CaptionDoubleClickMaximizesToTheWorkAreaAndRestores)
{
    FramedForm framed;
    framed.ShowActive();
    const QRect before = framed.form.geometry();
    QTest::mouseDClick(&framed.form, Qt::LeftButton, {}, QPoint(300, 12));
    EXPECT_EQ(framed.controller->SkinWindowState(), TbsWindowState::wsMaximized);
    EXPECT_EQ(framed.form.geometry(), MaximizedArea());
    EXPECT_EQ(framed.PixelOf(QStringLiteral("maxbutton")), kRestoreFace);
    EXPECT_EQ(framed.controller->ClientArea()->geometry(),
        QRect(4, 27, MaximizedArea().width() - 8, MaximizedArea().height() - 31));

    TbsSkinForm::SetForceOwnMoveSizeLoop(true);
    QTest::mousePress(&framed.form, Qt::LeftButton, {}, QPoint(300, 12));
    QTest::mouseMove(&framed.form, QPoint(340, 42));
    QTest::mouseRelease(&framed.form, Qt::LeftButton, {}, QPoint(340, 42));
    TbsSkinForm::SetForceOwnMoveSizeLoop(false);
    EXPECT_EQ(framed.form.geometry(), MaximizedArea()) << "a maximized window is not dragged";

    QTest::mouseDClick(&framed.form, Qt::LeftButton, {}, QPoint(300, 12));
    EXPECT_EQ(framed.controller->SkinWindowState(), TbsWindowState::wsNormal);
    EXPECT_EQ(framed.form.geometry(), before);
    EXPECT_EQ(framed.PixelOf(QStringLiteral("maxbutton")), kNormalFace);
}

TEST(SkinFormFrame, OwnLoopMovesByTheCaptionAndSizesByTheCorner)
{
    FramedForm framed;
    framed.form.resize(400, 300);
    framed.ShowActive();
    TbsSkinForm::SetForceOwnMoveSizeLoop(true);
    const QPoint start = framed.form.pos();
    QTest::mousePress(&framed.form, Qt::LeftButton, {}, QPoint(150, 12));
    QTest::mouseMove(&framed.form, QPoint(180, 32));
    QTest::mouseRelease(&framed.form, Qt::LeftButton, {}, QPoint(150, 12));
    EXPECT_EQ(framed.form.pos(), start + QPoint(30, 20));

    QTest::mousePress(&framed.form, Qt::LeftButton, {}, QPoint(399, 299));
    QTest::mouseMove(&framed.form, QPoint(439, 329));
    QTest::mouseRelease(&framed.form, Qt::LeftButton, {}, QPoint(439, 329));
    EXPECT_EQ(framed.form.size(), QSize(440, 330));
    EXPECT_EQ(framed.controller->ClientArea()->size(), QSize(432, 299));
    EXPECT_EQ(framed.Object("closebutton").ObjectRect.right(), 437 - 1) << "the buttons follow the new width";
    TbsSkinForm::SetForceOwnMoveSizeLoop(false);
}

TEST(SkinFormFrame, MagneticWindowSnapsToTheWorkAreaEdgeWhileMoving)
{
    FramedForm framed;
    framed.form.setGeometry(100, 100, 400, 300);
    framed.ShowActive();
    framed.controller->SetMagnetic(true);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    TbsSkinForm::SetForceOwnMoveSizeLoop(true);
    const auto moveTo = [&](int globalX) {
        QTest::mouseMove(&framed.form, QPoint(globalX - framed.form.x(), 12));
    };
    QTest::mousePress(&framed.form, Qt::LeftButton, {}, QPoint(150, 12));
    moveTo(area.left() + 153);
    EXPECT_EQ(framed.form.x(), area.left()) << "3 pixels from the edge: snapped onto it";
    moveTo(area.left() + 156);
    EXPECT_EQ(framed.form.x(), area.left()) << "the cursor moved 3 pixels, no more than the magnetic size";
    moveTo(area.left() + 170);
    EXPECT_EQ(framed.form.x(), area.left() + 20) << "away from the edge the window follows the cursor";
    QTest::mouseRelease(&framed.form, Qt::LeftButton, {}, QPoint(150, 12));
    TbsSkinForm::SetForceOwnMoveSizeLoop(false);
}

TEST(SkinFormFrame, OpacityAndFadeIn)
{
    FramedForm framed;
    framed.controller->SetAlphaBlendValue(200);
    framed.controller->SetAlphaBlend(true);
    EXPECT_NEAR(framed.form.windowOpacity(), 200 / 255.0, 0.01);
    framed.form.hide();
    framed.controller->SetAlphaBlendAnimation(true);
    framed.form.show();
    const auto faded = [&framed] { return qAbs(framed.form.windowOpacity() - 200 / 255.0) < 0.01; };
    EXPECT_TRUE(QTest::qWaitFor(faded, 2000)) << "the fade ends at the window's opacity";
}

TEST(SkinFormFrame, FixedSizeFormRollsUpOnACaptionDoubleClick)
{
    FramedForm framed;
    framed.controller->SetFormBorderStyle(TFormBorderStyle::bsSingle);
    framed.controller->SetBorderIcons(biRollUp);
    framed.form.resize(400, 300);
    framed.ShowActive();
    QTest::mouseDClick(&framed.form, Qt::LeftButton, {}, QPoint(150, 12));
    EXPECT_TRUE(framed.controller->RolledUp());
    EXPECT_EQ(framed.form.height(), 31);
    EXPECT_FALSE(framed.controller->ClientArea()->isVisible());
    QTest::mouseDClick(&framed.form, Qt::LeftButton, {}, QPoint(150, 12));
    EXPECT_FALSE(framed.controller->RolledUp());
    EXPECT_EQ(framed.form.size(), QSize(400, 300));
    EXPECT_TRUE(framed.controller->ClientArea()->isVisible());
}

TEST(SkinFormFrame, SkinnableFrameOffGivesTheSystemFrameBackAndAMaximizedFormStaysMaximized)
{
    FramedForm framed;
    framed.ShowActive();
    framed.controller->SetSkinWindowState(TbsWindowState::wsMaximized);

    framed.skin->SetSkinnableForm(false);
    EXPECT_FALSE(framed.controller->SkinnableFrame());
    EXPECT_FALSE(framed.form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(framed.form.mask().isEmpty());
    EXPECT_TRUE(framed.form.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(framed.controller->ClientArea()->geometry(), framed.form.rect());
    EXPECT_TRUE(framed.controller->Skinned()) << "the client background stays skinned";

    framed.skin->SetSkinnableForm(true);
    EXPECT_TRUE(framed.controller->SkinnableFrame());
    EXPECT_TRUE(framed.form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(framed.controller->SkinWindowState(), TbsWindowState::wsMaximized);
    EXPECT_EQ(framed.form.geometry(), MaximizedArea());
    EXPECT_EQ(framed.controller->ClientArea()->geometry().topLeft(), QPoint(4, 27));
}

TEST(SkinFormFrame, SkinChangeWhileMaximizedKeepsTheWindowMaximized)
{
    FramedForm framed;
    framed.ShowActive();
    framed.controller->SetSkinWindowState(TbsWindowState::wsMaximized);
    const auto other = StoredSkinFromPackageBytes(WriteSkinPackage(StoredGeometryPackage(QStringLiteral("borderwidth=5\n"))));
    framed.skin->SetCompressedStoredSkin(other.get());
    EXPECT_TRUE(framed.controller->Skinned());
    EXPECT_EQ(framed.controller->SkinWindowState(), TbsWindowState::wsMaximized);
    EXPECT_EQ(framed.form.geometry(), MaximizedArea());
    EXPECT_EQ(framed.PixelOf(QStringLiteral("maxbutton")), kRestoreFace);
}

TEST(SkinFormFrame, TheDefaultFrameAfterASkinKeepsNoSkinGeometry)
{
    FramedForm framed;
    ASSERT_FALSE(framed.controller->Geometry().nCaption.isEmpty());
    framed.controller->SetSkinData(nullptr);
    EXPECT_TRUE(framed.controller->Geometry().nCaption.isEmpty());
    EXPECT_TRUE(framed.controller->Geometry().nClient.isEmpty());
}

TEST(SkinFormFrame, WithoutASkinTheDefaultFrameAndItsButtons)
{
    QWidget form;
    auto* controller = new TbsSkinForm(&form);
    controller->SetBorderIcons(biMinimize | biMaximize);
    form.resize(300, 200);
    form.show();
    EXPECT_EQ(controller->FrameMargins(), QMargins(3, 22, 3, 3));
    EXPECT_EQ(controller->ClientArea()->geometry().topLeft(), QPoint(3, 22));
    EXPECT_EQ(controller->GetMinWidth(), 120);
    EXPECT_EQ(controller->GetMinHeight(), 25);
    QRect close;
    for (const auto& object : controller->Objects()) {
        if (object->IDName == QStringLiteral("closebutton"))
            close = object->ObjectRect;
    }
    EXPECT_EQ(close, QRect(280, 4, 17, 17));
    const QImage window = controller->RenderWindow();
    EXPECT_EQ(window.pixel(0, 100) & 0xFFFFFF, SkinColorToRgb(cl3DLight) & 0xFFFFFF) << "outer left edge";
}

} // namespace
