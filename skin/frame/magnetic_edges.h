#pragma once

#include <QPoint>
#include <QRect>

// The edges of a window that stick to the edges of its work area while it is
// moved: an edge that comes within the magnetic size of an area edge jumps
// onto it, and stays there until the cursor has travelled more than that
// size on from where it stuck.
class TbsMagneticEdges {
public:
    // A move begins with the cursor at cursor.
    void Begin(const QPoint& cursor);
    // Forgets which edges stick (the window was sized or resized).
    void Clear();
    // The window rectangle for a move to proposed's top-left with the
    // cursor at cursor: proposed's size is the window's.
    QRect Snap(const QRect& proposed, const QRect& area, const QPoint& cursor, int magneticSize);

private:
    bool m_left { false };
    bool m_top { false };
    bool m_right { false };
    bool m_bottom { false };
    int m_cursorX { 0 };
    int m_cursorY { 0 };
};
