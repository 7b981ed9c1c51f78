#include "skin/controls/scroll_state_probe.h"

ScrollStateProbe::ScrollStateProbe(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
}

void ScrollStateProbe::sliderChange(SliderChange change)
{
    QScrollBar::sliderChange(change);
    if (m_handler)
        m_handler();
}
