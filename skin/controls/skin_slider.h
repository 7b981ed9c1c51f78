#pragma once

#include "skin/controls/auto_repeat.h"
#include "skin/controls/range_value.h"
#include "skin/controls/skin_control.h"
#include "skin/draw/system_colors.h"


#include <cstdint>

class SliderValueHint;
class TbsDataSkinSlider;
class TbsSkinHint;

enum TbsSliderOrientation { soHorizontal, soVertical };

enum TbsSliderOption : unsigned {
    soShowFocus = 1,
    soShowPoints = 2,
    soSmooth = 4,
    soRulerOpaque = 8,
    soThumbOpaque = 16,
};
using TbsSliderOptions = unsigned;

// A ruler with a thumb that selects an integer between MinValue and MaxValue:
// dragged with the mouse, paged by pressing on the ruler (one step at once,
// then one every 400 ms until the thumb reaches the mouse), or stepped with the
// arrow, Home and End keys. With a hint component it shows its value in a
// hint while the thumb is dragged or moved by a key.
class TbsSkinSlider : public TbsSkinControl {
    Q_OBJECT

public:
    static constexpr int kBorder = 6;
    static constexpr int kPageInterval = 400;

    explicit TbsSkinSlider(QWidget* parent = nullptr);

    int MinValue() const { return m_range.Min(); }
    // Refused unless it stays below MaxValue.
    void SetMinValue(int value);
    int MaxValue() const { return m_range.Max(); }
    // Refused unless it stays above MinValue.
    void SetMaxValue(int value);
    int Value() const { return m_range.Value(); }
    // Clamped to the range.
    void SetValue(int value);
    int Increment() const { return m_increment; }
    void SetIncrement(int increment);

    TbsSliderOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TbsSliderOrientation orientation);
    TbsSliderOptions Options() const { return m_options; }
    void SetOptions(TbsSliderOptions options);
    int EdgeSize() const { return m_edgeSize; }
    void SetEdgeSize(int edgeSize);
    int NumThumbStates() const { return m_numThumbStates; }
    void SetNumThumbStates(int states);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool UseSkinThumb() const { return m_useSkinThumb; }
    void SetUseSkinThumb(bool use);
    SkinColor Color() const { return m_color; }
    void SetColor(SkinColor color);

    TbsSkinHint* SkinHint() const;
    void SetSkinHint(TbsSkinHint* hint);

    // Where the thumb is now, and the ruler picture's place, in the control.
    QRect ThumbRect() const { return m_thumbRect; }
    QRect RulerRect() const { return QRect(m_rulerTopLeft, m_ruler.size()); }
    QRect TickArea() const { return m_tickArea; }
    // The thumb's travel in pixels.
    int TrackLength() const;
    bool Dragging() const { return m_dragging; }

    // The thumb's left (top, vertical) edge for a value, and back.
    int ValueToPosition(int value) const;
    int PositionToValue(int position) const;

    void ChangeSkinData() override;
    void ParentBackgroundChanged() override;

signals:
    void OnChange();
    void OnChanged();

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;

    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class PageDirection { None, Decrease, Increase };
    // Where the skin's thumbs and rulers lie in its picture, taken at the skin
    // change.
    struct SkinPieces {
        QRect horizontalThumb;
        QRect verticalThumb;
        QRect horizontalRuler;
        QRect verticalRuler;
    };

    bool IsHorizontal() const { return m_orientation == soHorizontal; }
    // MaxValue - MinValue, which need not fit an int.
    std::int64_t Range() const { return m_range.Span(); }
    // One end of the range moved: the increment and the value are brought
    // inside it.
    void RangeChanged();
    // The slider definition when the skin gives ruler and thumb.
    const TbsDataSkinSlider* SkinSlider() const;
    QImage ThumbPicture() const;
    int ThumbStates() const;
    QSize ThumbSize() const;
    QImage BuildRulerPicture() const;
    void Relayout();
    void PlaceThumb(int position);
    void StepTo(std::int64_t value);
    void StepIncrease();
    void StepDecrease();
    PageDirection DirectionTowards(const QPoint& point) const;
    void PageTick();
    void StopPaging();
    void DrawFace(QImage& image);
    void DrawPoints(QPainter& painter) const;

    RangeValue m_range { 0, 100, 0 };
    int m_increment { 10 };
    TbsSliderOrientation m_orientation { soHorizontal };
    TbsSliderOptions m_options { soShowFocus | soShowPoints | soSmooth };
    int m_edgeSize { 2 };
    int m_numThumbStates { 2 };
    bool m_transparent { false };
    bool m_useSkinThumb { true };
    SkinColor m_color { clBtnFace };

    QImage m_ruler;
    QPoint m_rulerTopLeft;
    QRect m_thumbRect;
    QRect m_tickArea;

    bool m_dragging { false };
    int m_grabOffset { 0 };
    PageDirection m_pageDirection { PageDirection::None };
    QPoint m_lastMousePoint;
    AutoRepeat m_paging { [this] { PageTick(); } };
    SliderValueHint* const m_valueHint;
    KeptDefinition<TbsDataSkinSlider> m_definition { *this };
    SkinPieces m_skinPieces;
};
