#include "skin/data/skin_data.h"
#include "skin/draw/screen_work_area.h"
#include "skin/frame/frame_animate_object.h"
#include "skin/frame/frame_object.h"
#include "skin/frame/skin_form.h"
#include "tests/skin/frame/frame_test_skin.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <cmath>

namespace {

using namespace frame_test;

// The stored skin's geometry whose close button morphs and with an animated
// button of three frames (the normal, hover and down faces side by side)
// that plays once.
SkinPackage PackageWithMotion()
{
    SkinPackage package = StoredGeometryPackage();
    QString text = StoredGeometryDefinition()
                       .replace("[closebutton]\n", "[closebutton]\nmorphing=1\n")
                       .replace("count=7\n", "count=8\n")
                       .replace("6=caption:caption\n", "6=caption:caption\n7=spinner:animate\n")
        + QStringLiteral("[spinner]\nactivepictureindex=0\nskinrectinapicture=1\nskinrect=0,0,21,21\n"
                         "countframes=3\ncycle=0\nbuttonstyle=1\ntimerinterval=10\n");
    package.definitionText = text.replace("\n", "\r\n").toLatin1();
    return package;
}

struct MovingFrame {
    std::unique_ptr<TbsSkinData> skin { LoadSkin(PackageWithMotion()) };
    QWidget form;
    TbsSkinForm* controller { new TbsSkinForm(&form) };

    MovingFrame()
    {
        controller->OnActivateCustomObject = [](const QString&, bool& visible) { visible = true; };
        controller->SetBorderIcons(biMinimize | biMaximize);
        controller->SetSkinData(skin.get());
        form.resize(600, 400);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    TbsActiveSkinObject& Object(const QString& name)
    {
        for (const auto& object : controller->Objects()) {
            if (object->IDName == name)
                return *object;
        }
        throw std::runtime_error("no object " + name.toStdString());
    }
    QRgb PixelAt(const QString& name)
    {
        return controller->RenderWindow().pixel(Object(name).ObjectRect.center()) & 0xFFFFFF;
    }
};

} // namespace

TEST(FrameObjectTimers, AMorphingButtonBlendsInFifthsToItsHoverFaceAndBack)
{
    MovingFrame frame;
    TbsActiveSkinObject& close = frame.Object(QStringLiteral("closebutton"));
    QTest::mouseMove(&frame.form, close.ObjectRect.center());
    ASSERT_TRUE(close.Active);

    ASSERT_TRUE(QTest::qWaitFor([&close] { return close.MorphKf > 0 && close.MorphKf < 1; }, 3000));
    // Each step is a fifth of the way; half way the face is neither end.
    EXPECT_NEAR(close.MorphKf * 5, std::round(close.MorphKf * 5), 1e-6);
    const QRgb between = frame.PixelAt(QStringLiteral("closebutton"));
    EXPECT_NE(between, kNormalFace);
    EXPECT_NE(between, kHoverFace);
    ASSERT_TRUE(QTest::qWaitFor([&close] { return close.MorphKf == 1; }, 3000));
    EXPECT_EQ(frame.PixelAt(QStringLiteral("closebutton")), kHoverFace);
    QTest::qWait(60);
    EXPECT_EQ(close.MorphKf, 1);

    // Onto the caption: the close button is left.
    QTest::mouseMove(&frame.form, QPoint(300, 12));
    EXPECT_FALSE(close.Active);
    ASSERT_TRUE(QTest::qWaitFor([&close] { return close.MorphKf == 0; }, 3000));
    EXPECT_EQ(frame.PixelAt(QStringLiteral("closebutton")), kNormalFace);

    // Without skin effects the face switches at once.
    frame.skin->SetEnableSkinEffects(false);
    QTest::mouseMove(&frame.form, close.ObjectRect.center());
    EXPECT_EQ(frame.PixelAt(QStringLiteral("closebutton")), kHoverFace);
}

TEST(FrameObjectTimers, AnAnimatedButtonPlaysItsFramesOnceOnEnterAndBackOnLeave)
{
    MovingFrame frame;
    auto& spinner = dynamic_cast<TbsSkinAnimateObject&>(frame.Object(QStringLiteral("spinner")));
    ASSERT_TRUE(spinner.Visible);
    EXPECT_EQ(spinner.Frame, 1);
    EXPECT_EQ(frame.PixelAt(QStringLiteral("spinner")), kNormalFace);

    QTest::mouseMove(&frame.form, spinner.ObjectRect.center());
    ASSERT_TRUE(QTest::qWaitFor([&spinner] { return spinner.Frame == 2; }, 3000));
    EXPECT_EQ(frame.PixelAt(QStringLiteral("spinner")), kHoverFace);
    // Without cycling it stops on its last frame.
    ASSERT_TRUE(QTest::qWaitFor([&spinner] { return spinner.Frame == 3 && !spinner.Active; }, 3000));
    EXPECT_EQ(frame.PixelAt(QStringLiteral("spinner")), kDownFace);
    QTest::qWait(100);
    EXPECT_EQ(spinner.Frame, 3);

    QTest::mouseMove(&frame.form, QPoint(300, 12));
    ASSERT_TRUE(QTest::qWaitFor([&spinner] { return spinner.Frame == 1 && !spinner.Active; }, 3000));
    EXPECT_EQ(frame.PixelAt(QStringLiteral("spinner")), kNormalFace);
    QTest::qWait(100);
    EXPECT_EQ(spinner.Frame, 1);
}

TEST(SecondaryFormMinimize, MinimizedFormsFillSlotsAlongTheWorkAreasBottomThenRowsAbove)
{
    QWidget main;
    main.show();
    std::vector<std::unique_ptr<QWidget>> dialogs;
    std::vector<TbsSkinForm*> controllers;
    for (int i = 0; i < 3; ++i) {
        dialogs.push_back(std::make_unique<QWidget>(nullptr, Qt::Dialog));
        controllers.push_back(new TbsSkinForm(dialogs.back().get()));
        dialogs.back()->setGeometry(100 + 10 * i, 100, 300, 200);
        dialogs.back()->show();
    }
    const QRect area = WindowWorkArea(dialogs[0]->geometry());
    ASSERT_FALSE(area.isEmpty());
    // The default frame: 120 wide and its caption plus borders high.
    const int width = controllers[0]->GetMinWidth();
    const int height = controllers[0]->GetMinHeight();
    const int bottomRow = area.top() + area.height() - height;

    controllers[0]->SetSkinWindowState(TbsWindowState::wsMinimized);
    controllers[1]->SetSkinWindowState(TbsWindowState::wsMinimized);
    EXPECT_EQ(dialogs[0]->geometry(), QRect(area.left(), bottomRow, width, height));
    EXPECT_EQ(dialogs[1]->geometry(), QRect(area.left() + width, bottomRow, width, height));

    // A slot given back by a restore is taken again first.
    controllers[0]->SetSkinWindowState(TbsWindowState::wsNormal);
    EXPECT_EQ(dialogs[0]->geometry(), QRect(100, 100, 300, 200));
    controllers[2]->SetSkinWindowState(TbsWindowState::wsMinimized);
    EXPECT_EQ(dialogs[2]->pos(), QPoint(area.left(), bottomRow));

    // Forms so wide that one fits a row stack upwards.
    for (TbsSkinForm* controller : controllers)
        controller->SetSkinWindowState(TbsWindowState::wsNormal);
    for (TbsSkinForm* controller : controllers)
        controller->SetMinWidth(area.width() / 2 + 1);
    for (TbsSkinForm* controller : controllers)
        controller->SetSkinWindowState(TbsWindowState::wsMinimized);
    EXPECT_EQ(dialogs[0]->pos(), QPoint(area.left(), bottomRow));
    EXPECT_EQ(dialogs[1]->pos(), QPoint(area.left(), bottomRow - height));
    EXPECT_EQ(dialogs[2]->pos(), QPoint(area.left(), bottomRow - 2 * height));
}
