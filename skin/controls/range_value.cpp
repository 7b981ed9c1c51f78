#include "skin/controls/range_value.h"

#include <algorithm>

std::int64_t RangeValue::Upper() const
{
    return m_page > 0 ? std::int64_t { m_max } - m_page + 1 : m_max;
}

int RangeValue::Clamped(std::int64_t value) const
{
    return static_cast<int>(std::max<std::int64_t>(m_min, std::min(value, Upper())));
}

double RangeValue::Fraction() const
{
    if (Span() <= 0)
        return 0;
    return (static_cast<double>(m_value) - m_min) / static_cast<double>(Span());
}

bool RangeValue::SetValue(std::int64_t value)
{
    const int clamped = Clamped(value);
    if (clamped == m_value)
        return false;
    m_value = clamped;
    return true;
}
