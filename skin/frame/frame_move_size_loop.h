#pragma once

#include <QPoint>
#include <QRect>
#include <functional>

class QWidget;

// The controller's own move and size loop, for window systems that will not
// move or size a window themselves: from the button press on a caption or a
// border, every mouse move places the window until the button is released.
class TbsFrameMoveSizeLoop {
public:
    // What the window adds to a move or size: its size limits (0 for no
    // maximum), and a look at each proposed geometry before it is applied
    // (moving may change it, to snap to an edge).
    struct Rules {
        std::function<QSize()> minimumSize;
        std::function<QSize()> maximumSize;
        std::function<void(QRect& proposed, const QPoint& cursor)> moving;
        std::function<void(const QRect& proposed)> sizing;
    };

    TbsFrameMoveSizeLoop(QWidget& window, Rules rules);

    // Starts a loop for hitCode (the caption moves, a border sizes) at the
    // global cursor position.
    void Begin(int hitCode, const QPoint& globalCursor);
    bool Running() const { return m_running; }
    // Follows the cursor.
    void Track(const QPoint& globalCursor);
    void End();

    // The window geometry for a cursor delta: moved for the caption, the
    // dragged edges moved for a border, kept within minSize and maxSize.
    static QRect Dragged(int hitCode, const QRect& start, const QPoint& delta, const QSize& minSize,
        const QSize& maxSize);

private:
    QWidget& m_window;
    Rules m_rules;
    bool m_running { false };
    int m_hitCode { 0 };
    QPoint m_pressCursor;
    QRect m_startGeometry;
};
