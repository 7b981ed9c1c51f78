#pragma once

#include <QWidget>

class TbsSkinForm;

// The client area of a skinned form: the child that holds the form's controls,
// inset by the frame, and paints the client background.
class TbsFormClientArea : public QWidget {
    Q_OBJECT

public:
    TbsFormClientArea(TbsSkinForm& controller, QWidget* form);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TbsSkinForm& m_controller;
};
