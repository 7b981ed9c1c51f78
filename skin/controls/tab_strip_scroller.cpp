#include "skin/controls/tab_strip_scroller.h"

#include "skin/controls/skin_up_down.h"

#include <QSignalBlocker>
#include <algorithm>

TabStripScroller::TabStripScroller(QWidget& owner, std::function<void()> moved)
    : m_owner(owner)
    , m_moved(std::move(moved))
{
}

TbsSkinUpDown* TabStripScroller::get() const
{
    return m_scroller;
}

int TabStripScroller::Position() const
{
    return m_scroller ? m_scroller->Position() : 0;
}

int TabStripScroller::Max() const
{
    return m_scroller ? m_scroller->Max() : 0;
}

int TabStripScroller::Update(int overflow, int scrolled, int height, bool atTop, const Skin& skin)
{
    if (overflow == 0) {
        // Freed later: a walk over the form's controls may hold it still.
        if (m_scroller) {
            m_scroller->hide();
            m_scroller->deleteLater();
            m_scroller = nullptr;
        }
        return 0;
    }
    if (!m_scroller) {
        m_scroller = new TbsSkinUpDown(&m_owner);
        m_scroller->resize(2 * height, height);
        Bind(skin);
        QObject::connect(m_scroller, &TbsSkinUpDown::OnChange, &m_owner, [this] { m_moved(); });
        m_scroller->show();
    }
    scrolled = std::min(scrolled, overflow);
    const QSignalBlocker quiet(m_scroller);
    m_scroller->SetRange(0, overflow);
    m_scroller->SetPosition(scrolled);
    const int top = atTop ? 0 : m_owner.height() - m_scroller->height();
    m_scroller->move(m_owner.width() - m_scroller->width(), top);
    m_scroller->raise();
    return scrolled;
}

void TabStripScroller::Bind(const Skin& skin)
{
    if (!m_scroller)
        return;
    m_scroller->SetSkinDataName(skin.skinDataName);
    m_scroller->SetSkinData(skin.skinData);
}

void TabStripScroller::SetPosition(int position)
{
    if (m_scroller)
        m_scroller->SetPosition(position);
}
