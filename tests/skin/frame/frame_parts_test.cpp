// The parts of a skinned frame on their own, each with a host or rules of the
// test's making: none of them needs the form controller.
#include "skin/data/form_info.h"
#include "skin/draw/whole_pixel_scaling.h"
#include "skin/frame/form_client_area.h"
#include "skin/frame/frame_button_objects.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_move_size_loop.h"
#include "skin/frame/frame_object_host.h"
#include "skin/frame/magnetic_edges.h"
#include "skin/frame/system_menu.h"
#include "skin/menus/menu_item.h"

#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Records what the objects report; draws from nothing.
class RecordingHost : public TbsFrameObjectHost {
public:
    bool Skinned() const override { return false; }
    bool IsActive() const override { return true; }
    const QImage& FramePicture() const override { return m_none; }
    const QImage* ActivePicture(int) const override { return nullptr; }
    const TbsFormInfo& FormInfo() const override { return m_info; }
    bool SkinEffectsEnabled() const override { return false; }
    bool MorphingPossible(bool) const override { return false; }
    ScaledPictureCache& ScaledPictures() const override { return m_pictures; }
    bool ShowIcon() const override { return false; }
    QIcon WindowIcon() const override { return {}; }
    QString WindowTitle() const override { return {}; }
    QPoint MapToGlobal(const QPoint& point) const override { return point + QPoint(1000, 2000); }
    bool CommandStateInForce(TbsStdCommand command) const override { return command == inForce; }
    bool PaintCaptionText(QPainter&, const QRect&, bool) const override { return false; }
    void PaintUserObject(const QString&, QPainter&, const QRect&) const override { }
    void RedrawObject(const TbsActiveSkinObject&) override { ++redraws; }
    void StartMorphTimer() override { }
    void StartAnimationTimer() override { }
    void RunCommand(TbsStdCommand command) override { commands.push_back(command); }
    void ShowSystemMenuAt(const QRect& anchor) override { menuAnchors.push_back(anchor); }
    void ObjectMouseEnter(const QString& name) override { events.push_back(QStringLiteral("enter ") + name); }
    void ObjectMouseLeave(const QString& name) override { events.push_back(QStringLiteral("leave ") + name); }
    void ObjectMouseDown(const QString& name, int, int, const QRect&, int) override { events.push_back(QStringLiteral("down ") + name); }
    void ObjectMouseUp(const QString& name, int, int, const QRect&, int) override { events.push_back(QStringLiteral("up ") + name); }
    void ObjectMouseMove(const QString&, int, int, const QRect&) override { }

    TbsStdCommand inForce { cmDefault };
    std::vector<TbsStdCommand> commands;
    std::vector<QRect> menuAnchors;
    QStringList events;
    int redraws { 0 };

private:
    QImage m_none;
    TbsFormInfo m_info;
    mutable ScaledPictureCache m_pictures;
};

constexpr int kLeft = 0;

} // namespace

TEST(FrameParts, ACaptionButtonKeepsItsStateAndReportsItsCommandOnlyForAWholeClick)
{
    RecordingHost host;
    TbsSkinStdButtonObject maximize(host, QStringLiteral("maxbutton"), cmMaximize);
    maximize.ObjectRect = SkinRect { 10, 4, 27, 21 }.ToQRect();

    maximize.MouseEnter();
    maximize.MouseDown(kLeft, 12, 8);
    EXPECT_TRUE(maximize.Down());
    EXPECT_TRUE(host.commands.empty()) << "a press alone runs nothing";
    maximize.MouseUp(kLeft, 12, 8);
    EXPECT_FALSE(maximize.Down());
    EXPECT_EQ(host.commands, std::vector<TbsStdCommand> { cmMaximize });
    EXPECT_GT(host.redraws, 0);

    // Pressed, then released after the mouse left: no command.
    maximize.MouseDown(kLeft, 12, 8);
    maximize.MouseLeave();
    maximize.MouseUp(kLeft, 40, 8);
    EXPECT_EQ(host.commands.size(), 1u);
    EXPECT_FALSE(maximize.Down());

    // A disabled button takes no press.
    maximize.Enabled = false;
    maximize.MouseEnter();
    maximize.MouseDown(kLeft, 12, 8);
    maximize.MouseUp(kLeft, 12, 8);
    EXPECT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.events, (QStringList { "enter maxbutton", "up maxbutton", "leave maxbutton", "enter maxbutton" }));

    // Its state in the window decides its restore face, its slot its place.
    EXPECT_FALSE(maximize.CommandStateInForce());
    host.inForce = cmMaximize;
    EXPECT_TRUE(maximize.CommandStateInForce());
    const TbsFrameObjectSlot slot = maximize.Slot();
    EXPECT_EQ(slot.place, maximize.ObjectRect);
    EXPECT_TRUE(slot.captionButton && slot.inButtonRow);
    EXPECT_EQ(slot.command, cmMaximize);
}

TEST(FrameParts, TheSystemMenuButtonOpensTheMenuBelowItselfAndStaysDown)
{
    RecordingHost host;
    TbsSkinStdButtonObject systemMenu(host, QStringLiteral("sysmenubutton"), cmSysMenu);
    systemMenu.ObjectRect = SkinRect { 3, 4, 20, 21 }.ToQRect();
    systemMenu.MouseEnter();
    systemMenu.MouseDown(kLeft, 5, 5);
    ASSERT_EQ(host.menuAnchors.size(), 1u);
    EXPECT_EQ(host.menuAnchors.front(), QRect(1003, 2004, 17, 17)) << "the button's rectangle on the screen";
    systemMenu.MouseUp(kLeft, 5, 5);
    EXPECT_TRUE(systemMenu.Down()) << "down while its menu shows";
    EXPECT_TRUE(host.commands.empty());
    systemMenu.DblClick();
    EXPECT_EQ(host.commands, std::vector<TbsStdCommand> { cmClose });
}

namespace {

class MenuHost : public TbsSystemMenuHost {
public:
    TbsWindowState WindowState() const override { return state; }
    TbsBorderIcons BorderIcons() const override { return icons; }
    bool RolledUp() const override { return rolledUp; }
    bool RolledUpWhileMaximized() const override { return rolledUpWhileMaximized; }
    QWidget* Window() const override { return nullptr; }
    TbsSkinData* MenuSkin() const override { return nullptr; }
    const TbsSkinData* TextSkin() const override { return nullptr; }
    void RunCommand(TbsStdCommand command) override { log << QStringLiteral("command %1").arg(int(command)); }
    void SetWindowState(TbsWindowState value) override { log << QStringLiteral("state %1").arg(int(value)); }
    void SetRolledUp(bool value) override { log << QStringLiteral("rolled up %1").arg(int(value)); }
    void MenuClosed() override { }

    TbsWindowState state { TbsWindowState::wsNormal };
    TbsBorderIcons icons { biSystemMenu | biMinimize | biMaximize | biRollUp };
    bool rolledUp { false };
    bool rolledUpWhileMaximized { false };
    QStringList log;
};

QStringList Captions(const TbsMenuItem& menu)
{
    QStringList captions;
    for (int i = 0; i < menu.Count(); ++i)
        captions << menu.Items(i)->Caption();
    return captions;
}

void ClickRow(const TbsMenuItem& menu, const QString& caption)
{
    for (int i = 0; i < menu.Count(); ++i) {
        if (menu.Items(i)->Caption() == caption && menu.Items(i)->OnClick) {
            menu.Items(i)->OnClick();
            return;
        }
    }
    ADD_FAILURE() << caption.toStdString();
}

} // namespace

TEST(FrameParts, TheSystemMenuBuildsItsRowsFromItsHostsStateAndRunsThemThroughIt)
{
    MenuHost host;
    TbsSystemMenu menu(host, nullptr);
    auto rows = menu.BuildDefaultMenu();
    EXPECT_EQ(Captions(*rows), (QStringList { "Mi&nimize", "Ma&ximize", "Ro&llUp", "-", "&Close" }));
    ClickRow(*rows, QStringLiteral("Ma&ximize"));
    ClickRow(*rows, QStringLiteral("Mi&nimize"));
    ClickRow(*rows, QStringLiteral("&Close"));
    EXPECT_EQ(host.log, (QStringList { "state 2", QStringLiteral("command %1").arg(int(cmMinimize)),
                            QStringLiteral("command %1").arg(int(cmClose)) }));

    // Maximized and rolled up: restore rolls the window down first.
    host.log.clear();
    host.state = TbsWindowState::wsMaximized;
    host.rolledUp = host.rolledUpWhileMaximized = true;
    rows = menu.BuildDefaultMenu();
    EXPECT_EQ(Captions(*rows), (QStringList { "Mi&nimize", "&Restore", "-", "&Close" }));
    ClickRow(*rows, QStringLiteral("&Restore"));
    host.rolledUp = false;
    rows = menu.BuildDefaultMenu();
    ClickRow(*rows, QStringLiteral("&Restore"));
    EXPECT_EQ(host.log, (QStringList { "rolled up 0", "state 0" }));
}

TEST(FrameParts, TheMoveSizeLoopPlacesTheWindowWithinItsRules)
{
    QWidget window;
    window.setGeometry(100, 100, 200, 150);
    std::vector<QRect> sized;
    TbsFrameMoveSizeLoop loop(window,
        { [] { return QSize(100, 80); }, [] { return QSize(260, 0); },
            [](QRect& proposed, const QPoint&) { proposed.moveLeft(std::max(proposed.left(), 0)); },
            [&sized](const QRect& proposed) { sized.push_back(proposed); } });

    loop.Begin(HTBOTTOMRIGHT, QPoint(500, 500));
    ASSERT_TRUE(loop.Running());
    loop.Track(QPoint(430, 440));
    EXPECT_EQ(window.geometry(), QRect(100, 100, 130, 90));
    loop.Track(QPoint(200, 200));
    EXPECT_EQ(window.geometry(), QRect(100, 100, 100, 80)) << "no smaller than the least size";
    loop.Track(QPoint(700, 900));
    EXPECT_EQ(window.geometry(), QRect(100, 100, 260, 550)) << "no wider than the most; no height limit";
    EXPECT_EQ(sized.size(), 3u);
    loop.End();
    loop.Track(QPoint(0, 0));
    EXPECT_EQ(window.size(), QSize(260, 550)) << "an ended loop follows nothing";

    // Moving by the caption passes the proposal through the rules first.
    loop.Begin(HTCAPTION, QPoint(150, 110));
    loop.Track(QPoint(0, 120));
    EXPECT_EQ(window.pos(), QPoint(0, 110));
    loop.End();
}

TEST(FrameParts, TheClientAreaPaintsWhatItsPainterDraws)
{
    QWidget form;
    form.resize(120, 90);
    std::vector<QSize> painted;
    auto* client = new TbsFormClientArea(&form, [&painted](QPainter& painter, const QSize& size, const QRect& exposed) {
        painted.push_back(size);
        painter.fillRect(exposed, QColor(10, 20, 30));
    });
    client->setGeometry(5, 25, 100, 60);
    const QImage image = client->grab().toImage();
    ASSERT_FALSE(painted.empty());
    EXPECT_EQ(painted.back(), QSize(100, 60));
    EXPECT_EQ(image.pixelColor(50, 30), QColor(10, 20, 30));
}

TEST(FrameParts, MagneticEdgesSnapWithinTheirSizeAndLetGoOnceTheCursorMovesOn)
{
    const QRect area(0, 0, 800, 600);
    const QSize window(200, 100);
    TbsMagneticEdges edges;
    edges.Begin(QPoint(100, 100));
    // 3 pixels from the left edge: onto it.
    EXPECT_EQ(edges.Snap(QRect(QPoint(3, 50), window), area, QPoint(103, 100), 5), QRect(QPoint(0, 50), window));
    // Held while the cursor stays within 5 pixels of where it stuck.
    EXPECT_EQ(edges.Snap(QRect(QPoint(7, 50), window), area, QPoint(107, 100), 5), QRect(QPoint(0, 50), window));
    // Free again further on.
    EXPECT_EQ(edges.Snap(QRect(QPoint(30, 50), window), area, QPoint(130, 100), 5), QRect(QPoint(30, 50), window));
    // The right and bottom edges pull the window's own right and bottom.
    EXPECT_EQ(edges.Snap(QRect(QPoint(597, 498), window), area, QPoint(697, 548), 5), QRect(QPoint(600, 500), window));
    // Out of reach of every edge: where it was asked to go.
    edges.Clear();
    EXPECT_EQ(edges.Snap(QRect(QPoint(300, 200), window), area, QPoint(400, 250), 5), QRect(QPoint(300, 200), window));
}
