#include "gui_application.h"
#include "skin/draw/screen_work_area.h"

#include <QScreen>
#include <gtest/gtest.h>

// A window whose centre lies on no screen (dragged off, or left over from a
// monitor that is gone) still gets the nearest screen's area, never nothing.
TEST(WindowWorkArea, WindowsOffEveryScreenGetTheNearestOne)
{
    EnsureGuiApplication();
    QScreen const* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    QRect const screen = primary->geometry();
    for (QRect window : { QRect(screen.center(), QSize(200, 100)), QRect(-5000, 10, 300, 200),
             QRect(10, screen.bottom() + 4000, 300, 200) }) {
        EXPECT_EQ(WindowWorkArea(window), primary->availableGeometry());
        EXPECT_EQ(WindowWorkArea(window, true), screen);
    }
}
