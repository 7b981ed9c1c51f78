#include "skin/controls/scroll_bar.h"

#include "skin/controls/fallback_drawing.h"
#include "skin/draw/system_colors.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/round_half_even.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>

namespace {

// Arrow buttons and the fixed thumb of the built-in look are this long.
constexpr int kDefaultButtonLength = 16;

void DrawDefaultPart(QPainter& painter, const QRect& rect, bool hovered, bool pressed)
{
    using fallback::PlainLook;
    fallback::PlainButtonFace(
        painter, rect, pressed && hovered ? PlainLook::Down : hovered ? PlainLook::Hot : PlainLook::Normal);
}

} // namespace

TbsSkinScrollBar::TbsSkinScrollBar(QWidget* parent)
    : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("hscrollbar"));
    resize(200, 19);
    SetDefaultHeight(19);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void TbsSkinScrollBar::SetKind(TScrollBarKind kind)
{
    m_kind = kind;
    FaceChanged();
}

void TbsSkinScrollBar::MovePosition(std::int64_t delta)
{
    SetPosition(m_range.Clamped(m_range.Value() + delta));
}

void TbsSkinScrollBar::SetPosition(int position)
{
    if (!m_range.SetValue(position))
        return;
    FaceChanged();
    ReportValueChange(m_range.Value());
    emit OnChange();
}

void TbsSkinScrollBar::SetRange(int min, int max, int pageSize, int position)
{
    const auto before = std::tuple(Min(), Max(), PageSize(), Position());
    m_range.SetMin(min);
    m_range.SetMax(max);
    m_range.SetPage(pageSize);
    m_range.SetValue(position);
    FaceChanged();
    if (std::tuple(Min(), Max(), PageSize(), Position()) != before)
        ReportValueChange(Position());
}

void TbsSkinScrollBar::SetMin(int min)
{
    if (min == Min())
        return;
    m_range.SetMin(min);
    // Only a position below the new end moves.
    if (Position() < min)
        m_range.SetValue(min);
    FaceChanged();
    ReportValueChange(Position());
}

void TbsSkinScrollBar::SetMax(int max)
{
    if (max == Max())
        return;
    m_range.SetMax(max);
    // A position the new end leaves outside becomes the last one that fits.
    m_range.Clamp();
    FaceChanged();
    ReportValueChange(Position());
}

void TbsSkinScrollBar::SetPageSize(int pageSize)
{
    if (pageSize != PageSize() && m_range.Span() + 1 >= std::int64_t { pageSize } + Position()) {
        m_range.SetPage(pageSize);
        ReportValueChange(Position());
    }
    FaceChanged();
}

void TbsSkinScrollBar::SetSmallChange(int change)
{
    m_smallChange = change;
}

void TbsSkinScrollBar::SetLargeChange(int change)
{
    m_largeChange = change;
}

void TbsSkinScrollBar::SetCanFocused(bool canFocused)
{
    m_canFocused = canFocused;
    setFocusPolicy(canFocused ? Qt::StrongFocus : Qt::NoFocus);
}

void TbsSkinScrollBar::SetBoth(bool both)
{
    if (both == m_both)
        return;
    m_both = both;
    if (both) {
        m_nameBeforeBoth = SkinDataName();
        SetSkinDataName(m_bothSkinDataName);
    } else {
        SetSkinDataName(m_nameBeforeBoth);
    }
    ChangeSkinData();
}

void TbsSkinScrollBar::SetBothMarkerWidth(int width)
{
    if (width < 0)
        return;
    m_bothMarkerWidth = width;
    FaceChanged();
}

void TbsSkinScrollBar::SetBothSkinDataName(const QString& name)
{
    m_bothSkinDataName = name;
}

double TbsSkinScrollBar::ThumbFraction() const
{
    double fraction = m_range.Fraction();
    if (PageSize() > 0) {
        const std::int64_t span = m_range.Upper() - Min();
        if (span > 0)
            fraction = (static_cast<double>(Position()) - Min()) / static_cast<double>(span);
        else
            fraction = IsVertical() ? 0 : 1;
    }
    return std::clamp(fraction, 0.0, 1.0);
}

TbsSkinScrollBar::Layout TbsSkinScrollBar::CalcLayout() const
{
    if (const auto* definition = m_definition.get())
        return CalcSkinLayout(*definition);
    return CalcDefaultLayout();
}

TbsSkinScrollBar::Layout TbsSkinScrollBar::CalcSkinLayout(const TbsDataSkinScrollBarControl& definition) const
{
    Layout layout;
    const bool vertical = IsVertical();
    const SkinPlaces& places = m_skinPlaces;
    // The face repeats its middle, so what lies past the definition's last
    // fixed point moves with the bar's far end.
    const int growth = vertical ? height() - places.face.height() : width() - places.face.width();
    const int farPart = vertical ? definition.leftBottomPoint.y() : definition.rightTopPoint.x();
    const auto place = [&](const QRect& rect) {
        if (AlongStart(rect) < farPart)
            return rect;
        return vertical ? rect.translated(0, growth) : rect.translated(growth, 0);
    };
    const QRect track = places.track.adjusted(0, 0, vertical ? 0 : growth, vertical ? growth : 0);
    layout.track = track;
    layout.upButton = place(places.upButton);
    layout.downButton = place(places.downButton);

    const QRect& thumbPicture = m_partPictures.thumb.normal;
    const int pictureLength = vertical ? thumbPicture.height() : thumbPicture.width();
    const int minLength = definition.thumbMinSize != 0 ? definition.thumbMinSize : pictureLength;
    const int trackStart = AlongStart(track);
    const int trackEnd = AlongEnd(track);
    const std::int64_t range = std::int64_t { Max() } - Min() + 1;
    int thumbLength = minLength;
    if (PageSize() > 0 && range > 0) {
        const double pageLength = static_cast<double>(trackEnd - trackStart) * PageSize() / range;
        thumbLength = std::max(minLength, RoundHalfEven(pageLength));
    }
    else if (PageSize() <= 0 && definition.thumbMinPageSize != 0)
        thumbLength = definition.thumbMinPageSize;
    const int half = std::max(0, thumbLength) / 2;

    const int firstCentre = trackStart + half;
    const int travel = trackEnd - half - firstCentre;
    // A track too short for the thumb keeps it at the start.
    layout.thumbTravel = std::max(0, travel);
    layout.thumbOffset = RoundHalfEven(ThumbFraction() * layout.thumbTravel);
    const int centre = firstCentre + layout.thumbOffset;

    const int across = vertical ? thumbPicture.width() : thumbPicture.height();
    const int acrossCentre = vertical ? track.left() + track.width() / 2 : track.top() + track.height() / 2;
    const int acrossStart = acrossCentre - across / 2;
    if (vertical)
        layout.thumb = QRect(acrossStart, centre - half, across, 2 * half);
    else
        layout.thumb = QRect(centre - half, acrossStart, 2 * half, across);
    return layout;
}

TbsSkinScrollBar::Layout TbsSkinScrollBar::CalcDefaultLayout() const
{
    Layout layout;
    const int w = width();
    const int h = height();
    const int b = kDefaultButtonLength;
    if (IsVertical()) {
        layout.downButton = QRect(1, 1, w - 2, b);
        layout.upButton = QRect(1, h - b - 1, w - 2, b);
        layout.track = QRect(1, b + 1, w - 2, h - 2 * b - 2);
    } else {
        const int end = m_both ? w - m_bothMarkerWidth : w;
        layout.downButton = QRect(1, 1, b, h - 2);
        layout.upButton = QRect(end - b - 1, 1, b, h - 2);
        layout.track = QRect(b + 1, 1, end - 2 * b - 2, h - 2);
    }

    const int trackLength = IsVertical() ? layout.track.height() : layout.track.width();
    int thumbLength = kDefaultButtonLength;
    const std::int64_t range = std::int64_t { Max() } - Min() + 1;
    if (PageSize() > 0 && range > 0)
        thumbLength = std::max(kDefaultButtonLength, RoundHalfEven(static_cast<double>(trackLength) * PageSize() / range));
    // A page larger than the range would push the thumb over the buttons.
    thumbLength = std::clamp(thumbLength, 0, std::max(0, trackLength));
    layout.thumbTravel = std::max(0, trackLength - thumbLength);
    layout.thumbOffset = RoundHalfEven(ThumbFraction() * layout.thumbTravel);
    if (IsVertical())
        layout.thumb = QRect(layout.track.left(), layout.track.top() + layout.thumbOffset, layout.track.width(), thumbLength);
    else
        layout.thumb = QRect(layout.track.left() + layout.thumbOffset, layout.track.top(), thumbLength, layout.track.height());
    return layout;
}

int TbsSkinScrollBar::Along(const QPoint& point) const
{
    return IsVertical() ? point.y() : point.x();
}

int TbsSkinScrollBar::AlongStart(const QRect& rect) const
{
    return IsVertical() ? rect.top() : rect.left();
}

int TbsSkinScrollBar::AlongEnd(const QRect& rect) const
{
    return IsVertical() ? rect.top() + rect.height() : rect.left() + rect.width();
}

int TbsSkinScrollBar::PartAt(const QPoint& point, const Layout& layout) const
{
    if (isEnabled() && layout.thumb.contains(point))
        return kThumb;
    if (layout.upButton.contains(point))
        return kUpButton;
    if (layout.downButton.contains(point))
        return kDownButton;
    return -1;
}

void TbsSkinScrollBar::CreateControlDefaultImage(QImage& image)
{
    image.fill(SkinColorToQColor(clBtnFace));
    const Layout layout = CalcLayout();
    QPainter painter(&image);
    const Part& down = m_parts[kDownButton];
    const Part& up = m_parts[kUpButton];
    DrawDefaultPart(painter, layout.downButton, down.mouseIn, down.down);
    DrawDefaultPart(painter, layout.upButton, up.mouseIn, up.down);
    if (isEnabled()) {
        const Part& thumb = m_parts[kThumb];
        const bool pressedLook = thumb.down || hasFocus();
        DrawDefaultPart(painter, layout.thumb, thumb.mouseIn || pressedLook, pressedLook);
    }
    const QColor arrow = SkinColorToQColor(clBlack);
    DrawArrowGlyph(painter, layout.downButton, IsVertical() ? ArrowDirection::Up : ArrowDirection::Left, arrow);
    DrawArrowGlyph(painter, layout.upButton, IsVertical() ? ArrowDirection::Down : ArrowDirection::Right, arrow);
}

ScrollBarPartLook TbsSkinScrollBar::ButtonLook(int part) const
{
    const Part& button = m_parts[part];
    if (!button.mouseIn)
        return ScrollBarPartLook::Normal;
    return button.down ? ScrollBarPartLook::Down : ScrollBarPartLook::Active;
}

ScrollBarPartLook TbsSkinScrollBar::ThumbLook() const
{
    const Part& thumb = m_parts[kThumb];
    if (thumb.down || hasFocus())
        return ScrollBarPartLook::Down;
    return thumb.mouseIn ? ScrollBarPartLook::Active : ScrollBarPartLook::Normal;
}

void TbsSkinScrollBar::CreateControlSkinImage(QImage& image)
{
    TbsSkinCustomControl::CreateControlSkinImage(image);
    const auto* definition = m_definition.get();
    if (!definition)
        return;
    const Layout layout = CalcLayout();
    const ScrollBarSkinParts parts {
        .vertical = IsVertical(),
        .upButton = layout.upButton,
        .downButton = layout.downButton,
        .thumb = layout.thumb,
        .upLook = ButtonLook(kUpButton),
        .downLook = ButtonLook(kDownButton),
        .thumbLook = ThumbLook(),
        .showThumb = isEnabled(),
        .composeThumb = PageSize() != 0 || definition->thumbMinPageSize != 0,
    };
    DrawScrollBarSkinParts(image, m_picture, *definition, m_partPictures, parts);
}

bool TbsSkinScrollBar::TakeDefinition(const TbsDataSkinControl* definition)
{
    const auto* kept = m_definition.Take(
        definition, [](const TbsDataSkinScrollBarControl& kind) { return IsDrawableScrollBar(kind); });
    if (kept) {
        m_skinPlaces = { .face = kept->skinRect.ToQRect(),
            .track = kept->trackArea.ToQRect(),
            .upButton = kept->upButtonRect.ToQRect(),
            .downButton = kept->downButtonRect.ToQRect() };
        m_partPictures = TakeScrollBarPartPictures(*kept);
    }
    return kept != nullptr;
}

void TbsSkinScrollBar::SetHoveredPart(int part)
{
    if (part == m_hoveredPart)
        return;
    m_hoveredPart = part;
    for (int i = 0; i < static_cast<int>(m_parts.size()); ++i)
        m_parts[i].mouseIn = i == part;
    FaceChanged();
}

void TbsSkinScrollBar::StepArrow(int part)
{
    if (part == kUpButton) {
        if (isSignalConnected(QMetaMethod::fromSignal(&TbsSkinScrollBar::OnUpButtonClick)))
            emit OnUpButtonClick();
        else
            MovePosition(m_smallChange);
    } else {
        if (isSignalConnected(QMetaMethod::fromSignal(&TbsSkinScrollBar::OnDownButtonClick)))
            emit OnDownButtonClick();
        else
            MovePosition(-std::int64_t { m_smallChange });
    }
}

void TbsSkinScrollBar::PressArrow(int part)
{
    m_capturedPart = part;
    m_parts[part].down = true;
    SetHoveredPart(part);
    FaceChanged();
    StepArrow(part);
    StartRepeat(part == kUpButton ? RepeatMode::UpButton : RepeatMode::DownButton);
}

bool TbsSkinScrollBar::PageStep(RepeatMode mode)
{
    const Layout layout = CalcLayout();
    const int mouse = Along(m_mousePos);
    if (mode == RepeatMode::PageTowardMin) {
        if (mouse >= AlongStart(layout.thumb))
            return false;
        MovePosition(-std::int64_t { m_largeChange });
        emit OnPageUp();
    } else {
        if (mouse < AlongEnd(layout.thumb))
            return false;
        MovePosition(m_largeChange);
        emit OnPageDown();
    }
    return true;
}

void TbsSkinScrollBar::PressTrack(const QPoint& point, const Layout& layout)
{
    const RepeatMode mode = Along(point) < AlongStart(layout.thumb) ? RepeatMode::PageTowardMin : RepeatMode::PageTowardMax;
    if (PageStep(mode))
        StartRepeat(mode);
}

void TbsSkinScrollBar::DragThumbTo(const QPoint& point)
{
    const Layout layout = CalcLayout();
    const int offset = m_dragStartOffset + Along(point) - m_dragStartMouse;
    const double fraction = layout.thumbTravel > 0 ? std::clamp(static_cast<double>(offset) / layout.thumbTravel, 0.0, 1.0) : 0.0;
    const std::int64_t span = m_range.Upper() - Min();
    SetPosition(m_range.Clamped(Min() + static_cast<std::int64_t>(std::nearbyint(fraction * static_cast<double>(span)))));
}

void TbsSkinScrollBar::StartRepeat(RepeatMode mode)
{
    m_repeatMode = mode;
    m_repeat.Start(kFirstRepeatDelay, kRepeatInterval);
}

void TbsSkinScrollBar::ResumeRepeat(RepeatMode mode)
{
    m_repeatMode = mode;
    m_repeat.Start(kRepeatInterval, kRepeatInterval);
}

void TbsSkinScrollBar::StopRepeat()
{
    m_repeat.Stop();
    m_repeatMode = RepeatMode::None;
}

void TbsSkinScrollBar::RepeatTick()
{
    switch (m_repeatMode) {
    case RepeatMode::UpButton:
        StepArrow(kUpButton);
        break;
    case RepeatMode::DownButton:
        StepArrow(kDownButton);
        break;
    case RepeatMode::PageTowardMin:
    case RepeatMode::PageTowardMax:
        if (!PageStep(m_repeatMode))
            StopRepeat();
        break;
    case RepeatMode::None:
        m_repeat.Stop();
        break;
    }
}

void TbsSkinScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TbsSkinCustomControl::mousePressEvent(event);
        return;
    }
    if (m_canFocused && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        if (!hasFocus())
            return;
    }
    m_mousePos = event->position().toPoint();
    const Layout layout = CalcLayout();
    const int part = PartAt(m_mousePos, layout);
    if (part == kThumb) {
        m_capturedPart = kThumb;
        m_parts[kThumb].down = true;
        m_dragging = true;
        m_dragStartMouse = Along(m_mousePos);
        m_dragStartOffset = layout.thumbOffset;
        SetHoveredPart(kThumb);
        FaceChanged();
    } else if (part == kUpButton || part == kDownButton) {
        PressArrow(part);
    } else if (isEnabled() && layout.track.contains(m_mousePos)) {
        PressTrack(m_mousePos, layout);
    }
}

void TbsSkinScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    m_mousePos = event->position().toPoint();
    if (m_dragging) {
        DragThumbTo(m_mousePos);
        return;
    }
    const Layout layout = CalcLayout();
    if (m_capturedPart == kUpButton || m_capturedPart == kDownButton) {
        Part& pressed = m_parts[m_capturedPart];
        const QRect& rect = m_capturedPart == kUpButton ? layout.upButton : layout.downButton;
        const bool inside = rect.contains(m_mousePos);
        if (inside != pressed.mouseIn) {
            pressed.mouseIn = inside;
            m_hoveredPart = inside ? m_capturedPart : -1;
            if (inside)
                ResumeRepeat(m_capturedPart == kUpButton ? RepeatMode::UpButton : RepeatMode::DownButton);
            else
                m_repeat.Stop();
            FaceChanged();
        }
        return;
    }
    if (m_repeatMode == RepeatMode::PageTowardMax && !rect().contains(m_mousePos)) {
        StopRepeat();
        return;
    }
    if (m_repeatMode == RepeatMode::None)
        SetHoveredPart(PartAt(m_mousePos, layout));
}

void TbsSkinScrollBar::ReleaseCapture()
{
    const bool wasDragging = m_dragging;
    m_dragging = false;
    for (Part& part : m_parts)
        part.down = false;
    m_capturedPart = -1;
    StopRepeat();
    FaceChanged();
    if (wasDragging)
        emit OnLastChange();
}

void TbsSkinScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TbsSkinCustomControl::mouseReleaseEvent(event);
        return;
    }
    ReleaseCapture();
    m_mousePos = event->position().toPoint();
    SetHoveredPart(rect().contains(m_mousePos) ? PartAt(m_mousePos, CalcLayout()) : -1);
}

void TbsSkinScrollBar::leaveEvent(QEvent* event)
{
    if (m_capturedPart == -1 && !m_dragging)
        SetHoveredPart(-1);
    TbsSkinCustomControl::leaveEvent(event);
}

void TbsSkinScrollBar::keyPressEvent(QKeyEvent* event)
{
    if (!m_canFocused) {
        TbsSkinCustomControl::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        MovePosition(-std::int64_t { m_smallChange });
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        MovePosition(m_smallChange);
        break;
    default:
        TbsSkinCustomControl::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TbsSkinScrollBar::wheelEvent(QWheelEvent* event)
{
    if (!m_canFocused || !hasFocus()) {
        event->ignore();
        return;
    }
    // A turn toward the user moves toward Max, a line being SmallChange.
    if (const int lines = m_wheel.Take(event->angleDelta().y()))
        MovePosition(std::int64_t { lines } * m_smallChange);
    event->accept();
}

void TbsSkinScrollBar::focusInEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusInEvent(event);
    FaceChanged();
}

void TbsSkinScrollBar::focusOutEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusOutEvent(event);
    FaceChanged();
}
