#include "skin/controls/slider_value_hint.h"

#include <QWidget>

SliderValueHint::SliderValueHint(QWidget& slider)
    : QObject(&slider)
    , m_slider(slider)
{
    m_keyTimer.setSingleShot(true);
    m_keyTimer.setInterval(kKeyPause);
    connect(&m_keyTimer, &QTimer::timeout, this, &SliderValueHint::Hide);
}

void SliderValueHint::SetHint(TbsSkinHint* hint)
{
    Hide();
    m_hint = hint;
}

void SliderValueHint::ShowWhileDragging(const QRect& thumb, int value, bool horizontal)
{
    m_keyTimer.stop();
    Show(thumb, value, horizontal);
}

void SliderValueHint::ShowAfterKey(const QRect& thumb, int value, bool horizontal)
{
    Show(thumb, value, horizontal);
    if (m_showing)
        m_keyTimer.start();
}

void SliderValueHint::Show(const QRect& thumb, int value, bool horizontal)
{
    if (!m_hint)
        return;
    const QString text = QString::number(value);
    const QSize size = m_hint->HintSize(text);
    const QRect onScreen(m_slider.mapToGlobal(thumb.topLeft()), thumb.size());
    const QPoint topLeft = horizontal
        ? QPoint(onScreen.center().x() - size.width() / 2, onScreen.top() - kGap - size.height())
        : QPoint(onScreen.right() + 1 + kGap, onScreen.center().y() - size.height() / 2);
    m_hint->ActivateHint(topLeft, text);
    m_showing = true;
    m_lastText = text;
}

void SliderValueHint::Hide()
{
    m_keyTimer.stop();
    if (!m_showing)
        return;
    m_showing = false;
    // Another hint may have taken the window meanwhile.
    if (m_hint && m_hint->HintText() == m_lastText)
        m_hint->HideHint();
}
