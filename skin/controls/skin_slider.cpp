#include "skin/controls/skin_slider.h"

#include "skin/controls/fallback_drawing.h"
#include "skin/controls/slider_pictures.h"
#include "skin/controls/slider_value_hint.h"
#include "skin/data/control_definitions_sliders.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/round_half_even.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kRulerHitMargin = 3;
constexpr int kMinTickSpacing = 4;

} // namespace

TbsSkinSlider::TbsSkinSlider(QWidget* parent)
    : TbsSkinControl(parent)
    , m_valueHint(new SliderValueHint(*this))
{
    SetSkinDataName(QStringLiteral("slider"));
    setFocusPolicy(Qt::StrongFocus);
    resize(150, 40);
    Relayout();
}

void TbsSkinSlider::SetMinValue(int value)
{
    if (value >= m_range.Max() || value == m_range.Min())
        return;
    m_range.SetMin(value);
    RangeChanged();
}

void TbsSkinSlider::SetMaxValue(int value)
{
    if (value <= m_range.Min() || value == m_range.Max())
        return;
    m_range.SetMax(value);
    RangeChanged();
}

void TbsSkinSlider::RangeChanged()
{
    const int valueBefore = m_range.Value();
    if (Range() < m_increment)
        m_increment = static_cast<int>(Range());
    FaceChanged();
    SetValue(m_range.Value());
    // A value the new range leaves alone is still read again with the range.
    if (m_range.Value() == valueBefore)
        ReportValueChange(valueBefore);
}

void TbsSkinSlider::SetValue(int value)
{
    const bool changed = m_range.SetValue(value);
    PlaceThumb(ValueToPosition(m_range.Value()));
    if (!changed)
        return;
    ReportValueChange(m_range.Value());
    emit OnChange();
}

TbsSkinHint* TbsSkinSlider::SkinHint() const
{
    return m_valueHint->Hint();
}

void TbsSkinSlider::SetSkinHint(TbsSkinHint* hint)
{
    m_valueHint->SetHint(hint);
}

void TbsSkinSlider::SetIncrement(int increment)
{
    if (increment <= 0)
        return;
    m_increment = increment;
    FaceChanged();
}

void TbsSkinSlider::SetOrientation(TbsSliderOrientation orientation)
{
    m_orientation = orientation;
    Relayout();
}

void TbsSkinSlider::SetOptions(TbsSliderOptions options)
{
    m_options = options;
    Relayout();
}

void TbsSkinSlider::SetEdgeSize(int edgeSize)
{
    const QImage& picture = IsHorizontal() ? DefaultHorizontalRuler() : DefaultVerticalRuler();
    const int pictureLength = IsHorizontal() ? picture.width() : picture.height();
    if (edgeSize < 0 || 2 * edgeSize >= pictureLength)
        return;
    m_edgeSize = edgeSize;
    Relayout();
}

void TbsSkinSlider::SetNumThumbStates(int states)
{
    if (states != 1 && states != 2)
        return;
    m_numThumbStates = states;
    Relayout();
}

void TbsSkinSlider::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    FaceChanged();
}

void TbsSkinSlider::SetUseSkinThumb(bool use)
{
    m_useSkinThumb = use;
    Relayout();
}

void TbsSkinSlider::SetColor(SkinColor color)
{
    m_color = color;
    FaceChanged();
}

const TbsDataSkinSlider* TbsSkinSlider::SkinSlider() const
{
    return m_useSkinThumb ? m_definition.get() : nullptr;
}

QImage TbsSkinSlider::ThumbPicture() const
{
    const TbsDataSkinSlider* skin = SkinSlider();
    if (!skin)
        return IsHorizontal() ? DefaultHorizontalThumb() : DefaultVerticalThumb();
    // Only the part of the piece the picture holds: QImage::copy would make
    // a crafted rectangle's whole size, however far past the picture it
    // reaches (and copy the whole picture for an empty one).
    const QImage picture = SkinPicture(skin->pictureIndex);
    const QRect piece = (IsHorizontal() ? m_skinPieces.horizontalThumb : m_skinPieces.verticalThumb)
                            .intersected(picture.rect());
    return piece.isEmpty() ? QImage() : picture.copy(piece);
}

int TbsSkinSlider::ThumbStates() const
{
    // A skin thumb always holds its two states side by side.
    return SkinSlider() ? 2 : m_numThumbStates;
}

QSize TbsSkinSlider::ThumbSize() const
{
    const QImage thumb = ThumbPicture();
    return QSize(thumb.width() / ThumbStates(), thumb.height());
}

QImage TbsSkinSlider::BuildRulerPicture() const
{
    const TbsDataSkinSlider* skin = SkinSlider();
    if (!skin) {
        if (IsHorizontal())
            return BuildRuler(DefaultHorizontalRuler(), m_edgeSize, width() - 2 * kBorder, true);
        return BuildRuler(DefaultVerticalRuler(), m_edgeSize, height() - 2 * kBorder, false);
    }
    QImage ruler;
    const QImage picture = SkinPicture(skin->pictureIndex);
    if (IsHorizontal())
        ComposeSkinImageHorz(
            ruler, picture, m_skinPieces.horizontalRuler, skin->edgeSize, skin->edgeSize, width() - 2 * kBorder, false);
    else
        ComposeSkinImageVert(
            ruler, picture, m_skinPieces.verticalRuler, skin->edgeSize, skin->edgeSize, height() - 2 * kBorder, false);
    return ruler;
}

int TbsSkinSlider::TrackLength() const
{
    const QSize thumb = ThumbSize();
    return IsHorizontal() ? m_ruler.width() - thumb.width() : m_ruler.height() - thumb.height();
}

void TbsSkinSlider::Relayout()
{
    const QSize thumb = ThumbSize();
    if (IsHorizontal()) {
        m_ruler = BuildRulerPicture();
        const int rulerHeight = m_ruler.height();
        if (rulerHeight < thumb.height()) {
            m_thumbRect = QRect(QPoint(kBorder, kBorder), thumb);
            m_rulerTopLeft = QPoint(kBorder, (thumb.height() - rulerHeight) / 2 + kBorder);
        } else {
            m_thumbRect = QRect(QPoint(kBorder, (rulerHeight - thumb.height()) / 2 + kBorder), thumb);
            m_rulerTopLeft = QPoint(kBorder, kBorder);
        }
        const int tickTop = kBorder + std::max(rulerHeight, thumb.height()) + 1;
        m_tickArea
            = QRect(QPoint(m_rulerTopLeft.x(), tickTop), QPoint(m_rulerTopLeft.x() + m_ruler.width(), height() - 1));
    } else {
        m_ruler = BuildRulerPicture();
        const int rulerWidth = m_ruler.width();
        if (rulerWidth < thumb.width()) {
            m_thumbRect = QRect(QPoint(kBorder, kBorder), thumb);
            m_rulerTopLeft = QPoint((thumb.width() - rulerWidth) / 2 + kBorder, kBorder);
        } else {
            m_thumbRect = QRect(QPoint((rulerWidth - thumb.width()) / 2 + kBorder, kBorder), thumb);
            m_rulerTopLeft = QPoint(kBorder, kBorder);
        }
        const int tickLeft = kBorder + std::max(rulerWidth, thumb.width()) + 1;
        m_tickArea
            = QRect(QPoint(tickLeft, m_rulerTopLeft.y()), QPoint(width() - 1, m_rulerTopLeft.y() + m_ruler.height()));
    }
    SetValue(m_range.Value());
    FaceChanged();
}

int TbsSkinSlider::ValueToPosition(int value) const
{
    const std::int64_t range = Range();
    const int track = TrackLength();
    // An empty range or track keeps the thumb at the start.
    const int offset = range > 0 && track > 0
        ? static_cast<int>(DivideRoundHalfEven(static_cast<std::int64_t>(track) * (value - std::int64_t { m_range.Min() }), range))
        : 0;
    const int position = IsHorizontal() ? kBorder + offset : height() - kBorder - offset - ThumbSize().height();
    return std::max(position, kBorder);
}

int TbsSkinSlider::PositionToValue(int position) const
{
    if (!IsHorizontal())
        position = height() - position - ThumbSize().height();
    const int track = TrackLength();
    const std::int64_t range = Range();
    if (track <= 0 || range <= 0)
        return m_range.Min();
    const std::int64_t scaled = static_cast<std::int64_t>(position - kBorder) * range;
    std::int64_t offset = DivideRoundHalfEven(scaled, track);
    if (!(m_options & soSmooth))
        offset = m_increment * DivideRoundHalfEven(offset, m_increment);
    return static_cast<int>(std::min(std::max<std::int64_t>(offset, 0) + m_range.Min(), std::int64_t { m_range.Max() }));
}

void TbsSkinSlider::PlaceThumb(int position)
{
    const int track = std::max(0, TrackLength());
    position = std::clamp(position, kBorder, kBorder + track);
    const int snappedValue = PositionToValue(position);
    position = std::min(ValueToPosition(snappedValue), kBorder + track);
    const QRect old = m_thumbRect;
    if (IsHorizontal())
        m_thumbRect.moveLeft(position);
    else
        m_thumbRect.moveTop(position);
    FaceChanged(old);
    FaceChanged(m_thumbRect);
    if (m_dragging && snappedValue != m_range.Value()) {
        m_range.SetValue(snappedValue);
        emit OnChange();
    }
    if (m_dragging)
        m_valueHint->ShowWhileDragging(m_thumbRect, m_range.Value(), IsHorizontal());
}

void TbsSkinSlider::StepTo(std::int64_t value)
{
    const int clamped = m_range.Clamped(value);
    if (clamped != m_range.Value())
        SetValue(clamped);
}

void TbsSkinSlider::StepIncrease()
{
    StepTo(m_increment + m_increment * DivideRoundHalfEven(m_range.Value(), m_increment));
}

void TbsSkinSlider::StepDecrease()
{
    StepTo(m_increment * DivideRoundHalfEven(m_range.Value(), m_increment) - m_increment);
}

TbsSkinSlider::PageDirection TbsSkinSlider::DirectionTowards(const QPoint& point) const
{
    if (IsHorizontal()) {
        if (point.x() < m_thumbRect.left())
            return PageDirection::Decrease;
        if (point.x() > m_thumbRect.right())
            return PageDirection::Increase;
    } else {
        // Larger values sit higher.
        if (point.y() > m_thumbRect.bottom())
            return PageDirection::Decrease;
        if (point.y() < m_thumbRect.top())
            return PageDirection::Increase;
    }
    return PageDirection::None;
}

void TbsSkinSlider::PageTick()
{
    if (DirectionTowards(m_lastMousePoint) != m_pageDirection)
        return;
    if (m_pageDirection == PageDirection::Increase)
        StepIncrease();
    else
        StepDecrease();
}

void TbsSkinSlider::StopPaging()
{
    m_paging.Stop();
    m_pageDirection = PageDirection::None;
}

void TbsSkinSlider::ChangeSkinData()
{
    TbsSkinControl::ChangeSkinData();
    Relayout();
}

void TbsSkinSlider::ParentBackgroundChanged()
{
    if (m_transparent)
        FaceChanged();
}

void TbsSkinSlider::CreateControlDefaultImage(QImage& image)
{
    DrawFace(image);
}

void TbsSkinSlider::CreateControlSkinImage(QImage& image)
{
    DrawFace(image);
}

void TbsSkinSlider::DrawPoints(QPainter& painter) const
{
    const std::int64_t range = Range();
    const int track = TrackLength();
    if (range <= 0 || track <= 0)
        return;
    // The finest spacing of whole increments that keeps the ticks apart. Every
    // step below range * k / (increment * (track + k)) gives more than
    // track / k + 1/2 ticks, too close together, so the search starts there
    // rather than walking a wide range one step at a time.
    std::int64_t step = 1;
    if (track >= kMinTickSpacing)
        step = std::max<std::int64_t>(1, range * kMinTickSpacing / (std::int64_t { m_increment } * (track + kMinTickSpacing)));
    std::int64_t count = 0;
    for (;; ++step) {
        count = DivideRoundHalfEven(range, static_cast<std::int64_t>(m_increment) * step);
        const std::int64_t spacing = count > 0 ? track / count : track;
        if (spacing >= kMinTickSpacing || spacing >= track)
            break;
    }
    const TbsDataSkinSlider* skin = SkinSlider();
    const QColor color = SkinColorToQColor(skin ? skin->pointsColor : clWindowText);
    const QSize thumb = ThumbSize();
    for (std::int64_t i = 0; i <= count; ++i) {
        const int value = i == count ? m_range.Max() : static_cast<int>(m_range.Min() + m_increment * step * i);
        const int length = (i == 0 || i == count) ? 5 : 3;
        const int position = ValueToPosition(value);
        if (IsHorizontal())
            painter.fillRect(QRect(position + thumb.width() / 2, m_tickArea.top(), 1, length), color);
        else
            painter.fillRect(QRect(m_tickArea.left(), position + thumb.height() / 2, length, 1), color);
    }
}

void TbsSkinSlider::DrawFace(QImage& image)
{
    const TbsDataSkinSlider* skin = SkinSlider();
    if (m_transparent)
        DrawParentBackground(image);
    else
        image.fill(SkinColorToQColor(skin ? skin->bgColor : m_color));

    QPainter painter(&image);
    if (!skin && (m_options & soRulerOpaque))
        painter.drawImage(m_rulerTopLeft, m_ruler);
    else
        DrawGlyphFrame(painter, m_rulerTopLeft, m_ruler, 1, 1);

    if ((m_options & soShowPoints))
        DrawPoints(painter);

    // While painting a copy elsewhere the thumb follows Value, not the
    // possibly stale stored place.
    QRect thumbRect = m_thumbRect;
    if (!IsPainting()) {
        if (IsHorizontal())
            thumbRect.moveLeft(ValueToPosition(m_range.Value()));
        else
            thumbRect.moveTop(ValueToPosition(m_range.Value()));
    }
    const bool secondState = (m_dragging || !isEnabled()) && ThumbStates() == 2;
    const QImage thumb
        = ThumbPicture().copy(secondState ? thumbRect.width() : 0, 0, thumbRect.width(), thumbRect.height());
    if (!skin && (m_options & soThumbOpaque))
        painter.drawImage(thumbRect.topLeft(), thumb);
    else
        DrawGlyphFrame(painter, thumbRect.topLeft(), thumb, 1, 1);
    painter.end();

    if ((m_options & soShowFocus) && hasFocus())
        fallback::DrawFocusRect(image, LogicalRect(image).adjusted(2, 2, -2, -2));
}

void TbsSkinSlider::resizeEvent(QResizeEvent* event)
{
    TbsSkinControl::resizeEvent(event);
    Relayout();
}

void TbsSkinSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TbsSkinControl::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    if (m_thumbRect.contains(point)) {
        m_dragging = true;
        m_grabOffset = IsHorizontal() ? point.x() - m_thumbRect.left() : point.y() - m_thumbRect.top();
        FaceChanged(m_thumbRect);
        m_valueHint->ShowWhileDragging(m_thumbRect, m_range.Value(), IsHorizontal());
        return;
    }
    const QRect hitArea = IsHorizontal() ? RulerRect().adjusted(0, -kRulerHitMargin, 0, kRulerHitMargin)
                                         : RulerRect().adjusted(-kRulerHitMargin, 0, kRulerHitMargin, 0);
    if (!hitArea.contains(point))
        return;
    m_lastMousePoint = point;
    m_pageDirection = DirectionTowards(point);
    if (m_pageDirection == PageDirection::None)
        return;
    PageTick();
    m_paging.Start(kPageInterval, kPageInterval);
}

void TbsSkinSlider::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click neither drags nor pages again.
    event->accept();
}

void TbsSkinSlider::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        PlaceThumb((IsHorizontal() ? point.x() : point.y()) - m_grabOffset);
    else if (m_pageDirection != PageDirection::None)
        m_lastMousePoint = point;
    TbsSkinControl::mouseMoveEvent(event);
}

void TbsSkinSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TbsSkinControl::mouseReleaseEvent(event);
        return;
    }
    if (m_pageDirection != PageDirection::None) {
        StopPaging();
        emit OnChanged();
    }
    if (m_dragging) {
        m_dragging = false;
        FaceChanged(m_thumbRect);
        m_valueHint->Hide();
        emit OnChanged();
    }
}

void TbsSkinSlider::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::ShiftModifier) {
        TbsSkinControl::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Home:
        StepTo(m_range.Min());
        break;
    case Qt::Key_End:
        StepTo(m_range.Max());
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!IsHorizontal()) {
            TbsSkinControl::keyPressEvent(event);
            return;
        }
        event->key() == Qt::Key_Right ? StepIncrease() : StepDecrease();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (IsHorizontal()) {
            TbsSkinControl::keyPressEvent(event);
            return;
        }
        event->key() == Qt::Key_Up ? StepIncrease() : StepDecrease();
        break;
    default:
        TbsSkinControl::keyPressEvent(event);
        return;
    }
    m_valueHint->ShowAfterKey(m_thumbRect, m_range.Value(), IsHorizontal());
    emit OnChanged();
}

void TbsSkinSlider::focusInEvent(QFocusEvent* event)
{
    TbsSkinControl::focusInEvent(event);
    if (m_options & soShowFocus)
        FaceChanged();
}

void TbsSkinSlider::focusOutEvent(QFocusEvent* event)
{
    TbsSkinControl::focusOutEvent(event);
    m_valueHint->Hide();
    if (m_options & soShowFocus)
        FaceChanged();
}

bool TbsSkinSlider::TakeDefinition(const TbsDataSkinControl* definition)
{
    const auto* kept = m_definition.Take(definition);
    if (kept)
        m_skinPieces = { .horizontalThumb = kept->hThumbRect.ToQRect(),
            .verticalThumb = kept->vThumbRect.ToQRect(),
            .horizontalRuler = kept->hRulerRect.ToQRect(),
            .verticalRuler = kept->vRulerRect.ToQRect() };
    return kept != nullptr;
}
