#pragma once

#include <QEvent>

class QPainter;

// Requests another component of the skin family may send a skinned form,
// answered by its frame controller. Like the skin messages they are custom
// events sent synchronously, keeping the numbers of the window messages they
// stand for; the answer comes back in the event.

// "Is this form skinned?": answered kFormFrameTakenOver, or
// kFormFrameOwnedBySystem while the window system draws the frame.
constexpr QEvent::Type WM_SKINFORM_QUERY = static_cast<QEvent::Type>(0xB1B2);
constexpr int kFormFrameTakenOver = 0x3235;
constexpr int kFormFrameOwnedBySystem = 0x3234;

// "Paint your frame here": the frame is drawn into the painter given (window
// coordinates); answered kFramePainted.
constexpr QEvent::Type WM_SKINFORM_PAINTFRAME = static_cast<QEvent::Type>(0xB1C9);
constexpr int kFramePainted = 0x3233;

// The same request guarded by a key: answered only when the key is
// kPaintFrameKey, with the key itself.
constexpr QEvent::Type WM_SKINFORM_PAINTFRAME_KEYED = static_cast<QEvent::Type>(0xBC4B);
constexpr int kPaintFrameKey = 0x41A2;

class TbsFormRequestEvent : public QEvent {
public:
    explicit TbsFormRequestEvent(QEvent::Type type, QPainter* painter = nullptr, int key = 0)
        : QEvent(type)
        , m_painter(painter)
        , m_key(key)
    {
    }
    QPainter* Painter() const { return m_painter; }
    int Key() const { return m_key; }
    // 0 while nobody answered.
    int Result() const { return m_result; }
    void SetResult(int result) { m_result = result; }

private:
    QPainter* m_painter;
    int m_key;
    int m_result { 0 };
};
