// The window states on a plain window, with a host of the test's making in
// place of the form controller.
#include "skin/frame/tray_icon.h"
#include "skin/frame/window_state_controller.h"
#include "skin/frame/window_tray.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int kCaptionHeight = 30;
constexpr int kMinimumWidth = 120;

// Records the reported state changes; a rolled-up or minimized window is
// kCaptionHeight high.
class RecordingHost : public TbsWindowStateHost {
public:
    bool FrameTakenOver() const override { return true; }
    TbsBorderIcons BorderIcons() const override { return icons; }
    QSize MinimumSize() const override { return QSize(kMinimumWidth, kCaptionHeight); }
    void ApplySizeLimits() override { }
    bool ApplyRequestedClientHeight() override
    {
        if (!requestedHeight)
            return false;
        window->resize(window->width(), requestedHeight);
        return true;
    }
    void LayoutClientArea() override { }
    bool IsMinimizedFrame(const QWidget& other) const override { return minimizedFrame && minimizedFrame(other); }
    void Minimized() override { events << QStringLiteral("minimized"); }
    void Maximized() override { events << QStringLiteral("maximized"); }
    void Restored() override { events << QStringLiteral("restored"); }
    void RollUpChanged() override { events << QStringLiteral("roll-up"); }
    void MinimizedToTray() override { events << QStringLiteral("to tray"); }
    void RestoredFromTray() override { events << QStringLiteral("from tray"); }

    QWidget* window { nullptr };
    TbsBorderIcons icons { biSystemMenu | biMinimize | biMaximize | biRollUp };
    int requestedHeight { 0 };
    std::function<bool(const QWidget&)> minimizedFrame;
    QStringList events;
};

// A frameless window of its own (a dialog unless told otherwise), as a
// skinned form is, and its controller, past its first show.
struct StatefulWindow {
    QWidget window;
    RecordingHost host;
    TbsWindowStateController states { window, host };

    explicit StatefulWindow(const QRect& bounds, Qt::WindowType type = Qt::Dialog)
        : window(nullptr, type | Qt::FramelessWindowHint)
    {
        host.window = &window;
        window.setGeometry(bounds);
        states.Shown();
    }
};

// The maximized bounds on a screen with no panels: an edge pixel stays free
// for a task bar that hides itself.
QRect MaximizedBounds()
{
    return QGuiApplication::primaryScreen()->geometry().adjusted(1, 1, -1, -1);
}

} // namespace

TEST(WindowStateController, MaximizeAndRestoreGiveBackTheExactBoundsAndRollUpsKeepTheirOwner)
{
    const QRect bounds(100, 120, 300, 200);
    StatefulWindow w(bounds);

    w.states.SetState(TbsWindowState::wsMaximized);
    EXPECT_EQ(w.window.geometry(), MaximizedBounds());
    EXPECT_EQ(w.states.RestoreBounds(), bounds);
    w.states.SetState(TbsWindowState::wsMaximized);
    w.states.SetState(TbsWindowState::wsNormal);
    EXPECT_EQ(w.window.geometry(), bounds);
    EXPECT_TRUE(w.states.RestoreBounds().isEmpty());
    EXPECT_EQ(w.host.events, (QStringList { "maximized", "restored" })) << "a state already in force is not reported";

    // Rolled up while maximized: the restore rolls the window down again.
    w.host.events.clear();
    w.states.SetState(TbsWindowState::wsMaximized);
    w.states.SetRolledUp(true);
    EXPECT_TRUE(w.states.RolledUpWhileMaximized());
    EXPECT_EQ(w.window.geometry(), QRect(MaximizedBounds().topLeft(), QSize(MaximizedBounds().width(), kCaptionHeight)));
    w.states.SetState(TbsWindowState::wsNormal);
    EXPECT_FALSE(w.states.RolledUp());
    EXPECT_EQ(w.window.geometry(), bounds);
    EXPECT_EQ(w.host.events, (QStringList { "maximized", "roll-up", "roll-up", "restored" }));

    // Rolled up before: maximized it keeps its caption height, cannot be
    // rolled down there, and comes back rolled up.
    w.states.SetRolledUp(true);
    w.states.SetState(TbsWindowState::wsMaximized);
    EXPECT_EQ(w.window.height(), kCaptionHeight);
    w.states.SetRolledUp(false);
    EXPECT_TRUE(w.states.RolledUp());
    w.states.SetState(TbsWindowState::wsNormal);
    EXPECT_TRUE(w.states.RolledUp());
    EXPECT_EQ(w.window.geometry(), QRect(bounds.topLeft(), QSize(bounds.width(), kCaptionHeight)));
}

TEST(WindowStateController, RollUpKeepsTheCaptionAndRollDownGivesBackTheHeightUnlessForbidden)
{
    const QRect bounds(50, 60, 320, 240);
    StatefulWindow w(bounds);

    w.states.SetRolledUp(true);
    EXPECT_EQ(w.window.geometry(), QRect(bounds.topLeft(), QSize(bounds.width(), kCaptionHeight)));
    w.states.SetRolledUp(false);
    EXPECT_EQ(w.window.geometry(), bounds);
    // A window that asks for a client height of its own gets that instead.
    w.host.requestedHeight = 180;
    w.states.SetRolledUp(true);
    w.states.SetRolledUp(false);
    EXPECT_EQ(w.window.height(), 180);
    EXPECT_EQ(w.host.events, (QStringList { "roll-up", "roll-up", "roll-up", "roll-up" }));

    // Refused without the roll-up button, and while minimized.
    w.host.events.clear();
    w.host.icons = biSystemMenu | biMinimize | biMaximize;
    w.states.SetRolledUp(true);
    w.host.icons |= biRollUp;
    w.states.SetState(TbsWindowState::wsMinimized);
    w.states.SetRolledUp(true);
    EXPECT_FALSE(w.states.RolledUp());
    EXPECT_EQ(w.host.events, (QStringList { "minimized" }));
}

TEST(WindowStateController, MinimizedWindowsTakeCaptionSlotsAlongTheBottomAndComeBack)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    StatefulWindow first(QRect(200, 200, 300, 200));
    StatefulWindow second(QRect(260, 240, 300, 200));
    const auto minimized = [&](const QWidget& other) {
        return &other == &first.window ? first.states.State() == TbsWindowState::wsMinimized
                                       : second.states.State() == TbsWindowState::wsMinimized;
    };
    first.host.minimizedFrame = second.host.minimizedFrame = minimized;
    first.window.show();
    second.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second.window));

    first.states.SetState(TbsWindowState::wsMinimized);
    second.states.SetState(TbsWindowState::wsMinimized);
    const int slotTop = area.bottom() + 1 - kCaptionHeight;
    EXPECT_EQ(first.window.geometry(), QRect(area.left(), slotTop, kMinimumWidth, kCaptionHeight));
    EXPECT_EQ(second.window.geometry(), QRect(area.left() + kMinimumWidth, slotTop, kMinimumWidth, kCaptionHeight));
    EXPECT_FALSE(first.window.isMinimized()) << "a secondary window stays on screen";

    second.states.SetState(TbsWindowState::wsNormal);
    EXPECT_EQ(second.window.geometry(), QRect(260, 240, 300, 200));
    EXPECT_EQ(second.host.events, (QStringList { "minimized", "restored" }));

    // The main window is minimized by the window system and keeps its state.
    StatefulWindow main(QRect(100, 100, 300, 200), Qt::Window);
    main.window.show();
    main.states.SetState(TbsWindowState::wsMinimized);
    EXPECT_TRUE(main.window.isMinimized());
    EXPECT_EQ(main.states.State(), TbsWindowState::wsNormal);
    EXPECT_EQ(main.host.events, (QStringList { "minimized" }));
}

TEST(WindowStateController, TheTrayHidesTheWindowAndAClickBringsItBackInOrder)
{
    StatefulWindow w(QRect(100, 100, 300, 200), Qt::Window);
    TbsWindowTray windowTray(w.window, w.states, w.host);
    TbsTrayIcon tray;
    w.window.show();
    TbsTrayIcon::SetAvailableOverride(true);
    windowTray.SetTrayIcon(&tray);
    windowTray.MinimizeToTray();
    EXPECT_TRUE(w.window.isHidden());
    EXPECT_TRUE(tray.IconVisible());
    emit tray.OnClick();
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_FALSE(tray.IconVisible());

    // A desktop without a tray minimizes the window the ordinary way.
    TbsTrayIcon::SetAvailableOverride(false);
    windowTray.MinimizeToTray();
    EXPECT_TRUE(w.window.isMinimized());
    TbsTrayIcon::SetAvailableOverride(std::nullopt);
    EXPECT_EQ(w.host.events, (QStringList { "to tray", "from tray", "minimized" }));
}

TEST(WindowStateController, TheFirstShowPlacesTheWindowAndABlendFadesItIn)
{
    QWidget window(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    RecordingHost host;
    TbsWindowStateController states(window, host);
    window.setGeometry(10, 10, 200, 100);
    states.SetPositionInMonitor(TbsPositionInMonitor::bspScreenCenter);
    states.SetAlphaBlend(true);
    states.SetAlphaBlendValue(102);

    states.Shown();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.pos(), QPoint(screen.left() + screen.width() / 2 - 100, screen.top() + screen.height() / 2 - 50));
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 0.0);
    // The fade runs on a timer, which a busy machine may hold back.
    EXPECT_TRUE(QTest::qWaitFor([&window] { return qFuzzyCompare(window.windowOpacity(), 0.4); }, 5000))
        << window.windowOpacity();

    // Only the first show places it.
    window.move(30, 40);
    states.Shown();
    EXPECT_EQ(window.pos(), QPoint(30, 40));
}
