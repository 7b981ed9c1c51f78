#pragma once

#include "skin/hints/hint_face.h"

#include <QImage>
#include <QWidget>

// The window a hint shows in: a frameless tooltip window that never takes
// the focus or activates, so the window the hint belongs to keeps both. It
// shows the picture the hint face gives and takes the skin's shape.
class TbsSkinHintWindow : public QWidget {
    Q_OBJECT

public:
    TbsSkinHintWindow();

    // Lays text out in look and sizes the window; it does not move or show it.
    void SetHint(const HintLook& look, const QString& text);
    const QString& Text() const { return m_text; }
    const QImage& Face() const { return m_face; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QImage m_face;
};
