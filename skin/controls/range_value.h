#pragma once

#include <cstdint>

// An integer value between a minimum and a maximum, the one range model of
// the gauge, the slider, the scroll bar and the up-down. With a page (a
// scroll bar's proportional thumb) the value stops at Max - Page + 1. Bounds
// that cross (while a range is being set up) leave the value at Min.
//
// It only keeps numbers: each control decides which bounds it accepts and
// what a change fires, as its own published rules say.
class RangeValue {
public:
    RangeValue(int min, int max, int value)
        : m_min(min)
        , m_max(max)
        , m_value(value)
    {
    }

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Value() const { return m_value; }
    int Page() const { return m_page; }

    // Max - Min, without overflow.
    std::int64_t Span() const { return std::int64_t { m_max } - m_min; }
    // The highest value the range and the page allow.
    std::int64_t Upper() const;
    // value brought into Min .. Upper, Min winning when they cross.
    int Clamped(std::int64_t value) const;
    // Where the value lies between Min and Max, 0 to 1; 0 for an empty or
    // crossed span.
    double Fraction() const;

    // Each returns whether the value moved.
    bool SetValue(std::int64_t value);
    // Brings the value into the range after the bounds or the page moved.
    bool Clamp() { return SetValue(m_value); }

    // These store without touching the value.
    void SetMin(int min) { m_min = min; }
    void SetMax(int max) { m_max = max; }
    void SetPage(int page) { m_page = page; }

private:
    int m_min;
    int m_max;
    int m_value;
    int m_page { 0 };
};
