#pragma once

#include <QWidget>
#include <functional>

// The client area of a skinned form: the child that holds the form's controls,
// inset by the frame, and paints the client background.
class TbsFormClientArea : public QWidget {
    Q_OBJECT

public:
    // Paints the client background of a client of that size into the
    // painter (origin at the client's top-left), composing only what lies in
    // the exposed rectangle.
    using BackgroundPainter = std::function<void(QPainter& painter, const QSize& clientSize, const QRect& exposed)>;

    TbsFormClientArea(QWidget* form, BackgroundPainter paintBackground);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    BackgroundPainter m_paintBackground;
};
