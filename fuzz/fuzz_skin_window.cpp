// Arbitrary bytes as a decompressed skin package, applied to the real main
// window on the offscreen platform. The window is made once; each input
// re-skins it through the skin-change path (the frame, its objects and every
// control hear of it), then the window is laid out and painted once into its
// backing store at a size drawn from the input. After every input the window
// must still be whole, so that nothing one input leaves behind hides a fault
// from the next: a skin that fails to load leaves it as it was; a skin that
// loads fits its frame and caption buttons in the window, every skin control
// shown in its parent and every text box in its control; no widget or object
// is left over. A quarter of the inputs also show a secondary window on the
// same skin, made and deleted within the input.
#include "app/window/form1.h"
#include "fuzz/frame_steps.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/secondary_form_steps.h"
#include "skin/controls/page_control.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_custom_control.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_up_down.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_object.h"
#include "skin/frame/skin_form.h"
#include "skin/frame/tray_icon.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QKeyEvent>
#include <QBackingStore>
#include <QPlainTextEdit>

#include <algorithm>
#include <iterator>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr QSize kLargest { 1600, 1000 };
// Sizes up to this mostly give the window its minimum size, about half the
// pixels of its natural one: the paint after a skin change is most of an
// input's time.
constexpr QSize kSmall { 500, 300 };

TForm1* g_form = nullptr;
TbsCompressedStoredSkin* g_stored = nullptr;
// Where the window was first shown; a drag that moved it is undone, so that
// every input finds the window at the same place on the screen (magnetic
// edges and the screen's work area depend on it).
QPoint g_home;

// What the window holds once it has been skinned; every later input must
// leave it the same, but for the page control's tab scroller, there while
// the skin's tabs overflow the control.
struct WindowParts {
    qsizetype topLevelWidgets = 0;
    qsizetype formObjects = 0;
    bool operator==(const WindowParts&) const = default;
};
std::optional<WindowParts> g_partsAfterFirstInput;
// Their names, to say what a later input left over.
std::multiset<std::string> g_namesAfterFirstInput;

WindowParts PartsNow()
{
    qsizetype objects = g_form->findChildren<QObject*>().size();
    if (const QObject* scroller = g_form->bsSkinPageControl1->TabScroller())
        objects -= 1 + scroller->findChildren<QObject*>().size();
    return { QApplication::topLevelWidgets().size(), objects };
}

// The window as this skin draws it around the client size it was designed
// for.
QSize NaturalSize()
{
    return QSize(TForm1::kClientWidth, TForm1::kClientHeight).grownBy(g_form->bsSkinForm1->FrameMargins());
}

// A quarter of the inputs get the skin's natural size, an eighth a size near
// it, an eighth any size up to kLargest, the rest a small size (the window
// keeps to its minimum size).
QSize SizeFor(const QByteArray& input)
{
    std::size_t draw = qHash(input);
    const auto pick = [&draw](int count) {
        const int value = int(draw % std::size_t(count));
        draw /= std::size_t(count);
        return value;
    };
    switch (pick(8)) {
    case 0:
    case 1: return NaturalSize();
    case 2: return NaturalSize() + QSize(pick(33) - 16, pick(33) - 16);
    case 3: return QSize(1 + pick(kLargest.width()), 1 + pick(kLargest.height()));
    default: return QSize(1 + pick(kSmall.width()), 1 + pick(kSmall.height()));
    }
}

// What the frame goes through once the window is painted at its size: most
// inputs nothing more; the others a state and back (the tray's too), losing
// and taking back the focus, the mouse over, on or dragging its parts, or
// its system menu by the keyboard. Drawn from the input apart from the size.
enum class FrameStep { None, Maximize, Minimize, Tray, RollUp, Inactive, Hover, Click, Drag, Keyboard };

FrameStep FrameStepFor(const QByteArray& input)
{
    constexpr FrameStep kSteps[] = { FrameStep::Maximize, FrameStep::Minimize, FrameStep::Tray, FrameStep::RollUp,
        FrameStep::Inactive, FrameStep::Hover, FrameStep::Click, FrameStep::Drag, FrameStep::Keyboard };
    const std::size_t draw = qHash(input, 1);
    return draw % 2 == 0 ? FrameStep::None : kSteps[(draw / 2) % std::size(kSteps)];
}

bool IsSkinControl(const QWidget* widget)
{
    return qobject_cast<const TbsSkinControl*>(widget) || qobject_cast<const TbsSkinTabSheet*>(widget);
}

// The extents of control's size that its skin definition fixes: a control
// keeps those even where its parent has less room for them, and the parent
// clips it.
std::pair<bool, bool> FixedWidthAndHeight(QWidget* control)
{
    auto* custom = qobject_cast<TbsSkinCustomControl*>(control);
    if (!custom || !custom->HasSkinDefinition())
        return { false, false };
    int width = std::max(custom->width() - 1, 0);
    int height = std::max(custom->height() - 1, 0);
    const QSize asked(width, height);
    custom->CalcSize(width, height);
    return { width != asked.width(), height != asked.height() };
}

bool Inside(const QRect& place, const QSize& parent)
{
    return place.left() >= 0 && place.top() >= 0 && place.right() < parent.width() && place.bottom() < parent.height();
}

// Every skin control shown lies in its parent, but for an extent its skin
// fixes at more than the parent holds.
void RequireControlsInside()
{
    for (QWidget* control : g_form->findChildren<QWidget*>()) {
        const QRect place = control->geometry();
        if (!IsSkinControl(control) || !control->isVisible() || control->isWindow() || place.isEmpty())
            continue;
        const QSize parent = control->parentWidget()->size();
        const std::pair<bool, bool> fixed = FixedWidthAndHeight(control);
        const bool fixedWidth = fixed.first;
        const bool fixedHeight = fixed.second;
        const auto outside = [&] {
            return Text(control) + " at " + Text(place) + " outside its parent " + Text(control->parentWidget())
                + " of " + Text(parent) + (fixedWidth ? ", skin fixes its width" : "")
                + (fixedHeight ? ", skin fixes its height" : "");
        };
        if (!fixedWidth || place.width() <= parent.width())
            Require(place.left() >= 0 && place.right() < parent.width(), outside);
        if (!fixedHeight || place.height() <= parent.height())
            Require(place.top() >= 0 && place.bottom() < parent.height(), outside);
    }
}

// The text box of an edit or a memo lies on the control, whatever the
// skin's client rectangle says.
void RequireEditorInside(const QWidget* control, const QWidget* editor)
{
    const QRect place = editor->geometry();
    Require(place.isEmpty() || Inside(place, control->size()),
        [&] { return "text box at " + Text(place) + " outside " + Text(control) + " of " + Text(control->size()); });
}

void RequireEditorsInside()
{
    for (const TbsSkinEdit* edit : g_form->findChildren<TbsSkinEdit*>())
        RequireEditorInside(edit, edit->Editor());
    for (const TbsSkinMemo* memo : g_form->findChildren<TbsSkinMemo*>())
        RequireEditorInside(memo, memo->Editor());
}

void RequireFrameWhole()
{
    RequireFrameWhole(*g_form->bsSkinForm1);
}

void SendMouse(QEvent::Type type, const QPoint& point, Qt::MouseButton button, Qt::MouseButtons held)
{
    SendMouse(*g_form, type, point, button, held);
}

void TickFrameTimers()
{
    TickFrameTimers(*g_form->bsSkinForm1);
}

void SendKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool release = true)
{
    QWidget* target = g_form->focusWidget() ? g_form->focusWidget() : g_form;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    if (release) {
        QKeyEvent up(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(target, &up);
    }
    QApplication::processEvents();
}

void CloseMenus()
{
    CloseMenus(*g_form);
}

// Alt+Space opens the system menu; the arrows walk it and into a submenu and
// back, Escape closes it; Alt alone and F10, which would open the window
// system's menu, close a menu the frame has open. No row is run: moving and
// sizing by the keyboard wait for more keys.
void WalkSystemMenuByKeyboard()
{
    SendKey(Qt::Key_Space, Qt::AltModifier);
    for (const int key : { Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Escape })
        SendKey(key);
    SendKey(Qt::Key_Space, Qt::AltModifier);
    SendKey(Qt::Key_Alt, Qt::AltModifier);
    SendKey(Qt::Key_Space, Qt::AltModifier);
    SendKey(Qt::Key_F10);
    CloseMenus();
}

// The window loses the focus to no window and takes it back: the frame
// draws its inactive look (with the skin's inactive effects) and its
// captions animate between the two.
void DeactivateAndBack(const QSize& size)
{
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    TickFrameTimers();
    Require(g_form->bsSkinForm1->RenderWindow(false).size() == size);
    QApplication::setActiveWindow(g_form);
    QApplication::processEvents();
    TickFrameTimers();
}

// The window as the active one: the frame lights its objects up only then.
// The platform activates a window shown again in its own time; made active
// at once, every input finds it the same.
void MakeActive()
{
    if (!g_form->isActiveWindow())
        QApplication::setActiveWindow(g_form);
}

// Undoes whatever a click or a drag did to the window's state, size and place.
void BringBack(const QSize& size)
{
    TbsSkinForm& frame = *g_form->bsSkinForm1;
    if (frame.RolledUp())
        frame.SetRolledUp(false);
    if (frame.SkinWindowState() != TbsWindowState::wsNormal)
        frame.SetSkinWindowState(TbsWindowState::wsNormal);
    QApplication::processEvents();
    // Minimizing may have taken the window off the screen; the next input
    // paints it.
    if (g_form->isMinimized() || !g_form->isVisible())
        g_form->showNormal();
    g_form->resize(size);
    g_form->move(g_home);
    MakeActive();
    QApplication::processEvents();
}

// A click on each of the first objects of the frame (the window eats its
// close); after each the frame is whole, a menu the click opened (the
// system menu's, a button's) is closed, and the window is brought back.
void ClickFrameObjects(const QSize& size)
{
    for (const QPoint& centre : ObjectCentres(*g_form->bsSkinForm1, true)) {
        SendMouse(QEvent::MouseMove, centre, Qt::NoButton, Qt::NoButton);
        SendMouse(QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
        if (g_form->isVisible())
            RequireFrameWhole();
        CloseMenus();
        BringBack(size);
    }
}

// A point of the caption the window is dragged by: a caption object's
// middle, or the first along the middle of the frame's top that the frame
// calls caption.
std::optional<QPoint> CaptionPoint()
{
    TbsSkinForm& frame = *g_form->bsSkinForm1;
    std::vector<QPoint> candidates;
    for (const auto& object : frame.Objects()) {
        if (object->Visible && object->IsCaption())
            candidates.push_back(object->ObjectRect.center());
    }
    for (int x = 0; x < g_form->width(); x += 8)
        candidates.emplace_back(x, frame.FrameMargins().top() / 2);
    for (const QPoint& point : candidates) {
        if (frame.HitTest(point) == HTCAPTION)
            return point;
    }
    return std::nullopt;
}

// The window dragged by its caption, sized by its bottom-right corner (its
// edges drawn to the screen's as a magnetic window's) and its caption
// double-clicked (which maximizes or rolls it up); the frame is whole after
// each, and the window is brought back.
void DragFrame(const QSize& size)
{
    TbsSkinForm& frame = *g_form->bsSkinForm1;
    frame.SetMagnetic(true);
    std::vector<QPoint> starts { QPoint(size.width() - 2, size.height() - 2) };
    if (const std::optional<QPoint> caption = CaptionPoint())
        starts.push_back(*caption);
    for (const QPoint& start : starts) {
        const QPoint end = start + QPoint(23, 17);
        SendMouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        SendMouse(QEvent::MouseMove, start + QPoint(9, 5), Qt::NoButton, Qt::LeftButton);
        SendMouse(QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
        RequireFrameWhole();
        BringBack(size);
    }
    if (const std::optional<QPoint> caption = CaptionPoint()) {
        SendMouse(QEvent::MouseButtonDblClick, *caption, Qt::LeftButton, Qt::LeftButton);
        QApplication::processEvents();
        RequireFrameWhole();
        BringBack(size);
    }
    frame.SetMagnetic(false);
}

// Takes the painted window through its frame step; the window comes back to
// the size it had.
void RunFrameStep(FrameStep step)
{
    TbsSkinForm& frame = *g_form->bsSkinForm1;
    const QSize before = g_form->size();
    MakeActive();
    switch (step) {
    case FrameStep::None:
        return;
    case FrameStep::Maximize:
        frame.SetSkinWindowState(TbsWindowState::wsMaximized);
        QApplication::processEvents();
        RequireFrameWhole();
        frame.SetSkinWindowState(TbsWindowState::wsNormal);
        break;
    case FrameStep::Minimize:
        frame.SetSkinWindowState(TbsWindowState::wsMinimized);
        QApplication::processEvents();
        frame.SetSkinWindowState(TbsWindowState::wsNormal);
        BringBack(before);
        break;
    case FrameStep::Tray:
        // Off the screen to the tray, the tray icon's menu opened and closed,
        // and back.
        frame.MinimizeToTray();
        QApplication::processEvents();
        frame.TrayIcon()->ShowPopupMenu(QPoint(5, 5));
        QApplication::processEvents();
        CloseMenus();
        frame.RestoreFromTray();
        BringBack(before);
        break;
    case FrameStep::RollUp:
        frame.SetRolledUp(true);
        QApplication::processEvents();
        RequireFrameWhole();
        frame.SetRolledUp(false);
        break;
    case FrameStep::Inactive:
        DeactivateAndBack(before);
        break;
    case FrameStep::Hover:
        HoverOverFrameObjects(*g_form->bsSkinForm1);
        break;
    case FrameStep::Click:
        ClickFrameObjects(before);
        break;
    case FrameStep::Drag:
        DragFrame(before);
        break;
    case FrameStep::Keyboard:
        WalkSystemMenuByKeyboard();
        break;
    }
    QApplication::processEvents();
    Require(g_form->size() == before);
}

// A frame's close button closes the window only after the click; the fuzzed
// window stays open.
class KeepOpen : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Close; }
};

std::multiset<std::string> PartNames()
{
    std::multiset<std::string> names;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        names.insert("top-level " + Text(widget));
    for (const QObject* object : g_form->findChildren<QObject*>())
        names.insert(Text(object));
    return names;
}

// The names in one set and not in the other, each with a sign.
std::string Difference(const std::multiset<std::string>& before, const std::multiset<std::string>& now)
{
    std::vector<std::string> gone;
    std::vector<std::string> added;
    std::set_difference(before.begin(), before.end(), now.begin(), now.end(), std::back_inserter(gone));
    std::set_difference(now.begin(), now.end(), before.begin(), before.end(), std::back_inserter(added));
    std::string text;
    for (const std::string& name : gone)
        text += "\n  - " + name;
    for (const std::string& name : added)
        text += "\n  + " + name;
    return text;
}

void RequireNothingLeftOver()
{
    const WindowParts now = PartsNow();
    if (!g_partsAfterFirstInput) {
        g_partsAfterFirstInput = now;
        g_namesAfterFirstInput = PartNames();
    }
    Require(now == *g_partsAfterFirstInput,
        [&] { return "the window's parts differ from the first input's:" + Difference(g_namesAfterFirstInput, PartNames()); });
}

// The window keeps the skin of one input until the next replaces it, so an
// input's allocations and frees never balance and libFuzzer would search the
// whole heap for leaks after most inputs. Leaked widgets and objects are
// caught by the checks after every input, other leaks at exit.
constexpr char kLeaksAtExitOnly[] = "-detect_leaks=0";

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    PutFlagsFirst(argc, argv, { kLeaksAtExitOnly, kNoCorpusReload });
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns at every window mask; a fatal message still aborts.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // Never destroyed, like the window: at exit Qt's input devices (made by
    // the first mouse event) would outlive the platform they belong to.
    new QApplication(*argc, *argv);
    g_form = new TForm1;
    g_stored = new TbsCompressedStoredSkin(g_form);
    g_form->installEventFilter(new KeepOpen(g_form));
    // The main window has no tray icon of its own; with one the frame's tray
    // commands and the icon's menu are reached. The offscreen desktop has no
    // tray, so the window would only be minimized without the override.
    TbsTrayIcon::SetAvailableOverride(true);
    g_form->bsSkinForm1->SetTrayIcon(new TbsTrayIcon(g_form));
    g_form->show();
    QApplication::processEvents();
    g_home = g_form->pos();
    MakeActive();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = InputBytes(data, size);
    g_stored->SetCompressedData(QuicklyCompressed(input));
    const QSize sizeBefore = g_form->size();
    const TbsSharedSkin skinBefore = g_form->bsSkinData1->Skin();
    try {
        g_form->bsSkinData1->SetCompressedStoredSkin(g_stored);
    } catch (const std::runtime_error&) {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Require(!g_form->bsSkinData1->Empty() && g_form->bsSkinData1->Skin() == skinBefore);
        Require(g_form->size() == sizeBefore);
        RequireNothingLeftOver();
        return 0;
    }
    g_form->resize(SizeFor(input));
    // Lays the window out and paints it into its backing store, once.
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // What was painted is the window's size.
    Require(g_form->backingStore() && g_form->backingStore()->size() == g_form->size());
    RequireFrameWhole();
    RequireControlsInside();
    RequireEditorsInside();
    RunFrameStep(FrameStepFor(input));
    if (const std::size_t draw = qHash(input, 2); draw % 4 == 0) {
        RunSecondaryForm(*g_form->bsSkinData1, draw / 4);
        MakeActive();
    }
    RequireNothingLeftOver();
    return 0;
}
