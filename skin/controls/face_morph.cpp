#include "skin/controls/face_morph.h"

#include "skin/controls/skin_control.h"

FaceMorph::FaceMorph(TbsSkinControl& owner, std::function<bool()> towardsActive)
    : m_owner(owner)
    , m_towardsActive(std::move(towardsActive))
{
    m_timer.setInterval(kInterval);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Tick(); });
}

void FaceMorph::Start()
{
    m_timer.start();
}

void FaceMorph::Stop()
{
    m_timer.stop();
}

void FaceMorph::Tick()
{
    const bool towardsActive = m_towardsActive();
    if (towardsActive && m_step < kSteps) {
        ++m_step;
    } else if (!towardsActive && m_step > 0) {
        --m_step;
    } else {
        SetComplete(towardsActive);
        m_timer.stop();
    }
    m_owner.FaceChanged();
}
