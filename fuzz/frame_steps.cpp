#include "fuzz/frame_steps.h"

#include "fuzz/fuzz_support.h"
#include "skin/data/form_info.h"
#include "skin/data/loaded_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_object.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_menu.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QWidget>

#include <set>

std::string Text(const QRect& rect)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height()).toStdString();
}

std::string Text(const QSize& size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString();
}

std::string Text(const QObject* object)
{
    return std::string(object->metaObject()->className()) + " '" + object->objectName().toStdString() + "'";
}

namespace {

void RequireFrameInside(const TbsSkinForm& frame)
{
    const QSize size = frame.Form()->size();
    const QMargins margins = frame.FrameMargins();
    Require(margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 && margins.bottom() >= 0
            && margins.left() + margins.right() <= size.width() && margins.top() + margins.bottom() <= size.height(),
        [&] {
            return QStringLiteral("frame margins %1,%2,%3,%4 in a window of ")
                       .arg(margins.left())
                       .arg(margins.top())
                       .arg(margins.right())
                       .arg(margins.bottom())
                       .toStdString()
                + Text(size) + " (" + Text(frame.Form()) + ")";
        });
}

// The caption buttons the frame lays in its row start on the window: right
// to left from inside its right edge, or left to right from inside its left
// edge (as does the system-menu button), within its height where it is high
// enough for them. Only the first visible button of each command is laid.
void RequireCaptionButtonsInside(const TbsSkinForm& frame)
{
    const TbsFrameGeometry& geometry = frame.Geometry();
    if (!frame.SkinData())
        return;
    const TbsSharedSkin& skin = frame.SkinData()->Skin();
    if (!skin || (geometry.nButtons.isEmpty() && geometry.nCaption.isEmpty()))
        return;
    const QSize window = frame.Form()->size();
    std::set<TbsStdCommand> laid;
    for (const auto& object : frame.Objects()) {
        const TbsStdCommand command = object->RowCommand();
        if (!object->Visible || !object->InButtonRow() || (command != cmDefault && !laid.insert(command).second))
            continue;
        const QRect place = object->ObjectRect;
        const auto outside = [&] {
            return "caption button " + object->IDName.toStdString() + " of command " + std::to_string(int(command))
                + " at " + Text(place) + " outside the window of " + Text(window) + " (" + Text(frame.Form()) + ")";
        };
        if (skin->formInfo.buttonsInLeft || command == cmSysMenu)
            Require(place.left() >= 0, outside);
        else
            Require(place.right() < window.width(), outside);
        if (place.height() <= window.height())
            Require(place.top() >= 0 && place.bottom() < window.height(), outside);
    }
}

constexpr int kTimerRounds = 6;

// A crafted skin can hold dozens of frame objects; each one the mouse visits
// costs a paint, so a step visits the first few.
constexpr std::size_t kObjectsVisited = 6;

} // namespace

void RequireFrameWhole(const TbsSkinForm& frame)
{
    RequireFrameInside(frame);
    RequireCaptionButtonsInside(frame);
}

void SendMouse(QWidget& window, QEvent::Type type, const QPoint& point, Qt::MouseButton button,
    Qt::MouseButtons held)
{
    QMouseEvent event(type, point, window.mapToGlobal(point), button, held, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
}

void TickFrameTimers(TbsSkinForm& frame)
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (int round = 0; round < kTimerRounds; ++round) {
        const QList<QAbstractEventDispatcher::TimerInfo> timers = dispatcher->registeredTimers(&frame);
        if (timers.isEmpty())
            return;
        for (const QAbstractEventDispatcher::TimerInfo& timer : timers) {
            QTimerEvent tick(timer.timerId);
            QApplication::sendEvent(&frame, &tick);
        }
        QApplication::processEvents();
    }
}

std::vector<QPoint> ObjectCentres(const TbsSkinForm& frame, bool toClick)
{
    std::vector<QPoint> centres;
    for (const auto& object : frame.Objects()) {
        const TbsStdCommand command = object->RowCommand();
        if (!object->Visible || object->ObjectRect.isEmpty() || (toClick && command == cmMinimizeToTray))
            continue;
        centres.push_back(object->ObjectRect.center());
        if (centres.size() == kObjectsVisited)
            break;
    }
    return centres;
}

void HoverOverFrameObjects(TbsSkinForm& frame)
{
    QWidget& window = *frame.Form();
    for (const QPoint& centre : ObjectCentres(frame, false)) {
        SendMouse(window, QEvent::MouseMove, centre, Qt::NoButton, Qt::NoButton);
        QApplication::processEvents();
        TickFrameTimers(frame);
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&window, &leave);
    TickFrameTimers(frame);
}

void CloseMenus(QWidget& window)
{
    TbsSkinMenu::Of(&window)->CloseMenus();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
