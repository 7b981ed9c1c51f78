#pragma once

#include <QScrollBar>
#include <functional>

// A hidden scroll bar given to a text editor in place of its own, only to learn
// every change of the editor's scroll state. QAbstractSlider reports range and
// value changes but not page step changes, an editor sets its range before its
// page step, and QPlainTextEdit moves the value with the bar's signals blocked;
// the handler here is called for each of them, so whoever mirrors the state
// always reads the final range, page and value.
class ScrollStateProbe : public QScrollBar {
    Q_OBJECT

public:
    explicit ScrollStateProbe(Qt::Orientation orientation, QWidget* parent = nullptr);

    void SetChangeHandler(std::function<void()> handler) { m_handler = std::move(handler); }

protected:
    void sliderChange(SliderChange change) override;

private:
    std::function<void()> m_handler;
};
