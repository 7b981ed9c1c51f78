#include "skin/controls/check_radio_box.h"

#include "skin/controls/fallback_drawing.h"
#include "skin/draw/skin_font.h"
#include "skin/data/control_definitions_check_radio.h"
#include "skin/data/skin_data.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/morph.h"
#include "skin/draw/pixel_effects.h"
#include "skin/draw/engine_bitmap.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kBoxSize = 14;
constexpr int kBoxLeft = 3;
constexpr int kFlatCaptionLeft = 22;
constexpr int kCaptionRightGap = 2;
constexpr int kPlainCaptionLeft = 19;

} // namespace

TbsSkinCheckRadioBox::TbsSkinCheckRadioBox(QWidget* parent)
    : TbsSkinActiveControl(parent)
{
    SetSkinDataName(QStringLiteral("checkbox"));
    resize(150, 25);
    setFocusPolicy(Qt::ClickFocus);
}

void TbsSkinCheckRadioBox::SetCaption(const QString& caption)
{
    m_caption = caption;
    FaceChanged();
}

void TbsSkinCheckRadioBox::SetFlat(bool flat)
{
    m_flat = flat;
    FaceChanged();
}

void TbsSkinCheckRadioBox::SetWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    FaceChanged();
}

void TbsSkinCheckRadioBox::SetAllowGrayed(bool allow)
{
    m_allowGrayed = allow;
    FaceChanged();
}

void TbsSkinCheckRadioBox::SetUseSkinFontColor(bool use)
{
    m_useSkinFontColor = use;
    FaceChanged();
}

void TbsSkinCheckRadioBox::SetState(TCheckBoxState state)
{
    m_state = state;
    m_checked = state == cbChecked;
    FaceChanged();
    ReportCheckStateChange();
    emit OnClick();
}

void TbsSkinCheckRadioBox::SetChecked(bool checked)
{
    const bool wasChecked = m_checked;
    m_checked = checked;
    if (checked || m_state == cbChecked)
        m_state = checked ? cbChecked : cbUnchecked;
    FaceChanged();
    ReportCheckStateChange();
    if (checked && m_groupIndex != 0 && parentWidget()) {
        const auto siblings = parentWidget()->findChildren<TbsSkinCheckRadioBox*>(Qt::FindDirectChildrenOnly);
        for (TbsSkinCheckRadioBox* sibling : siblings) {
            if (sibling != this && sibling->m_groupIndex == m_groupIndex && sibling->m_checked)
                sibling->SetChecked(false);
        }
    }
    if (!m_radio || (checked && !wasChecked))
        emit OnClick();
}

void TbsSkinCheckRadioBox::ReportCheckStateChange()
{
    QAccessible::State changed;
    changed.checked = true;
    changed.checkStateMixed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TbsSkinCheckRadioBox::SetRadio(bool radio)
{
    m_radio = radio;
    FaceChanged();
}

void TbsSkinCheckRadioBox::Toggle()
{
    if (!m_radio)
        SetChecked(!m_checked);
    else if (!m_checked)
        SetChecked(true);
}

void TbsSkinCheckRadioBox::GetSkinData()
{
    TbsSkinActiveControl::GetSkinData();
    // A flat box shows its parent around the mark, so it takes no shape.
    if (m_flat)
        m_maskPicture = {};
}

void TbsSkinCheckRadioBox::ChangeSkinData()
{
    // A flat box keeps any size it is given.
    if (m_flat) {
        GetSkinData();
        FaceChanged();
        return;
    }
    TbsSkinActiveControl::ChangeSkinData();
}

void TbsSkinCheckRadioBox::CalcSize(int& width, int& height)
{
    if (!m_flat)
        TbsSkinActiveControl::CalcSize(width, height);
}

void TbsSkinCheckRadioBox::ParentBackgroundChanged()
{
    if (m_flat)
        FaceChanged();
}

int TbsSkinCheckRadioBox::CaptionFlags() const
{
    return m_wordWrap && m_flat ? Qt::TextWordWrap | Qt::TextExpandTabs : Qt::TextSingleLine;
}

QRect TbsSkinCheckRadioBox::FlatCaptionRect(int left, const QFont& font) const
{
    if (m_caption.isEmpty())
        return {};
    const QFontMetrics metrics(font);
    if (m_wordWrap) {
        const int available = width() - left;
        const QRect measured = metrics.boundingRect(QRect(0, 0, available, height()), CaptionFlags(), m_caption);
        const int top = std::max(0, height() / 2 - measured.height() / 2);
        return QRect(left, top, available, measured.height());
    }
    const int textWidth = metrics.horizontalAdvance(m_caption);
    const int textHeight = metrics.height();
    const int right = std::min(left + textWidth, width() - kCaptionRightGap);
    return QRect(left, height() / 2 - textHeight / 2, right - left, textHeight);
}

QRect TbsSkinCheckRadioBox::CaptionRect()
{
    if (m_caption.isEmpty())
        return {};
    if (const auto* definition = m_definition.get()) {
        if (m_flat)
            return FlatCaptionRect(CheckImage().width() + 7, CaptionFont());
        return MapSkinRect(m_textArea);
    }
    if (!m_flat)
        return QRect(kPlainCaptionLeft, 0, width() - kPlainCaptionLeft, height());
    return FlatCaptionRect(kFlatCaptionLeft, DefaultFont());
}

QFont TbsSkinCheckRadioBox::CaptionFont() const
{
    return ControlFont(m_definition.get());
}

TbsSkinCheckRadioBox::MarkPieces TbsSkinCheckRadioBox::TakeMarkPieces(const TbsDataSkinCheckRadioControl& definition)
{
    // A look without a picture of its own shows the normal one.
    const auto orElse = [](const SkinRect& rect, const SkinRect& fallback) {
        return (rect.IsEmpty() ? fallback : rect).ToQRect();
    };
    const SkinRect& checked = definition.checkImageRect;
    const SkinRect& unchecked = definition.uncheckImageRect;
    const SkinRect& grayed = definition.grayedCheckImageRect;
    return {
        .normal = { checked.ToQRect(), unchecked.ToQRect() },
        .hot = { orElse(definition.activeCheckImageRect, checked), orElse(definition.activeUncheckImageRect, unchecked) },
        .disabled = { orElse(definition.unenabledCheckImageRect, checked),
            orElse(definition.unenabledUncheckImageRect, unchecked) },
        .grayed = grayed.ToQRect(),
        .hotGrayed = orElse(definition.activeGrayedCheckImageRect, grayed),
    };
}

QImage TbsSkinCheckRadioBox::CheckImage() const
{
    const bool hovered = isEnabled() && MouseInside();
    const MarkLook& look = !isEnabled() ? m_marks.disabled : hovered ? m_marks.hot : m_marks.normal;
    if (m_state != cbGrayed)
        return m_picture.copy(m_state == cbChecked ? look.checked : look.unchecked);
    // Without a picture of its own the grayed mark is the check mark lightened.
    if (m_marks.grayed.isEmpty()) {
        QImage image = ToSkinBitmap(m_picture.copy(look.checked));
        ApplyBrightness(image, 0.5);
        return image;
    }
    return m_picture.copy(hovered ? m_marks.hotGrayed : m_marks.grayed);
}

void TbsSkinCheckRadioBox::CreateControlSkinImage(QImage& image)
{
    const auto* definition = m_definition.get();
    if (m_flat) {
        DrawFlatSkinFace(image, *definition);
        return;
    }
    if (MorphEnabled() && isEnabled() && m_morph.Blending()) {
        QImage target = image;
        DrawSkinFace(image, *definition, false);
        DrawSkinFace(target, *definition, true);
        Morph(image, target, m_morph.Progress(), definition->morphKind);
        return;
    }
    DrawSkinFace(image, *definition, IsActive());
}

SkinColor TbsSkinCheckRadioBox::SkinCaptionColor(SkinColor enabledColor) const
{
    const auto* definition = m_definition.get();
    if (!isEnabled())
        return definition->unenabledFontColor;
    return m_useSkinFontColor ? enabledColor : DefaultFontColor();
}

void TbsSkinCheckRadioBox::DrawSkinCaption(QPainter& painter, const QRect& area, SkinColor color)
{
    if (area.isEmpty())
        return;
    painter.setFont(CaptionFont());
    painter.setPen(SkinColorToQColor(color));
    painter.save();
    painter.setClipRect(area);
    const int flags = m_flat ? CaptionFlags() : Qt::TextSingleLine;
    painter.drawText(area, flags | Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    painter.restore();
}

void TbsSkinCheckRadioBox::DrawFlatSkinFace(QImage& image, const TbsDataSkinCheckRadioControl& definition)
{
    DrawParentBackground(image);
    const QImage check = CheckImage();
    const QRect captionRect = CaptionRect();
    {
        QPainter painter(&image);
        DrawGlyphFrame(painter, QPoint(3, height() / 2 - check.height() / 2), check, 1, 1);
        DrawSkinCaption(painter, captionRect, SkinCaptionColor(definition.frameFontColor));
    }
    if (hasFocus() && CanFocused() && !captionRect.isEmpty())
        fallback::DrawFocusRect(image, captionRect.adjusted(-2, -1, 3, 1));
}

void TbsSkinCheckRadioBox::DrawSkinFace(QImage& image, const TbsDataSkinCheckRadioControl& definition, bool active)
{
    CreateSkinFace(image, active ? m_activeFace : m_face);
    // The image sits centred in its area, which follows the right edge when
    // the text lies to its left.
    QRect area = m_markArea;
    if (m_textArea.right() < area.right())
        area.translate(width() - Piece().skinRect.width(), 0);
    const QPoint centre = area.topLeft() + QPoint(area.width() / 2, area.height() / 2);
    const QPoint imageHalf(m_marks.normal.checked.width() / 2, m_marks.normal.checked.height() / 2);
    QPainter painter(&image);
    DrawGlyphFrame(painter, centre - imageHalf, CheckImage(), 1, 1);
    DrawSkinCaption(
        painter, CaptionRect(), SkinCaptionColor(active ? definition.activeFontColor : definition.fontColor));
}

bool TbsSkinCheckRadioBox::MorphEnabled() const
{
    return !m_flat && MorphEnabledBy(m_definition.get());
}

void TbsSkinCheckRadioBox::DrawDefaultMark(QPainter& painter) const
{
    const int middle = height() / 2;
    if (m_state == cbGrayed && !m_radio) {
        DrawCheckGlyph(painter, QPoint(7, middle - 4), SkinColorToQColor(clGrayText));
        return;
    }
    if (!m_checked)
        return;
    const QColor color = SkinColorToQColor(isEnabled() ? clBlack : clBtnShadow);
    if (m_radio)
        DrawRadioGlyph(painter, QPoint(7, middle - 3), color);
    else
        DrawCheckGlyph(painter, QPoint(7, middle - 4), color);
}

void TbsSkinCheckRadioBox::CreateControlDefaultImage(QImage& image)
{
    if (m_flat)
        DrawParentBackground(image);
    else
        image.fill(SkinColorToQColor(clBtnFace));
    const bool focused = hasFocus() && CanFocused();
    {
        QPainter painter(&image);
        if (!m_flat && (focused || MouseInside()))
            fallback::FrameRect(painter, LogicalRect(image), SkinColorToQColor(clBtnShadow));
        const QRect box(kBoxLeft, LogicalSize(image).height() / 2 - kBoxSize / 2, kBoxSize, kBoxSize);
        fallback::FrameRect(painter, box, SkinColorToQColor(MouseInside() ? clNavy : clBtnShadow));

        const QRect captionRect = CaptionRect();
        if (!captionRect.isEmpty()) {
            painter.setFont(DefaultFont());
            painter.setPen(SkinColorToQColor(isEnabled() ? DefaultFontColor() : clBtnShadow));
            painter.setClipRect(captionRect);
            painter.drawText(captionRect, CaptionFlags() | Qt::AlignLeft | Qt::AlignVCenter, m_caption);
            painter.setClipping(false);
        }
        DrawDefaultMark(painter);
    }
    if (m_flat && focused && !m_caption.isEmpty())
        fallback::DrawFocusRect(image, CaptionRect().adjusted(-2, -1, 3, 1));
}

void TbsSkinCheckRadioBox::mousePressEvent(QMouseEvent* event)
{
    SetMouseInside(true);
    TbsSkinActiveControl::mousePressEvent(event);
}

void TbsSkinCheckRadioBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TbsSkinActiveControl::mouseReleaseEvent(event);
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    SetMouseInside(inside);
    if (!inside)
        return;
    if (m_allowGrayed && !m_radio && m_state == cbUnchecked) {
        m_state = cbGrayed;
        FaceChanged();
        ReportCheckStateChange();
        emit OnClick();
        return;
    }
    Toggle();
}

void TbsSkinCheckRadioBox::enterEvent(QEnterEvent* event)
{
    TbsSkinActiveControl::enterEvent(event);
    SetMouseInside(true);
}

void TbsSkinCheckRadioBox::leaveEvent(QEvent* event)
{
    TbsSkinActiveControl::leaveEvent(event);
    SetMouseInside(false);
}

void TbsSkinCheckRadioBox::keyPressEvent(QKeyEvent* event)
{
    if (CanFocused() && event->key() == Qt::Key_Space)
        return;
    TbsSkinActiveControl::keyPressEvent(event);
}

void TbsSkinCheckRadioBox::keyReleaseEvent(QKeyEvent* event)
{
    if (CanFocused() && event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat())
            Toggle();
        return;
    }
    TbsSkinActiveControl::keyReleaseEvent(event);
}

bool TbsSkinCheckRadioBox::TakeDefinition(const TbsDataSkinControl* definition)
{
    const auto* kept = m_definition.Take(definition);
    if (kept) {
        m_marks = TakeMarkPieces(*kept);
        m_face = kept->skinRect.ToQRect();
        m_activeFace = kept->activeSkinRect.IsEmpty() ? m_face : kept->activeSkinRect.ToQRect();
        m_textArea = kept->textArea.ToQRect();
        m_markArea = kept->checkImageArea.ToQRect();
    }
    return kept != nullptr;
}
