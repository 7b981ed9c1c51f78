#include "skin/controls/auto_repeat.h"

AutoRepeat::AutoRepeat(std::function<void()> action)
    : m_action(std::move(action))
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
}

void AutoRepeat::Start(int firstDelay, int interval)
{
    m_interval = interval;
    m_timer.start(firstDelay);
}

void AutoRepeat::Stop()
{
    m_timer.stop();
}

void AutoRepeat::Tick()
{
    if (m_timer.interval() != m_interval)
        m_timer.setInterval(m_interval);
    // The action may stop the repetition, or start it anew.
    m_action();
}
