#pragma once

#include "skin/controls/auto_repeat.h"
#include "skin/controls/range_value.h"
#include "skin/controls/scroll_bar_skin_face.h"
#include "skin/controls/skin_custom_control.h"
#include "skin/controls/wheel_lines.h"

#include <QRect>
#include <array>
#include <cstdint>

enum class TScrollBarKind { sbHorizontal, sbVertical };

// A stand-alone skinned scroll bar: two arrow buttons, a track and a thumb,
// with Position kept between Min and Max (Max - PageSize + 1 when the thumb is
// proportional). The "up" button is the one that increases Position: at the
// bottom of a vertical bar and at the right of a horizontal one.
class TbsDataSkinScrollBarControl;
class TbsSkinScrollBar : public TbsSkinCustomControl {
    Q_OBJECT

public:
    // Where the bar's parts lie at its current size and values.
    struct Layout {
        QRect track;
        QRect thumb;
        QRect upButton;
        QRect downButton;
        // How far the thumb can travel along the axis, and where it is now.
        int thumbTravel { 0 };
        int thumbOffset { 0 };
    };

    enum PartIndex { kThumb = 0, kUpButton = 1, kDownButton = 2 };

    static constexpr int kFirstRepeatDelay = 500;
    static constexpr int kRepeatInterval = 50;

    explicit TbsSkinScrollBar(QWidget* parent = nullptr);

    TScrollBarKind Kind() const { return m_kind; }
    void SetKind(TScrollBarKind kind);
    bool IsVertical() const { return m_kind == TScrollBarKind::sbVertical; }

    int Min() const { return m_range.Min(); }
    // Raises a position below the new end to it; no event.
    void SetMin(int min);
    int Max() const { return m_range.Max(); }
    // Lowers a position the new end leaves outside to the last that fits; no
    // event.
    void SetMax(int max);
    int Position() const { return m_range.Value(); }
    // Clamped to the range; OnChange fires when the position moves.
    void SetPosition(int position);
    int PageSize() const { return m_range.Page(); }
    // Stored only while the page and the position still fit the range.
    void SetPageSize(int pageSize);
    int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int change);
    int LargeChange() const { return m_largeChange; }
    void SetLargeChange(int change);

    // Sets all four at once, as a linked editor does when its text changes:
    // clamps the position like SetPosition, repaints, fires no event.
    void SetRange(int min, int max, int pageSize, int position);

    bool CanFocused() const { return m_canFocused; }
    void SetCanFocused(bool canFocused);

    bool Both() const { return m_both; }
    void SetBoth(bool both);
    int BothMarkerWidth() const { return m_bothMarkerWidth; }
    // Negative widths are refused.
    void SetBothMarkerWidth(int width);
    const QString& BothSkinDataName() const { return m_bothSkinDataName; }
    void SetBothSkinDataName(const QString& name);

    Layout CalcLayout() const;

    // The part under the mouse (-1 for none) and the part held by a press.
    int HoveredPart() const { return m_hoveredPart; }
    int CapturedPart() const { return m_capturedPart; }

signals:
    void OnChange();
    void OnLastChange();
    // When connected, these replace the arrow buttons' own step.
    void OnUpButtonClick();
    void OnDownButtonClick();
    void OnPageUp();
    void OnPageDown();

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class RepeatMode { None, DownButton, UpButton, PageTowardMin, PageTowardMax };

    struct Part {
        bool mouseIn { false };
        bool down { false };
    };

    // Where the definition puts the bar's parts on its face, and the size
    // of the face, taken at the skin change.
    struct SkinPlaces {
        QRect face;
        QRect track;
        QRect upButton;
        QRect downButton;
    };

    Layout CalcDefaultLayout() const;
    Layout CalcSkinLayout(const TbsDataSkinScrollBarControl& definition) const;
    // How a part shows on the skin face: a button only while under the
    // mouse, the thumb also while it has the focus.
    ScrollBarPartLook ButtonLook(int part) const;
    ScrollBarPartLook ThumbLook() const;
    // Moves the position by delta, which may take it past either end.
    void MovePosition(std::int64_t delta);
    // Where the thumb sits between its ends, 0 .. 1.
    double ThumbFraction() const;
    int PartAt(const QPoint& point, const Layout& layout) const;
    int Along(const QPoint& point) const;
    int AlongStart(const QRect& rect) const;
    int AlongEnd(const QRect& rect) const;

    void PressArrow(int part);
    void StepArrow(int part);
    void PressTrack(const QPoint& point, const Layout& layout);
    bool PageStep(RepeatMode mode);
    void DragThumbTo(const QPoint& point);
    void StartRepeat(RepeatMode mode);
    void ResumeRepeat(RepeatMode mode);
    void StopRepeat();
    void RepeatTick();
    void SetHoveredPart(int part);
    void ReleaseCapture();

    TScrollBarKind m_kind { TScrollBarKind::sbHorizontal };
    RangeValue m_range { 0, 100, 0 };
    int m_smallChange { 1 };
    WheelLines m_wheel;
    int m_largeChange { 1 };
    bool m_canFocused { false };
    bool m_both { false };
    int m_bothMarkerWidth { 19 };
    QString m_bothSkinDataName { QStringLiteral("bothhscrollbar") };
    QString m_nameBeforeBoth;

    std::array<Part, 3> m_parts {};
    int m_hoveredPart { -1 };
    int m_capturedPart { -1 };
    bool m_dragging { false };
    int m_dragStartMouse { 0 };
    int m_dragStartOffset { 0 };
    QPoint m_mousePos;

    AutoRepeat m_repeat { [this] { RepeatTick(); } };
    RepeatMode m_repeatMode { RepeatMode::None };
    KeptDefinition<TbsDataSkinScrollBarControl> m_definition { *this };
    SkinPlaces m_skinPlaces;
    ScrollBarPartPictures m_partPictures;
};
