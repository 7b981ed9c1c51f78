#include "skin/controls/skin_edit.h"

#include "skin/controls/edit_context_menu.h"
#include "skin/controls/fallback_drawing.h"
#include "skin/controls/system_colors.h"
#include "skin/draw/glyphs.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The built-in frame: two one-pixel rings.
constexpr int kDefaultInset = 2;

Qt::Alignment ToQtAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::taCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::taLeftJustify:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

TbsSkinEdit::TbsSkinEdit(QWidget* parent)
    : TbsSkinCustomControl(parent)
    , m_editor(new QLineEdit(this))
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
    update();
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
    update();
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
    m_editor->setAlignment(ToQtAlignment(alignment));
}

QRect TbsSkinEdit::TextRect() const
{
    int right = kDefaultInset;
    if (m_buttonMode)
        right = height() + kDefaultInset;
    return rect().adjusted(kDefaultInset, kDefaultInset, -right, -kDefaultInset);
}

QRect TbsSkinEdit::ButtonRect() const
{
    if (!m_buttonMode)
        return {};
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
    m_editor->setFont(DefaultFont());
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, SkinColorToQColor(m_defaultFontColor));
    palette.setColor(QPalette::Disabled, QPalette::Text, SkinColorToQColor(clGrayText));
    m_editor->setPalette(palette);
    // The room the text needs depends on the font.
    PlaceEditor();
}

int TbsSkinEdit::RequiredHeight(int proposed)
{
    if (UseSkinFont())
        return proposed;
    return QFontMetrics(DefaultFont()).height() + 2 * kDefaultInset;
}

void TbsSkinEdit::ChangeSkinData()
{
    GetSkinData();
    ApplyFont();
    const int w = DefaultWidth() > 0 ? DefaultWidth() : width();
    const int h = DefaultHeight() > 0 ? DefaultHeight() : height();
    resize(w, RequiredHeight(h));
    PlaceEditor();
    update();
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
    TbsSkinCustomControl::resizeEvent(event);
    PlaceEditor();
}

void TbsSkinEdit::CreateControlDefaultImage(QImage& image)
{
    QPainter painter(&image);
    painter.fillRect(image.rect(), SkinColorToQColor(m_defaultColor));
    fallback::FrameRect(painter, image.rect(), SkinColorToQColor(clBtnShadow));
    fallback::FrameRect(painter, image.rect().adjusted(1, 1, -1, -1), SkinColorToQColor(clBtnFace));
    const QRect button = ButtonRect();
    if (button.isEmpty())
        return;
    painter.fillRect(button, SkinColorToQColor(clBtnFace));
    const QColor light = SkinColorToQColor(clBtnHighlight);
    const QColor dark = SkinColorToQColor(clBtnShadow);
    fallback::Frame3D(painter, button, m_buttonDown ? dark : light, m_buttonDown ? light : dark);
    DrawArrowGlyph(painter, button, ArrowDirection::Down, SkinColorToQColor(isEnabled() ? clBtnText : clGrayText));
}

void TbsSkinEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && ButtonRect().contains(event->position().toPoint())) {
        m_buttonDown = true;
        update();
        return;
    }
    TbsSkinCustomControl::mousePressEvent(event);
}

void TbsSkinEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_buttonDown) {
        m_buttonDown = false;
        update();
        if (ButtonRect().contains(event->position().toPoint()))
            emit OnButtonClick();
        return;
    }
    TbsSkinCustomControl::mouseReleaseEvent(event);
}

bool TbsSkinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && event->type() == QEvent::ContextMenu) {
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        const bool fromKeyboard = menuEvent->reason() == QContextMenuEvent::Keyboard;
        ShowContextMenu(fromKeyboard ? mapToGlobal(rect().center()) : menuEvent->globalPos());
        return true;
    }
    return TbsSkinCustomControl::eventFilter(watched, event);
}

void TbsSkinEdit::ShowContextMenu(const QPoint& globalPos)
{
    QLineEdit* editor = m_editor;
    const bool hasSelection = editor->hasSelectedText();
    const bool writable = !editor->isReadOnly();
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    EditMenuCommands commands;
    commands.canUndo = editor->isUndoAvailable();
    commands.canCut = hasSelection && writable;
    commands.canCopy = hasSelection;
    commands.canPaste = clipboard && clipboard->hasText() && writable;
    commands.canDelete = hasSelection && writable;
    commands.canSelectAll = editor->selectedText() != editor->text();
    commands.undo = [editor] { editor->undo(); };
    commands.cut = [editor] { editor->cut(); };
    commands.copy = [editor] { editor->copy(); };
    commands.paste = [editor] { editor->paste(); };
    commands.deleteSelection = [editor] { editor->del(); };
    commands.selectAll = [editor] { editor->selectAll(); };
    const auto menu = CreateEditContextMenu(commands);
    menu->exec(globalPos);
}
