#pragma once

#include "skin/hints/skin_hint.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

class QWidget;

// A slider's value shown in a hint beside its thumb: above a horizontal
// thumb, right of a vertical one. While the thumb is dragged the hint stays
// and follows it; after a key press it shows for kKeyPause and goes.
class SliderValueHint : public QObject {
    Q_OBJECT

public:
    static constexpr int kKeyPause = 1200;
    static constexpr int kGap = 2;

    explicit SliderValueHint(QWidget& slider);

    TbsSkinHint* Hint() const { return m_hint; }
    void SetHint(TbsSkinHint* hint);

    // thumb is in the slider's coordinates.
    void ShowWhileDragging(const QRect& thumb, int value, bool horizontal);
    void ShowAfterKey(const QRect& thumb, int value, bool horizontal);
    // Takes the hint away if it still shows the value.
    void Hide();

private:
    void Show(const QRect& thumb, int value, bool horizontal);

    QWidget& m_slider;
    QPointer<TbsSkinHint> m_hint;
    bool m_showing { false };
    QString m_lastText;
    QTimer m_keyTimer;
};
