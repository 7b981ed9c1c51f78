#include "skin/frame/form_client_area.h"

#include <QMouseEvent>
#include <QPainter>

TbsFormClientArea::TbsFormClientArea(QWidget* form, BackgroundPainter paintBackground)
    : QWidget(form)
    , m_paintBackground(std::move(paintBackground))
{
    setObjectName(QStringLiteral("ClientArea"));
    // The form's cursor shows the frame's sizing edges; the client keeps the
    // arrow.
    setCursor(Qt::ArrowCursor);
}

void TbsFormClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_paintBackground)
        m_paintBackground(painter, size(), event->rect());
}

void TbsFormClientArea::mousePressEvent(QMouseEvent* event)
{
    // A click on the bare client area is the client's, not the frame's.
    event->accept();
}
