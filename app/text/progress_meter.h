#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>

// Told how far a shuffle has come, from 0 to 100, a few hundred times on a long
// article. A shuffle is abandoned by throwing from it; the exception then
// leaves the shuffle, whose generator has made some of its draws.
using ShuffleProgress = std::function<void(int percent)>;

// Counts work done and tells the progress callback each time another
// percent of the whole is reached.
class ProgressMeter {
public:
    ProgressMeter(const ShuffleProgress& progress, std::size_t totalWork)
        : m_progress(progress)
        , m_totalWork(std::max<std::size_t>(totalWork, 1))
    {
    }

    void Advance(std::size_t work)
    {
        m_done += work;
        if (m_progress && m_done >= m_nextReport)
            Report();
    }

    void Finish()
    {
        m_done = m_totalWork;
        if (m_progress)
            Report();
    }

private:
    void Report()
    {
        auto const percent = int(std::min<std::size_t>(m_done * 100 / m_totalWork, 100));
        m_progress(percent);
        m_nextReport = (std::size_t(percent) + 1) * m_totalWork / 100 + 1;
    }

    const ShuffleProgress& m_progress;
    std::size_t m_totalWork;
    std::size_t m_done { 0 };
    std::size_t m_nextReport { 0 };
};
