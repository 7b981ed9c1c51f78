#pragma once

#include <QTimer>
#include <functional>

// The repetition of a held button or a held press on a track: the action runs
// once firstDelay ms after Start and then every interval ms until Stop. The
// scroll bar, the up-down, the slider's paging and the button share it.
class AutoRepeat {
public:
    explicit AutoRepeat(std::function<void()> action);

    void Start(int firstDelay, int interval);
    void Stop();
    bool IsActive() const { return m_timer.isActive(); }

private:
    void Tick();

    std::function<void()> m_action;
    QTimer m_timer;
    int m_interval { 0 };
};
