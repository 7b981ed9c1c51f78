#pragma once

#include "skin/controls/auto_repeat.h"
#include "skin/controls/range_value.h"
#include "skin/controls/skin_custom_control.h"

#include <cstdint>

// Two arrow buttons that step Position between Min and Max by Increment: the
// up button (right, or top when vertical) adds, the down button (left, or
// bottom) subtracts. A held button repeats, first after 500 ms and then every
// 100 ms. Drawn from an "updown" definition (the page control's tab scroller
// uses "hupdown"); without one, two plain buttons with arrows.
class TbsDataSkinUpDownControl;
class TbsSkinUpDown : public TbsSkinCustomControl {
    Q_OBJECT

public:
    static constexpr int kFirstRepeatDelay = 500;
    static constexpr int kRepeatInterval = 100;

    explicit TbsSkinUpDown(QWidget* parent = nullptr);

    int Min() const { return m_range.Min(); }
    int Max() const { return m_range.Max(); }
    // A max below min is taken as min. Position is kept inside the new range;
    // OnChange fires when that moves it.
    void SetRange(int min, int max);
    int Position() const { return m_range.Value(); }
    // Clamped to the range; OnChange fires when the position moves.
    void SetPosition(int position);
    int Increment() const { return m_increment; }
    void SetIncrement(int increment);

    Qt::Orientation Orientation() const { return m_orientation; }
    void SetOrientation(Qt::Orientation orientation);

    // Where the two buttons lie at the current size.
    QRect UpButtonRect() const;
    QRect DownButtonRect() const;

signals:
    void OnChange();

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Button { None, Up, Down };
    // Where a button's hot and pressed faces lie in the picture, taken at
    // the skin change.
    struct HotPieces {
        QRect active;
        QRect pressed;
    };

    Button ButtonAt(const QPoint& point) const;
    void Step(Button button);
    void MoveBy(std::int64_t delta);
    void RepeatTick();
    void SetHot(Button button);

    RangeValue m_range { 0, 100, 0 };
    int m_increment { 1 };
    Qt::Orientation m_orientation { Qt::Horizontal };
    Button m_hot { Button::None };
    Button m_pressed { Button::None };
    AutoRepeat m_repeat { [this] { RepeatTick(); } };
    KeptDefinition<TbsDataSkinUpDownControl> m_definition { *this };
    HotPieces m_upPieces;
    HotPieces m_downPieces;
    // The buttons on the face, in skin coordinates.
    QRect m_upButton;
    QRect m_downButton;
};
