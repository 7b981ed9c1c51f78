#include "skin/frame/frame_move_size_loop.h"

#include "skin/frame/frame_hit_test.h"

#include <QWidget>
#include <algorithm>

TbsFrameMoveSizeLoop::TbsFrameMoveSizeLoop(QWidget& window, Rules rules)
    : m_window(window)
    , m_rules(std::move(rules))
{
}

void TbsFrameMoveSizeLoop::Begin(int hitCode, const QPoint& globalCursor)
{
    m_running = true;
    m_hitCode = hitCode;
    m_pressCursor = globalCursor;
    m_startGeometry = m_window.geometry();
}

QRect TbsFrameMoveSizeLoop::Dragged(int hitCode, const QRect& start, const QPoint& delta, const QSize& minSize,
    const QSize& maxSize)
{
    if (hitCode == HTCAPTION)
        return start.translated(delta);
    int left = start.left();
    int top = start.top();
    int right = start.left() + start.width();
    int bottom = start.top() + start.height();
    const bool dragsLeft = hitCode == HTLEFT || hitCode == HTTOPLEFT || hitCode == HTBOTTOMLEFT;
    const bool dragsRight = hitCode == HTRIGHT || hitCode == HTTOPRIGHT || hitCode == HTBOTTOMRIGHT;
    const bool dragsTop = hitCode == HTTOP || hitCode == HTTOPLEFT || hitCode == HTTOPRIGHT;
    const bool dragsBottom = hitCode == HTBOTTOM || hitCode == HTBOTTOMLEFT || hitCode == HTBOTTOMRIGHT;
    const auto limited = [](int size, int minimum, int maximum) {
        return std::max(minimum, maximum > 0 ? std::min(size, maximum) : size);
    };
    if (dragsLeft)
        left = right - limited(right - (left + delta.x()), minSize.width(), maxSize.width());
    if (dragsRight)
        right = left + limited(right + delta.x() - left, minSize.width(), maxSize.width());
    if (dragsTop)
        top = bottom - limited(bottom - (top + delta.y()), minSize.height(), maxSize.height());
    if (dragsBottom)
        bottom = top + limited(bottom + delta.y() - top, minSize.height(), maxSize.height());
    return QRect(left, top, right - left, bottom - top);
}

void TbsFrameMoveSizeLoop::Track(const QPoint& globalCursor)
{
    if (!m_running)
        return;
    QRect proposed = Dragged(m_hitCode, m_startGeometry, globalCursor - m_pressCursor,
        m_rules.minimumSize ? m_rules.minimumSize() : QSize(),
        m_rules.maximumSize ? m_rules.maximumSize() : QSize());
    if (m_hitCode == HTCAPTION) {
        if (m_rules.moving)
            m_rules.moving(proposed, globalCursor);
        m_window.move(proposed.topLeft());
    } else {
        if (m_rules.sizing)
            m_rules.sizing(proposed);
        m_window.setGeometry(proposed);
    }
}

void TbsFrameMoveSizeLoop::End()
{
    m_running = false;
}
