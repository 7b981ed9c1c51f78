#include "skin/controls/wheel_lines.h"

#include <QApplication>

int WheelLines::Take(int angleDelta)
{
    if (angleDelta == 0)
        return 0;
    const double lines = -angleDelta / 120.0 * QApplication::wheelScrollLines();
    if (m_pending * lines < 0)
        m_pending = 0;
    m_pending += lines;
    const int whole = static_cast<int>(m_pending);
    m_pending -= whole;
    return whole;
}
