#include "skin/draw/screen_work_area.h"

#include <QGuiApplication>
#include <QScreen>

#include <limits>

namespace {

// Squared distance from point to the nearest pixel of rect.
qint64 DistanceSquared(const QPoint& point, const QRect& rect)
{
    qint64 const dx = point.x() < rect.left() ? rect.left() - point.x()
        : point.x() > rect.right()            ? point.x() - rect.right()
                                              : 0;
    qint64 const dy = point.y() < rect.top() ? rect.top() - point.y()
        : point.y() > rect.bottom()          ? point.y() - rect.bottom()
                                             : 0;
    return dx * dx + dy * dy;
}

} // namespace

QRect WindowWorkArea(const QRect& windowGeometry, bool full)
{
    QPoint const centre = windowGeometry.center();
    QScreen* nearest = nullptr;
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (QScreen* screen : QGuiApplication::screens()) {
        qint64 const distance = DistanceSquared(centre, screen->geometry());
        if (distance < nearestDistance) {
            nearest = screen;
            nearestDistance = distance;
        }
    }
    if (!nearest)
        return {};
    return full ? nearest->geometry() : nearest->availableGeometry();
}
