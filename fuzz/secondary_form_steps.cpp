#include "fuzz/secondary_form_steps.h"

#include "fuzz/frame_steps.h"
#include "fuzz/fuzz_support.h"
#include "skin/frame/frame_button_objects.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_popup_menu.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QStyle>
#include <QThread>
#include <QWidget>

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <random>
#include <string>

namespace {

// The window is small: its paints are most of what a step costs.
constexpr QSize kLargest { 600, 400 };
// Size limits and client sizes reach past the window's size and the screen's.
constexpr int kLargestLimit = 900;

using Random = std::minstd_rand;

int Pick(Random& random, int count)
{
    return int(random() % unsigned(count));
}

// A window of the program that is not its main one, with its frame.
struct SecondaryWindow {
    std::unique_ptr<QWidget> window;
    TbsSkinForm* frame = nullptr;
};

SecondaryWindow MakeWindow(Qt::WindowType type, const QString& name)
{
    SecondaryWindow made { std::make_unique<QWidget>(nullptr, type) };
    made.window->setObjectName(name);
    made.window->setWindowTitle(name);
    made.frame = new TbsSkinForm(made.window.get());
    return made;
}

QRect WorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame settings a program gives a dialog, drawn from random.
void DrawSettings(SecondaryWindow& secondary, TbsSkinData& skin, Random& random)
{
    TbsSkinForm& frame = *secondary.frame;
    QWidget& window = *secondary.window;
    frame.SetFormBorderStyle(TFormBorderStyle(Pick(random, 6)));
    frame.SetBorderIcons(TbsBorderIcons(Pick(random, 32)));
    frame.SetPositionInMonitor(TbsPositionInMonitor(Pick(random, 3)));
    frame.SetMaximizeOnFullScreen(Pick(random, 2));
    if (Pick(random, 2))
        window.setWindowIcon(QApplication::style()->standardIcon(QStyle::SP_FileIcon));
    frame.SetShowIcon(Pick(random, 2));
    frame.SetHideCaptionButtons(Pick(random, 6) == 0);
    frame.SetDisableSystemMenu(Pick(random, 6) == 0);
    frame.SetAlwaysResize(Pick(random, 4) == 0);
    if (Pick(random, 4) == 0) {
        frame.SetMinWidth(Pick(random, kLargestLimit) - 8);
        frame.SetMinHeight(Pick(random, kLargestLimit) - 8);
    }
    if (Pick(random, 4) == 0) {
        frame.SetMaxWidth(Pick(random, kLargestLimit) - 8);
        frame.SetMaxHeight(Pick(random, kLargestLimit) - 8);
    }
    if (Pick(random, 6) == 0) {
        frame.SetClientWidth(Pick(random, kLargest.width()));
        frame.SetClientHeight(Pick(random, kLargest.height()));
    }
    // The window fades in at each show. An animated fade runs to its end in
    // real time, so it is asked for only where it has nowhere to go.
    if (Pick(random, 3) == 0) {
        frame.SetAlphaBlendValue(Pick(random, 300) - 20);
        frame.SetAlphaBlend(true);
        if (Pick(random, 4) == 0) {
            frame.SetAlphaBlendValue(0);
            frame.SetAlphaBlendAnimation(true);
        }
    }
    frame.SetMaxMenuItemsInWindow(Pick(random, 5) - 1);
    frame.SetDefMenuItemHeight(Pick(random, 40) - 4);
    frame.SetUseSkinFontInMenu(Pick(random, 2));
    frame.SetMenusAlphaBlend(Pick(random, 2));
    frame.SetMenusAlphaBlendAnimation(Pick(random, 2));
    frame.SetMenusAlphaBlendValue(Pick(random, 256));
    frame.SetMenusSkinData(Pick(random, 2) ? &skin : nullptr);
    if (Pick(random, 4) == 0) {
        QImage logo(Pick(random, 40), Pick(random, 40), QImage::Format_RGB32);
        logo.fill(Qt::darkCyan);
        frame.SetLogoBitMap(logo);
        frame.SetLogoBitMapTransparent(Pick(random, 2));
    }
    window.resize(1 + Pick(random, kLargest.width()), 1 + Pick(random, kLargest.height()));
}

// The fade-in starts on a 1 ms timer of the window's state keeper, which
// the window does not publish; waited for, a millisecond at a time, until
// the window has its opacity (at most a few milliseconds; a fade to nothing
// cannot be told from its start and gets two). The window keeps its opacity
// in 256 steps.
void WaitForFadeIn(const TbsSkinForm& frame)
{
    const QWidget& window = *frame.Form();
    const bool fades = frame.AlphaBlend() || frame.AlphaBlendAnimation();
    const double target = frame.AlphaBlend() ? frame.AlphaBlendValue() / 255.0 : 1.0;
    const int waits = target > 0 ? 8 : 2;
    for (int wait = 0; fades && wait < waits; ++wait) {
        QThread::msleep(1);
        QApplication::processEvents();
        if (target > 0 && window.windowOpacity() > 0)
            break;
    }
    Require(std::abs(window.windowOpacity() - target) <= 1.5 / 255, [&] {
        return "window opacity " + std::to_string(window.windowOpacity()) + " after the fade-in, not "
            + std::to_string(target);
    });
}

// Shows the window and checks its place: centred on the monitor where the
// frame was asked to put it there the first time.
void Show(TbsSkinForm& frame, bool firstTime)
{
    QWidget& window = *frame.Form();
    window.show();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    WaitForFadeIn(frame);
    RequireFrameWhole(frame);
    const QRect area = WorkArea();
    const QRect place = window.geometry();
    if (!firstTime || frame.PositionInMonitor() == TbsPositionInMonitor::bspDefault || area.isEmpty()
        || place.width() > area.width() || place.height() > area.height())
        return;
    const QPoint offset = place.center() - area.center();
    Require(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
        [&] { return Text(&window) + " shown at " + Text(place) + ", not centred in " + Text(area); });
}

// Back to the normal state, rolled down, shown and active. A window the
// frame minimized to nothing lost the platform's activation, which comes
// back in its own time; made active at once, every input finds it the same.
void BringBack(TbsSkinForm& frame)
{
    frame.SetRolledUp(false);
    frame.SetSkinWindowState(TbsWindowState::wsNormal);
    QApplication::processEvents();
    if (frame.Form()->isHidden())
        Show(frame, false);
    QApplication::setActiveWindow(frame.Form());
}

void RequireSameGeometry(const QWidget& window, const QRect& before, const char* after)
{
    Require(window.geometry() == before, [&] {
        return Text(&window) + " at " + Text(window.geometry()) + " after " + after + ", not " + Text(before);
    });
}

// Minimized, a secondary window becomes its caption in a slot along the
// bottom of the work area, the first one no other minimized window takes;
// restored, it is where it was.
void MinimizeAndRestore(SecondaryWindow& ours, TbsSkinData& skin, bool besideAnother)
{
    TbsSkinForm& frame = *ours.frame;
    QWidget& window = *ours.window;
    SecondaryWindow other;
    if (besideAnother) {
        other = MakeWindow(Qt::Tool, QStringLiteral("Other"));
        other.frame->SetFormBorderStyle(frame.FormBorderStyle());
        other.frame->SetSkinData(&skin);
        other.window->show();
        other.frame->SetSkinWindowState(TbsWindowState::wsMinimized);
    }
    const QRect before = window.geometry();
    frame.SetSkinWindowState(TbsWindowState::wsMinimized);
    QApplication::processEvents();
    Require(frame.SkinWindowState() == TbsWindowState::wsMinimized);
    Require(window.height() == frame.GetMinHeight(), [&] {
        return "minimized " + Text(&window) + " of " + Text(window.size()) + ", its caption is "
            + std::to_string(frame.GetMinHeight()) + " high";
    });
    const QRect area = WorkArea();
    if (other.window && window.size() == other.window->size() && 2 * window.width() <= area.width()) {
        Require(!window.geometry().intersects(other.window->geometry()), [&] {
            return "minimized windows overlap: " + Text(window.geometry()) + " and " + Text(other.window->geometry());
        });
    }
    frame.SetSkinWindowState(TbsWindowState::wsNormal);
    QApplication::processEvents();
    RequireSameGeometry(window, before, "a minimize and restore");
}

void MaximizeAndRestore(TbsSkinForm& frame)
{
    QWidget& window = *frame.Form();
    const QRect before = window.geometry();
    frame.SetSkinWindowState(TbsWindowState::wsMaximized);
    QApplication::processEvents();
    RequireFrameWhole(frame);
    frame.SetSkinWindowState(TbsWindowState::wsNormal);
    QApplication::processEvents();
    RequireSameGeometry(window, before, "a maximize and restore");
}

// Rolled up, the window is its caption; rolled down, it has its height back
// (or the client height the frame asks for).
void RollUpAndDown(TbsSkinForm& frame)
{
    QWidget& window = *frame.Form();
    const QRect before = window.geometry();
    frame.SetRolledUp(true);
    QApplication::processEvents();
    if (frame.RolledUp())
        Require(window.height() == frame.GetMinHeight() && !frame.ClientArea()->isVisible(), [&] {
            return "rolled-up " + Text(&window) + " of " + Text(window.size()) + ", its caption is "
                + std::to_string(frame.GetMinHeight()) + " high";
        });
    frame.SetRolledUp(false);
    QApplication::processEvents();
    if (frame.ClientHeight() <= 0)
        RequireSameGeometry(window, before, "a roll-up and down");
}

// Closes what a press opened; no frame button stays down after its menu
// has closed.
void CloseMenusOf(TbsSkinForm& frame)
{
    CloseMenus(*frame.Form());
    Require(!frame.SkinMenuOpen(), [&] { return Text(frame.Form()) + ": a menu of the frame is still open"; });
    for (const auto& object : frame.Objects()) {
        const auto* button = dynamic_cast<const TbsSkinButtonObject*>(object.get());
        Require(!button || !button->Down(),
            [&] { return "frame button " + object->IDName.toStdString() + " stays down after its menu closed"; });
    }
}

// A click on each of the first objects; the first plain button of the skin
// drops a menu of the window's own down.
void ClickObjects(TbsSkinForm& frame, bool popupUp)
{
    QWidget& window = *frame.Form();
    TbsSkinPopupMenu menu(&window);
    for (const char* row : { "Open", "-", "Save", "Close" })
        menu.Items().Add(QString::fromLatin1(row));
    QString dropsDown;
    for (const auto& object : frame.Objects()) {
        if (dynamic_cast<TbsSkinButtonObject*>(object.get()) && !dynamic_cast<TbsSkinStdButtonObject*>(object.get())) {
            dropsDown = object->IDName;
            frame.SetObjectPopupMenu(dropsDown, &menu, popupUp);
            break;
        }
    }
    for (const QPoint& centre : ObjectCentres(frame, true)) {
        SendMouse(window, QEvent::MouseMove, centre, Qt::NoButton, Qt::NoButton);
        SendMouse(window, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        QApplication::processEvents();
        SendMouse(window, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
        if (window.isVisible())
            RequireFrameWhole(frame);
        CloseMenusOf(frame);
        BringBack(frame);
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&window, &leave);
    frame.SetObjectPopupMenu(dropsDown, nullptr);
}

// The window loses the focus to the main window and takes it back.
void DeactivateAndBack(TbsSkinForm& frame, QWidget* mainWindow)
{
    QWidget& window = *frame.Form();
    QApplication::setActiveWindow(mainWindow);
    QApplication::processEvents();
    TickFrameTimers(frame);
    Require(frame.RenderWindow(false).size() == window.size());
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    TickFrameTimers(frame);
}

// Without skin data the frame is the plain default one with its own
// buttons, lit and pressed by the mouse; then the skin comes back.
void Unskinned(TbsSkinForm& frame, TbsSkinData& skin)
{
    frame.SetSkinData(nullptr);
    QApplication::processEvents();
    RequireFrameWhole(frame);
    HoverOverFrameObjects(frame);
    ClickObjects(frame, false);
    frame.SetSkinData(&skin);
    QApplication::processEvents();
}

// The window system's frame instead of the skin's: the client area is the
// whole window, and the window states are the window system's.
void WindowSystemFrame(TbsSkinForm& frame)
{
    QWidget& window = *frame.Form();
    frame.SetSkinnableFrame(false);
    QApplication::processEvents();
    Require(frame.ClientArea()->geometry() == QRect(QPoint(), window.size()), [&] {
        return "client area at " + Text(frame.ClientArea()->geometry()) + " in a window of " + Text(window.size())
            + " with the window system's frame";
    });
    frame.SetSkinWindowState(TbsWindowState::wsMaximized);
    QApplication::processEvents();
    frame.SetSkinWindowState(TbsWindowState::wsMinimized);
    QApplication::processEvents();
    frame.SetSkinWindowState(TbsWindowState::wsNormal);
    QApplication::processEvents();
    frame.SetSkinnableFrame(true);
    QApplication::processEvents();
    RequireFrameWhole(frame);
}

enum class Step { Minimize, MinimizeBesideAnother, Maximize, RollUp, Hover, Click, Inactive, Unskinned, WindowSystemFrame };

} // namespace

void RunSecondaryForm(TbsSkinData& skin, std::uint64_t hash)
{
    QWidget* mainWindow = QApplication::activeWindow();
    Random random(std::uint32_t(hash ^ (hash >> 32)));
    SecondaryWindow secondary = MakeWindow(Pick(random, 2) ? Qt::Dialog : Qt::Tool, QStringLiteral("Secondary"));
    TbsSkinForm& frame = *secondary.frame;
    DrawSettings(secondary, skin, random);
    // Now and then it is shown before it has a skin, in the default frame.
    const bool shownUnskinned = Pick(random, 4) == 0;
    if (shownUnskinned)
        Show(frame, true);
    frame.SetSkinData(&skin);
    if (shownUnskinned)
        QApplication::processEvents();
    else
        Show(frame, true);

    constexpr Step kSteps[] = { Step::Minimize, Step::MinimizeBesideAnother, Step::Maximize, Step::RollUp, Step::Hover,
        Step::Click, Step::Inactive, Step::Unskinned, Step::WindowSystemFrame };
    for (int count = 0; count < 2; ++count) {
        switch (kSteps[Pick(random, int(std::size(kSteps)))]) {
        case Step::Minimize: MinimizeAndRestore(secondary, skin, false); break;
        case Step::MinimizeBesideAnother: MinimizeAndRestore(secondary, skin, true); break;
        case Step::Maximize: MaximizeAndRestore(frame); break;
        case Step::RollUp: RollUpAndDown(frame); break;
        case Step::Hover: HoverOverFrameObjects(frame); break;
        case Step::Click: ClickObjects(frame, Pick(random, 2)); break;
        case Step::Inactive: DeactivateAndBack(frame, mainWindow); break;
        case Step::Unskinned: Unskinned(frame, skin); break;
        case Step::WindowSystemFrame: WindowSystemFrame(frame); break;
        }
        BringBack(frame);
    }
    secondary.window->hide();
    QApplication::processEvents();
    secondary.window.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (mainWindow)
        QApplication::setActiveWindow(mainWindow);
    QApplication::processEvents();
}
