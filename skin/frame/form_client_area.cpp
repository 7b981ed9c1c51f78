#include "skin/frame/form_client_area.h"

#include "skin/frame/skin_form.h"

#include <QMouseEvent>
#include <QPainter>

TbsFormClientArea::TbsFormClientArea(TbsSkinForm& controller, QWidget* form)
    : QWidget(form)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("ClientArea"));
    // The form's cursor shows the frame's sizing edges; the client keeps the
    // arrow.
    setCursor(Qt::ArrowCursor);
}

void TbsFormClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_controller.PaintClientBackground(painter, size(), event->rect());
}

void TbsFormClientArea::mousePressEvent(QMouseEvent* event)
{
    // A click on the bare client area is the client's, not the frame's.
    event->accept();
}
