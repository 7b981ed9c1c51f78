#include "skin/frame/frame_move_size_loop.h"

#include "skin/frame/frame_hit_test.h"
#include "skin/frame/skin_form.h"

#include <QWidget>
#include <algorithm>

TbsFrameMoveSizeLoop::TbsFrameMoveSizeLoop(TbsSkinForm& controller)
    : m_controller(controller)
{
}

void TbsFrameMoveSizeLoop::Begin(int hitCode, const QPoint& globalCursor)
{
    m_running = true;
    m_hitCode = hitCode;
    m_pressCursor = globalCursor;
    m_startGeometry = m_controller.Form()->geometry();
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
    QWidget* form = m_controller.Form();
    QRect proposed = Dragged(m_hitCode, m_startGeometry, globalCursor - m_pressCursor,
        QSize(m_controller.GetMinWidth(), m_controller.GetMinHeight()),
        QSize(m_controller.GetMaxWidth(), m_controller.GetMaxHeight()));
    if (m_hitCode == HTCAPTION) {
        m_controller.WMMoving(proposed, globalCursor);
        form->move(proposed.topLeft());
    } else {
        m_controller.WMSizing(proposed);
        form->setGeometry(proposed);
    }
}

void TbsFrameMoveSizeLoop::End()
{
    m_running = false;
}
