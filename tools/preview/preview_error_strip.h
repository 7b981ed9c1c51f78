#pragma once

#include <QLabel>

// A strip across the foot of a window that tells why the last save of a skin
// could not be used. It lies over the window's own controls, so the window
// keeps its layout, and follows the width of the widget it lies on. The text
// can be selected, so that an author can copy it.
class PreviewErrorStrip : public QLabel {
    Q_OBJECT

public:
    explicit PreviewErrorStrip(QWidget& over);

    void ShowError(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();
};
