#include "skin/controls/skin_up_down.h"

#include "skin/controls/fallback_drawing.h"
#include "skin/data/control_definitions_scroll_bar.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/system_colors.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TbsSkinUpDown::TbsSkinUpDown(QWidget* parent)
    : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("hupdown"));
    setMouseTracking(true);
    resize(40, 20);
}

void TbsSkinUpDown::SetRange(int min, int max)
{
    m_range.SetMin(min);
    m_range.SetMax(std::max(min, max));
    // A position the new range leaves outside moves, as a user's step does.
    if (m_range.Clamp())
        emit OnChange();
    FaceChanged();
}

void TbsSkinUpDown::SetPosition(int position)
{
    if (m_range.SetValue(position))
        emit OnChange();
}

void TbsSkinUpDown::SetIncrement(int increment)
{
    if (increment > 0)
        m_increment = increment;
}

void TbsSkinUpDown::SetOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    FaceChanged();
}

bool TbsSkinUpDown::TakeDefinition(const TbsDataSkinControl* definition)
{
    const auto* kept = m_definition.Take(definition);
    if (kept) {
        // A button without a pressed picture shows its hot one while pressed.
        const auto pieces = [](const SkinRect& active, const SkinRect& down) {
            return HotPieces { .active = active.ToQRect(), .pressed = (down.IsEmpty() ? active : down).ToQRect() };
        };
        m_upPieces = pieces(kept->activeUpButtonRect, kept->downUpButtonRect);
        m_downPieces = pieces(kept->activeDownButtonRect, kept->downDownButtonRect);
        m_upButton = kept->upButtonRect.ToQRect();
        m_downButton = kept->downButtonRect.ToQRect();
    }
    return kept != nullptr;
}

QRect TbsSkinUpDown::UpButtonRect() const
{
    if (m_definition.get())
        return MapSkinRect(m_upButton);
    // Right half across, top half upright.
    if (m_orientation == Qt::Horizontal)
        return QRect(width() / 2, 0, width() - width() / 2, height());
    return QRect(0, 0, width(), height() / 2);
}

QRect TbsSkinUpDown::DownButtonRect() const
{
    if (m_definition.get())
        return MapSkinRect(m_downButton);
    if (m_orientation == Qt::Horizontal)
        return QRect(0, 0, width() / 2, height());
    return QRect(0, height() / 2, width(), height() - height() / 2);
}

TbsSkinUpDown::Button TbsSkinUpDown::ButtonAt(const QPoint& point) const
{
    if (UpButtonRect().contains(point))
        return Button::Up;
    if (DownButtonRect().contains(point))
        return Button::Down;
    return Button::None;
}

void TbsSkinUpDown::CreateControlDefaultImage(QImage& image)
{
    using fallback::PlainLook;
    QPainter painter(&image);
    painter.fillRect(LogicalRect(image), SkinColorToQColor(clBtnFace));
    const auto look = [this](Button button) {
        return m_pressed == button && m_hot == button ? PlainLook::Down
            : m_hot == button                         ? PlainLook::Hot
                                                      : PlainLook::Normal;
    };
    const QRect up = UpButtonRect();
    const QRect down = DownButtonRect();
    fallback::PlainButtonFace(painter, up, look(Button::Up));
    fallback::PlainButtonFace(painter, down, look(Button::Down));
    painter.end();
    const bool across = m_orientation == Qt::Horizontal;
    const QColor arrow = SkinColorToQColor(isEnabled() ? clBtnText : clBtnShadow);
    fallback::DrawArrowGlyph(image, up, across ? ArrowDirection::Right : ArrowDirection::Up, arrow);
    fallback::DrawArrowGlyph(image, down, across ? ArrowDirection::Left : ArrowDirection::Down, arrow);
}

void TbsSkinUpDown::CreateControlSkinImage(QImage& image)
{
    TbsSkinCustomControl::CreateControlSkinImage(image);
    if (!m_definition.get())
        return;
    // The composed face shows both buttons at rest; a hot or pressed button
    // is copied over it from its own picture.
    const auto picture = [this](Button button, const HotPieces& pieces) {
        if (m_hot != button)
            return QRect();
        return m_pressed == button ? pieces.pressed : pieces.active;
    };
    const QRect up = picture(Button::Up, m_upPieces);
    const QRect down = picture(Button::Down, m_downPieces);
    if (!up.isEmpty())
        DrawPiece(image, UpButtonRect(), m_picture, up);
    if (!down.isEmpty())
        DrawPiece(image, DownButtonRect(), m_picture, down);
}

void TbsSkinUpDown::Step(Button button)
{
    if (button == Button::Up)
        MoveBy(m_increment);
    else if (button == Button::Down)
        MoveBy(-std::int64_t { m_increment });
}

void TbsSkinUpDown::MoveBy(std::int64_t delta)
{
    if (m_range.SetValue(m_range.Value() + delta))
        emit OnChange();
}

void TbsSkinUpDown::SetHot(Button button)
{
    if (button == m_hot)
        return;
    m_hot = button;
    FaceChanged();
}

void TbsSkinUpDown::RepeatTick()
{
    // A held button steps only while the mouse is over it.
    if (m_hot == m_pressed)
        Step(m_pressed);
}

void TbsSkinUpDown::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TbsSkinCustomControl::mousePressEvent(event);
        return;
    }
    m_pressed = ButtonAt(event->position().toPoint());
    SetHot(m_pressed);
    if (m_pressed == Button::None)
        return;
    FaceChanged();
    Step(m_pressed);
    m_repeat.Start(kFirstRepeatDelay, kRepeatInterval);
}

void TbsSkinUpDown::mouseMoveEvent(QMouseEvent* event)
{
    SetHot(ButtonAt(event->position().toPoint()));
    TbsSkinCustomControl::mouseMoveEvent(event);
}

void TbsSkinUpDown::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TbsSkinCustomControl::mouseReleaseEvent(event);
        return;
    }
    m_repeat.Stop();
    m_pressed = Button::None;
    SetHot(ButtonAt(event->position().toPoint()));
    FaceChanged();
}

void TbsSkinUpDown::leaveEvent(QEvent* event)
{
    SetHot(Button::None);
    TbsSkinCustomControl::leaveEvent(event);
}
