#include "skin/controls/skin_button.h"

#include "skin/controls/animation_frame.h"
#include "skin/controls/fallback_drawing.h"
#include "skin/draw/skin_font.h"
#include "skin/data/control_definitions_buttons.h"
#include "skin/data/skin_data.h"
#include "skin/draw/glyph_text_layout.h"
#include "skin/draw/morph.h"
#include "skin/draw/engine_bitmap.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TbsSkinButton::TbsSkinButton(QWidget* parent)
    : TbsSkinActiveControl(parent)
{
    SetSkinDataName(QStringLiteral("button"));
    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_animationTimer, &QTimer::timeout, this, &TbsSkinButton::AnimationTick);
}

void TbsSkinButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    FaceChanged();
}

void TbsSkinButton::SetUseSkinSize(bool use)
{
    m_useSkinSize = use;
    ChangeSkinData();
}

void TbsSkinButton::SetUseSkinFontColor(bool use)
{
    m_useSkinFontColor = use;
    FaceChanged();
}

void TbsSkinButton::SetRepeatInterval(int interval)
{
    if (interval > 0)
        m_repeatInterval = interval;
}

void TbsSkinButton::SetDown(bool down)
{
    if (m_down == down)
        return;
    m_down = down;
    // A pressed button shows the full mouse-over face at once and fades
    // back from it after release.
    if (MorphEnabled()) {
        m_morph.SetComplete(true);
        if (down)
            m_morph.Stop();
        else
            m_morph.Start();
    }
    FaceChanged();
    if (down && m_groupIndex != 0 && !m_allowAllUp && parentWidget()) {
        const auto siblings = parentWidget()->findChildren<TbsSkinButton*>(Qt::FindDirectChildrenOnly);
        for (TbsSkinButton* sibling : siblings) {
            if (sibling != this && sibling->m_groupIndex == m_groupIndex)
                sibling->SetDown(false);
        }
    }
}

void TbsSkinButton::SetGroupIndex(int index)
{
    m_groupIndex = index;
    if (index != 0)
        SetCanFocused(false);
    // A grouped button shows its Down state wherever the mouse is.
    FaceChanged();
}

bool TbsSkinButton::MorphEnabled() const
{
    return MorphEnabledBy(m_definition.get());
}

bool TbsSkinButton::AnimationEnabled() const
{
    const auto* definition = m_definition.get();
    return definition && !definition->animateSkinRect.IsEmpty() && definition->frameCount > 0 && SkinEffectsEnabled();
}

void TbsSkinButton::StartAnimation(bool forward)
{
    if (!AnimationEnabled())
        return;
    const auto* definition = m_definition.get();
    m_animationForward = forward;
    m_animationFrame = forward ? 1 : definition->frameCount;
    m_animationTimer.start(std::max(1, definition->animateInterval));
    FaceChanged();
}

void TbsSkinButton::StopAnimation()
{
    if (!m_animationTimer.isActive())
        return;
    m_animationTimer.stop();
    FaceChanged();
}

void TbsSkinButton::AnimationTick()
{
    const auto* definition = m_definition.get();
    if (!definition) {
        StopAnimation();
        return;
    }
    if (m_animationForward) {
        if (m_animationFrame > definition->frameCount) {
            StopAnimation();
            return;
        }
        ++m_animationFrame;
    } else {
        --m_animationFrame;
        if (m_animationFrame <= 0)
            m_animationTimer.stop();
    }
    FaceChanged();
}

QRect TbsSkinButton::AnimationFrameRect() const
{
    return AnimationFrame(
        m_faces.animationStrip, m_definition.get()->frameCount, m_animationFrame, m_faces.looks.normal.width());
}

void TbsSkinButton::ChangeSkinData()
{
    m_morph.Stop();
    StopAnimation();
    TbsSkinActiveControl::ChangeSkinData();
    m_morph.SetComplete(IsActive());
}

void TbsSkinButton::SetMargin(int margin)
{
    if (margin < -1)
        return;
    m_margin = margin;
    FaceChanged();
}

void TbsSkinButton::SetSpacing(int spacing)
{
    m_spacing = spacing;
    FaceChanged();
}

void TbsSkinButton::GetSkinData()
{
    TbsSkinActiveControl::GetSkinData();
    // A face stretched to any size no longer fits the mask's shape.
    if (!m_useSkinSize)
        m_maskPicture = {};
}

void TbsSkinButton::SetGlyph(const QImage& glyph)
{
    m_glyph = glyph;
    FaceChanged();
}

void TbsSkinButton::SetNumGlyphs(int count)
{
    if (count < 1 || count > 4)
        return;
    m_numGlyphs = count;
    FaceChanged();
}

void TbsSkinButton::SetLayout(TbsButtonLayout layout)
{
    m_layout = layout;
    FaceChanged();
}

void TbsSkinButton::DrawCaptionAndGlyph(QPainter& painter, const QRect& area, bool active, bool down) const
{
    int frame = isEnabled() || m_numGlyphs < 2 ? 1 : 2;
    if (active && down && m_numGlyphs > 2)
        frame = 3;
    else if (active && !down && m_numGlyphs > 3)
        frame = 4;
    DrawGlyphAndText(painter, area, m_margin, m_spacing, m_layout, m_caption, m_glyph, m_numGlyphs,
        frame, active && down, {});
}

void TbsSkinButton::CalcSize(int& width, int& height)
{
    if (m_useSkinSize)
        TbsSkinActiveControl::CalcSize(width, height);
}

void TbsSkinButton::ButtonClick()
{
    emit OnClick();
}

bool TbsSkinButton::ShowsPressed() const
{
    if (m_groupIndex != 0)
        return m_down;
    return m_down && (MouseInside() || (hasFocus() && !m_pressedWithMouse));
}

FaceInputs TbsSkinButton::CurrentFaceInputs() const
{
    FaceInputs inputs = TbsSkinActiveControl::CurrentFaceInputs();
    inputs.pressed = ShowsPressed();
    return inputs;
}

void TbsSkinButton::CreateControlDefaultImage(QImage& image)
{
    using fallback::PlainLook;
    const bool pressed = ShowsPressed();
    QPainter painter(&image);
    fallback::PlainButtonFace(
        painter, LogicalRect(image), pressed ? PlainLook::Down : IsActive() ? PlainLook::Hot : PlainLook::Normal);
    painter.setFont(DefaultFont());
    painter.setPen(SkinColorToQColor(isEnabled() ? DefaultFontColor() : clBtnShadow));
    DrawCaptionAndGlyph(painter, LogicalRect(image), pressed || IsActive(), pressed);
}

void TbsSkinButton::CreateControlSkinImage(QImage& image)
{
    const auto* definition = m_definition.get();
    const bool animating = m_animationTimer.isActive();
    QRect normal = m_faces.looks.normal;
    QRect active = m_faces.looks.hot;
    // A running animation shows its frame in place of the face it leads to
    // (forward) or comes from (backward).
    if (animating && m_animationForward)
        active = AnimationFrameRect();
    else if (animating)
        normal = AnimationFrameRect();
    const bool morphing = MorphEnabled();
    if (morphing && isEnabled() && m_morph.Blending()) {
        QImage target = image;
        CreateButtonImage(image, normal, false, false);
        CreateButtonImage(target, active, true, false);
        Morph(image, target, MorphProgress(), definition->morphKind);
        return;
    }
    if (!isEnabled() && !m_faces.disabled.isEmpty())
        CreateButtonImage(image, m_faces.disabled, false, false);
    else if (ShowsPressed())
        CreateButtonImage(image, m_faces.looks.down, true, true);
    else if (hasFocus() && CanFocused() && !m_faces.focused.isEmpty() && !animating)
        CreateButtonImage(image, m_faces.focused, true, false);
    else if (IsActive() || (morphing && m_morph.Complete()) || (animating && m_animationForward))
        CreateButtonImage(image, active, true, false);
    else
        CreateButtonImage(image, normal, false, false);
}

QRect TbsSkinButton::SkinCaptionArea() const
{
    return m_useSkinSize ? PlacedClientRect() : ClientRectAtAnySize();
}

void TbsSkinButton::CreateButtonImage(QImage& image, const QRect& faceRect, bool active, bool down)
{
    const auto* definition = m_definition.get();
    if (m_useSkinSize)
        CreateSkinFace(image, faceRect);
    else
        CreateSkinFaceAtAnySize(image, faceRect);

    SkinColor color = definition->fontColor;
    if (isEnabled() && !m_useSkinFontColor)
        color = DefaultFontColor();
    else if (!isEnabled())
        color = definition->disabledFontColor == definition->fontColor ? SkinColor { clGray }
                                                                       : definition->disabledFontColor;
    else if (active && down)
        color = definition->downFontColor;
    else if (active)
        color = definition->activeFontColor;

    const QRect captionArea = SkinCaptionArea();
    if (definition->showFocus && hasFocus())
        fallback::DrawFocusRect(image, captionArea);
    QPainter painter(&image);
    painter.setFont(
        ControlFont(definition->fontName, definition->fontHeight, definition->fontStyle));
    painter.setPen(SkinColorToQColor(color));
    DrawCaptionAndGlyph(painter, captionArea, active, down);
}

void TbsSkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TbsSkinActiveControl::mousePressEvent(event);
        return;
    }
    m_pressedWithMouse = true;
    StopAnimation();
    if (m_down) {
        m_pressedAgain = m_groupIndex != 0;
        return;
    }
    SetMouseInside(true);
    SetDown(true);
    if (m_groupIndex != 0)
        ButtonClick();
    else if (m_repeatMode)
        StartRepeat();
}

void TbsSkinButton::mouseMoveEvent(QMouseEvent* event)
{
    // While the button holds the mouse no enter or leave arrives, so the
    // pointer's place decides which face shows and whether release clicks.
    if (m_pressedWithMouse) {
        const bool inside = rect().contains(event->position().toPoint());
        if (inside != MouseInside()) {
            SetMouseInside(inside);
            if (!inside)
                StopRepeat();
            else if (m_down && m_repeatMode)
                StartRepeat();
        }
    }
    TbsSkinActiveControl::mouseMoveEvent(event);
}

void TbsSkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressedWithMouse) {
        TbsSkinActiveControl::mouseReleaseEvent(event);
        return;
    }
    m_pressedWithMouse = false;
    const bool inside = rect().contains(event->position().toPoint());
    SetMouseInside(inside);
    if (m_groupIndex != 0) {
        const bool release = m_down && m_allowAllUp && m_pressedAgain && inside;
        m_pressedAgain = false;
        if (release) {
            SetDown(false);
            ButtonClick();
        }
        return;
    }
    const bool wasDown = m_down;
    SetDown(false);
    StopRepeat();
    if (inside && wasDown)
        ButtonClick();
}

void TbsSkinButton::enterEvent(QEnterEvent* event)
{
    TbsSkinActiveControl::enterEvent(event);
    if (!m_down && !hasFocus())
        StartAnimation(true);
    SetMouseInside(true);
    if (m_down && m_repeatMode)
        StartRepeat();
}

void TbsSkinButton::leaveEvent(QEvent* event)
{
    TbsSkinActiveControl::leaveEvent(event);
    if (MouseInside() && !m_down && !hasFocus())
        StartAnimation(false);
    SetMouseInside(false);
    StopRepeat();
}

void TbsSkinButton::keyPressEvent(QKeyEvent* event)
{
    if (!CanFocused()) {
        TbsSkinActiveControl::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        // Every key repeat clicks in RepeatMode; otherwise the release does.
        if (!event->isAutoRepeat())
            SetDown(true);
        if (m_repeatMode)
            ButtonClick();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ButtonClick();
        return;
    default:
        TbsSkinActiveControl::keyPressEvent(event);
    }
}

void TbsSkinButton::keyReleaseEvent(QKeyEvent* event)
{
    if (CanFocused() && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        if (m_down) {
            SetDown(false);
            ButtonClick();
        }
        return;
    }
    TbsSkinActiveControl::keyReleaseEvent(event);
}

void TbsSkinButton::focusInEvent(QFocusEvent* event)
{
    TbsSkinActiveControl::focusInEvent(event);
    if (!MouseInside())
        StartAnimation(true);
}

void TbsSkinButton::focusOutEvent(QFocusEvent* event)
{
    TbsSkinActiveControl::focusOutEvent(event);
    // A key press whose release goes elsewhere must not leave the button down.
    if (m_down && !m_pressedWithMouse)
        SetDown(false);
    if (!MouseInside())
        StartAnimation(false);
}

void TbsSkinButton::changeEvent(QEvent* event)
{
    TbsSkinActiveControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_pressedWithMouse = false;
        SetDown(false);
        StopRepeat();
    }
}

void TbsSkinButton::StartRepeat()
{
    // The delay is over one interval after kRepeatDelay, when the first
    // repeated click comes.
    m_repeat.Start(kRepeatDelay + m_repeatInterval, m_repeatInterval);
}

void TbsSkinButton::StopRepeat()
{
    m_repeat.Stop();
}

bool TbsSkinButton::TakeDefinition(const TbsDataSkinControl* definition)
{
    const auto* kept = m_definition.Take(definition);
    if (kept) {
        m_faces = { .looks = TakePartFaces(kept->skinRect, kept->activeSkinRect, kept->downSkinRect),
            .disabled = kept->disabledSkinRect.ToQRect(),
            .focused = kept->focusedSkinRect.ToQRect(),
            .animationStrip = kept->animateSkinRect.ToQRect() };
    }
    return kept != nullptr;
}
