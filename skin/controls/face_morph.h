#pragma once

#include <QTimer>
#include <functional>

class TbsSkinControl;

// The blend of a control's face between its normal and its mouse-over look:
// every 20 ms a fifth of the way towards the mouse-over face while
// towardsActive holds, back otherwise, the owner repainted at every step.
// The timer stops once the face has arrived.
class FaceMorph {
public:
    static constexpr int kInterval = 20;
    static constexpr int kSteps = 5;

    FaceMorph(TbsSkinControl& owner, std::function<bool()> towardsActive);

    // 0 for the normal face, 1 for the mouse-over face.
    double Progress() const { return static_cast<double>(m_step) / kSteps; }
    bool Blending() const { return m_step > 0 && m_step < kSteps; }
    bool Complete() const { return m_step == kSteps; }
    bool Running() const { return m_timer.isActive(); }

    void Start();
    void Stop();
    // Jumps to one end at once.
    void SetComplete(bool complete) { m_step = complete ? kSteps : 0; }

private:
    void Tick();

    TbsSkinControl& m_owner;
    std::function<bool()> m_towardsActive;
    int m_step { 0 };
    QTimer m_timer;
};
