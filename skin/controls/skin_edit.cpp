#include "skin/controls/skin_edit.h"

#include "skin/controls/edit_context_menu.h"
#include "skin/controls/edit_skin_definition.h"
#include "skin/controls/fallback_drawing.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/skin_font.h"
#include "skin/draw/system_colors.h"
#include "skin/data/control_definitions_edits.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/text_alignment.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The built-in frame: two one-pixel rings.
constexpr int kDefaultInset = 2;

} // namespace

TbsSkinEdit::TbsSkinEdit(QWidget* parent)
    : TbsSkinEditorControl(parent)
    , m_editor(new QLineEdit(this))
    , m_contextMenu(new EditContextMenu(*this, *m_editor))
    , m_defaultColor(clWindow)
    , m_defaultFontColor(clBlack)
{
    SetSkinDataName(QStringLiteral("edit"));
    // The control paints the background, so the editor only draws text.
    m_editor->setFrame(false);
    m_editor->setAutoFillBackground(false);
    m_editor->installEventFilter(this);
    setFocusProxy(m_editor);
    setFocusPolicy(m_editor->focusPolicy());
    ApplyFont();
    resize(121, 20);
}

QString TbsSkinEdit::Text() const
{
    return m_editor->text();
}

void TbsSkinEdit::SetText(const QString& text)
{
    m_editor->setText(text);
}

void TbsSkinEdit::SetDefaultColor(SkinColor color)
{
    m_defaultColor = color;
    FaceChanged();
}

void TbsSkinEdit::SetDefaultFontColor(SkinColor color)
{
    m_defaultFontColor = color;
    ApplyFont();
}

void TbsSkinEdit::SetButtonMode(bool buttonMode)
{
    m_buttonMode = buttonMode;
    PlaceEditor();
    FaceChanged();
}

bool TbsSkinEdit::ReadOnly() const
{
    return m_editor->isReadOnly();
}

void TbsSkinEdit::SetReadOnly(bool readOnly)
{
    m_editor->setReadOnly(readOnly);
}

void TbsSkinEdit::SetAlignment(::Alignment alignment)
{
    m_alignment = alignment;
    m_editor->setAlignment(Qt::AlignVCenter | HorizontalAlignment(alignment));
}

QRect TbsSkinEdit::SkinClientArea(const TbsDataSkinEditControl& definition) const
{
    const SkinRect& skin = definition.skinRect;
    const SkinRect& client = definition.clientRect;
    // A client rectangle that reaches past its face would put the text where
    // the control shows nothing: every edge stays within the control.
    const int left = std::clamp(client.left, 0, width());
    const int top = std::clamp(client.top, 0, height());
    const int right = std::clamp(width() - (skin.Width() - client.right), left, width());
    const int bottom = std::clamp(height() - (skin.Height() - client.bottom), top, height());
    return QRect(left, top, right - left, bottom - top);
}

QRect TbsSkinEdit::TextRect() const
{
    if (const auto* definition = m_definition.get()) {
        QRect area = SkinClientArea(*definition);
        if (const QRect button = ButtonRect(); !button.isEmpty())
            area.setRight(std::max(area.left(), button.left()) - 1);
        return area;
    }
    int right = kDefaultInset;
    if (m_buttonMode)
        right = height() + kDefaultInset;
    return rect().adjusted(kDefaultInset, kDefaultInset, -right, -kDefaultInset);
}

QRect TbsSkinEdit::ButtonRect() const
{
    if (!m_buttonMode)
        return {};
    if (const auto* definition = m_definition.get()) {
        // The skin's button image sits at the right end of the text area,
        // centred on it.
        const QRect& image = m_buttonPieces.normal;
        if (image.isEmpty())
            return {};
        const QRect client = SkinClientArea(*definition);
        return QRect(client.left() + client.width() - image.width(), client.top() + (client.height() - image.height()) / 2,
            image.width(), image.height());
    }
    const QRect text = TextRect();
    const int left = text.left() + text.width();
    return QRect(left, kDefaultInset, width() - kDefaultInset - left, height() - 2 * kDefaultInset);
}

void TbsSkinEdit::DefaultFontChanged()
{
    ApplyFont();
    resize(width(), RequiredHeight(height()));
}

void TbsSkinEdit::ApplyFont()
{
    m_editor->setFont(ControlFont(m_definition.get()));
    ApplyColors();
    // The room the text needs depends on the font.
    PlaceEditor();
}

void TbsSkinEdit::ApplyColors()
{
    const auto* definition = m_definition.get();
    SetEditorTextColors(*m_editor, EditFontColor(definition, IsActive(), m_defaultFontColor),
        EditDisabledFontColor(definition));
}

int TbsSkinEdit::RequiredHeight(int proposed)
{
    const auto* definition = m_definition.get();
    if (UseSkinFont())
        return definition ? definition->skinRect.Height() : proposed;
    const int textHeight = QFontMetrics(DefaultFont()).height();
    if (!definition)
        return textHeight + 2 * kDefaultInset;
    // A client rectangle taller than its face must not squeeze the text.
    return std::max(textHeight, textHeight + definition->skinRect.Height() - definition->clientRect.Height());
}

void TbsSkinEdit::CalcSize(int&, int& height)
{
    // The frame is laid out by its own rule, not by the definition's mode:
    // any width, and the height the font and skin ask for.
    height = RequiredHeight(height);
}

void TbsSkinEdit::SetControlRegion()
{
    clearMask();
}

void TbsSkinEdit::ChangeSkinData()
{
    GetSkinData();
    ApplyFont();
    int w = width();
    int h = height();
    if (!HasSkinDefinition()) {
        w = DefaultWidth() > 0 ? DefaultWidth() : w;
        h = DefaultHeight() > 0 ? DefaultHeight() : h;
    }
    resize(w, RequiredHeight(h));
    PlaceEditor();
    FaceChanged();
}

bool TbsSkinEdit::TakeDefinition(const TbsDataSkinControl* definition)
{
    const auto* kept = m_definition.Take(
        definition, [](const TbsDataSkinEditControl& kind) { return IsUsableEditDefinition(kind); });
    if (kept) {
        m_facePieces = TakeEditFacePieces(*kept);
        const SkinRect& normal = kept->buttonRect;
        const auto orNormal = [&normal](const SkinRect& rect) { return (rect.IsEmpty() ? normal : rect).ToQRect(); };
        m_buttonPieces = { .normal = normal.ToQRect(),
            .disabled = orNormal(kept->unenabledButtonRect),
            .active = orNormal(kept->activeButtonRect),
            .down = kept->downButtonRect.ToQRect() };
    }
    return kept != nullptr;
}

void TbsSkinEdit::PlaceEditor()
{
    // A text area lower than a line of the font would cut the descenders off;
    // the editor, which draws no background, may then reach into the frame.
    QRect area = TextRect();
    const int missing = m_editor->fontMetrics().height() - area.height();
    if (missing > 0)
        area = area.adjusted(0, -(missing + 1) / 2, 0, missing / 2).intersected(rect());
    m_editor->setGeometry(area);
}

void TbsSkinEdit::resizeEvent(QResizeEvent* event)
{
    const int required = RequiredHeight(event->size().height());
    if (required != event->size().height()) {
        resize(event->size().width(), required);
        return;
    }
    TbsSkinEditorControl::resizeEvent(event);
    PlaceEditor();
}

void TbsSkinEdit::CreateControlDefaultImage(QImage& image)
{
    QPainter painter(&image);
    painter.fillRect(LogicalRect(image), SkinColorToQColor(m_defaultColor));
    fallback::FrameRect(painter, LogicalRect(image), SkinColorToQColor(clBtnShadow));
    fallback::FrameRect(painter, LogicalRect(image).adjusted(1, 1, -1, -1), SkinColorToQColor(clBtnFace));
    const QRect button = ButtonRect();
    if (button.isEmpty())
        return;
    painter.fillRect(button, SkinColorToQColor(clBtnFace));
    const QColor light = SkinColorToQColor(clBtnHighlight);
    const QColor dark = SkinColorToQColor(clBtnShadow);
    fallback::Frame3D(painter, button, m_buttonDown ? dark : light, m_buttonDown ? light : dark);
    DrawArrowGlyph(painter, button, ArrowDirection::Down, SkinColorToQColor(isEnabled() ? clBtnText : clGrayText));
}

void TbsSkinEdit::CreateControlSkinImage(QImage& image)
{
    const auto* definition = m_definition.get();
    // Whatever the picture leaves uncovered shows the edit's colour, not the
    // black of a fresh image.
    image.fill(SkinColorToQColor(m_defaultColor));
    if (m_picture.isNull())
        return;
    const QRect& faceRect = m_facePieces.Shown(IsActive());
    QImage frame;
    if (UseSkinFont()) {
        const int leftWidth = definition->leftTopPoint.x();
        const int rightWidth = definition->skinRect.Width() - definition->rightTopPoint.x();
        ComposeSkinImageHorz(frame, m_picture, faceRect, leftWidth, rightWidth, width(), definition->stretchEffect);
    } else {
        // The height follows DefaultFont, so every band has to stretch.
        ComposeSkinImageStretched(frame, m_picture, faceRect, m_facePieces.client, width(), height(), true);
    }
    QPainter painter(&image);
    painter.drawImage(0, 0, frame);
    painter.end();
    DrawSkinButton(image);
}

void TbsSkinEdit::DrawSkinButton(QImage& image) const
{
    const QRect button = ButtonRect();
    if (button.isEmpty())
        return;
    const ButtonPieces& pieces = m_buttonPieces;
    // Held down without a pressed picture, the button shows its hot face.
    QRect source = pieces.normal;
    if (!isEnabled())
        source = pieces.disabled;
    else if (m_buttonDown && !pieces.down.isEmpty())
        source = pieces.down;
    else if (MouseInside())
        source = pieces.active;
    QPainter painter(&image);
    painter.drawImage(button.topLeft(), m_picture, source);
}

void TbsSkinEdit::changeEvent(QEvent* event)
{
    TbsSkinEditorControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        ActiveStateChanged();
}

void TbsSkinEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && ButtonRect().contains(event->position().toPoint())) {
        m_buttonDown = true;
        FaceChanged();
        return;
    }
    TbsSkinEditorControl::mousePressEvent(event);
}

void TbsSkinEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_buttonDown) {
        m_buttonDown = false;
        FaceChanged();
        if (ButtonRect().contains(event->position().toPoint()))
            emit OnButtonClick();
        return;
    }
    TbsSkinEditorControl::mouseReleaseEvent(event);
}

bool TbsSkinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        ActiveStateChanged();
        return false;
    }
    if (watched == m_editor && m_contextMenu->ShowOnRequest(*event, SkinData()))
        return true;
    return TbsSkinEditorControl::eventFilter(watched, event);
}
