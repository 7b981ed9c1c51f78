#include "gui_application.h"
#include "skin/draw/screen_work_area.h"

#include <QScreen>
#include <gtest/gtest.h>

TEST(WindowWorkArea, AWindowAnywhereGetsItsNearestScreen)
{
    EnsureGuiApplication();
    QScreen const* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    QRect const screen = primary->geometry();
    // On the screen, far off to the left, and far below: the one screen is nearest.
    for (QRect window : { QRect(screen.center(), QSize(200, 100)), QRect(-5000, 10, 300, 200),
             QRect(10, screen.bottom() + 4000, 300, 200) }) {
        EXPECT_EQ(WindowWorkArea(window), primary->availableGeometry());
        EXPECT_EQ(WindowWorkArea(window, true), screen);
    }
}
