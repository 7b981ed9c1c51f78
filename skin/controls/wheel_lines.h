#pragma once

// Turns wheel turns into whole lines the way Qt's own scroll areas do: a notch
// (an angle delta of 120) is QApplication::wheelScrollLines() lines, the finer
// deltas of a touchpad add up until they make a line, a turn the other way
// drops what was gathered so far, and a delta of zero scrolls nothing.
class WheelLines {
public:
    // Lines to move for one wheel event: positive toward the end (the wheel
    // turned toward the user), negative toward the start.
    int Take(int angleDelta);

private:
    double m_pending { 0 };
};
