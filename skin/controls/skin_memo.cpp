#include "skin/controls/skin_memo.h"

#include "base/line_breaks.h"
#include "skin/controls/edit_context_menu.h"
#include "skin/controls/edit_skin_definition.h"
#include "skin/controls/fallback_drawing.h"
#include "skin/controls/plain_text_editor.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/scroll_state_probe.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/skin_font.h"
#include "skin/draw/system_colors.h"
#include "skin/data/control_definitions_edits.h"
#include "skin/data/skin_data.h"
#include "skin/draw/compose_skin_image.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

// The built-in single border: two one-pixel rings.
constexpr int kBorderInset = 2;

} // namespace

TbsSkinMemo::TbsSkinMemo(QWidget* parent)
    : TbsSkinEditorControl(parent)
    , m_editor(new TbsPlainTextEditor(this))
    , m_contextMenu(new EditContextMenu(*this, *m_editor))
    , m_vSource(new ScrollStateProbe(Qt::Vertical))
    , m_hSource(new ScrollStateProbe(Qt::Horizontal))
    , m_defaultFontColor(clBlack)
{
    SetSkinDataName(QStringLiteral("memo"));
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The editor keeps its scroll state in these hidden bars; they report
    // every change so the skinned bars follow.
    m_editor->setVerticalScrollBar(m_vSource);
    m_editor->setHorizontalScrollBar(m_hSource);
    m_vSource->SetChangeHandler([this] { UpdateScrollBars(); });
    m_hSource->SetChangeHandler([this] { UpdateScrollBars(); });
    m_editor->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Tab walks the controls as everywhere else in the window: a user tabbing
    // towards them must not fill the article with invisible tabs.
    m_editor->setTabChangesFocus(true);
    // The control paints the background; the editor only draws text on it.
    m_editor->viewport()->setAutoFillBackground(false);
    m_editor->installEventFilter(this);
    m_editor->viewport()->installEventFilter(this);
    setFocusProxy(m_editor);
    setFocusPolicy(m_editor->focusPolicy());
    ApplyFont();
    resize(185, 89);
}

TbsSkinMemo::~TbsSkinMemo()
{
    // The editor is destroyed after this part of the memo and may still move
    // its scroll state on the way; the bars may outlive the memo.
    m_vSource->SetChangeHandler(nullptr);
    m_hSource->SetChangeHandler(nullptr);
    QObject::disconnect(m_vLink.onChange);
    QObject::disconnect(m_hLink.onChange);
}

QPlainTextEdit* TbsSkinMemo::Editor() const
{
    return m_editor;
}

QString TbsSkinMemo::Text() const
{
    return m_editor->PlainText();
}

void TbsSkinMemo::SetText(const QString& text)
{
    m_editor->SetPlainText(WithLfLineBreaks(text));
}

QStringList TbsSkinMemo::Lines() const
{
    const QString text = Text();
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    // A final line break ends the last line rather than starting a new one.
    if (lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

void TbsSkinMemo::SetLines(const QStringList& lines)
{
    SetText(lines.join(QLatin1Char('\n')));
}

void TbsSkinMemo::Clear()
{
    m_editor->clear();
}

void TbsSkinMemo::SelectAll()
{
    m_editor->selectAll();
}

void TbsSkinMemo::CopyToClipboard()
{
    m_editor->copy();
}

void TbsSkinMemo::InsertTextAt(const QPoint& at, const QString& text)
{
    QTextCursor cursor = m_editor->cursorForPosition(m_editor->viewport()->mapFrom(this, at));
    m_editor->InsertPlainText(cursor, WithLfLineBreaks(text));
    m_editor->setTextCursor(cursor);
    m_editor->ensureCursorVisible();
    m_editor->setFocus(Qt::OtherFocusReason);
}

QString TbsSkinMemo::SelText() const
{
    return m_editor->SelectedPlainText();
}

bool TbsSkinMemo::ReadOnly() const
{
    return m_editor->isReadOnly();
}

void TbsSkinMemo::SetReadOnly(bool readOnly)
{
    m_editor->setReadOnly(readOnly);
    // A read-only memo still lets the keyboard select and copy.
    if (readOnly)
        m_editor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TbsSkinMemo::SetWordWrap(bool wordWrap)
{
    m_wordWrap = wordWrap;
    m_editor->setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TbsSkinMemo::SetBorderStyle(TBorderStyle borderStyle)
{
    m_borderStyle = borderStyle;
    PlaceEditor();
    FaceChanged();
}

void TbsSkinMemo::SetBitMapBG(bool bitMapBG)
{
    m_bitMapBG = bitMapBG;
    // The text keeps further from a plain coloured frame.
    PlaceEditor();
    FaceChanged();
}

void TbsSkinMemo::SetUseSkinFontColor(bool use)
{
    m_useSkinFontColor = use;
    ApplyColors();
}

void TbsSkinMemo::SetDefaultFontColor(SkinColor color)
{
    m_defaultFontColor = color;
    ApplyFont();
}

void TbsSkinMemo::DefaultFontChanged()
{
    ApplyFont();
}

void TbsSkinMemo::ApplyFont()
{
    m_editor->setFont(ControlFont(m_definition.get()));
    ApplyColors();
}

void TbsSkinMemo::ApplyColors()
{
    const auto* definition = m_useSkinFontColor ? m_definition.get() : nullptr;
    SetEditorTextColors(*m_editor, EditFontColor(definition, IsActive(), m_defaultFontColor), m_disabledFontColor);
}

bool TbsSkinMemo::TakeDefinition(const TbsDataSkinControl* definition)
{
    const auto* kept = m_definition.Take(
        definition, [](const TbsDataSkinMemoControl& kind) { return IsUsableEditDefinition(kind); });
    if (kept)
        m_facePieces = TakeEditFacePieces(*kept);
    return kept != nullptr;
}

void TbsSkinMemo::CalcSize(int&, int&)
{
}

void TbsSkinMemo::SetControlRegion()
{
    clearMask();
}

void TbsSkinMemo::ChangeSkinData()
{
    TbsSkinEditorControl::ChangeSkinData();
    // A skin gives the disabled text colour of both text controls once, in
    // its "edit" definition.
    const TbsSkinData* const skinData = SkinData();
    m_disabledFontColor = EditDisabledFontColor(
        HasSkinDefinition() && skinData ? skinData->FindControl<TbsDataSkinEditControl>(QStringLiteral("edit")) : nullptr);
    ApplyFont();
    UpdateScrollBars();
    PlaceEditor();
}

QRect TbsSkinMemo::TextRect() const
{
    if (m_borderStyle == TBorderStyle::bsNone)
        return rect();
    const auto* definition = m_definition.get();
    if (!definition)
        return rect().adjusted(kBorderInset, kBorderInset, -kBorderInset, -kBorderInset);
    // Inside the skin's frame, with a little air; a plain coloured background
    // keeps the text a little further in.
    const SkinRect& skin = definition->skinRect;
    const SkinRect& client = definition->clientRect;
    const int left = client.left + 1 + (m_bitMapBG ? 0 : 2);
    const int top = client.top + 1 + (m_bitMapBG ? 0 : 1);
    const int right = std::max(left, width() + client.right - skin.Width() - 3);
    const int bottom = std::max(top, height() + client.bottom - skin.Height() - 2);
    // However far the skin's client rectangle reaches, the text stays on the
    // memo.
    return QRect(left, top, right - left, bottom - top).intersected(rect());
}

void TbsSkinMemo::PlaceEditor()
{
    m_editor->setGeometry(TextRect());
}

void TbsSkinMemo::resizeEvent(QResizeEvent* event)
{
    TbsSkinEditorControl::resizeEvent(event);
    PlaceEditor();
}

void TbsSkinMemo::changeEvent(QEvent* event)
{
    TbsSkinEditorControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        UpdateScrollBars();
}

void TbsSkinMemo::CreateControlSkinImage(QImage& image)
{
    const auto* definition = m_definition.get();
    const bool active = IsActive();
    // The colour also shows wherever the picture leaves a gap.
    image.fill(SkinColorToQColor(active ? definition->activeBgColor : definition->bgColor));
    const QRect& faceRect = m_facePieces.Shown(active);
    if (m_bitMapBG && !m_picture.isNull())
        FillSkinBackground(image, m_picture, m_facePieces.client, faceRect, rect(), width(), height(),
            definition->stretchEffect, definition->stretchType);
    if (m_borderStyle == TBorderStyle::bsSingle)
        DrawSkinFrame(image, *definition, faceRect);
}

void TbsSkinMemo::DrawSkinFrame(QImage& image, const TbsDataSkinMemoControl& definition, const QRect& faceRect)
{
    if (m_picture.isNull())
        return;
    SkinPieceGeometry piece = PieceGeometryOf(definition);
    piece.skinRect = faceRect;
    const SkinTargetGeometry target = CalcTargetGeometry(CompositionMode::Full, piece, width(), height());
    const SkinBorderStrips strips = ComposeSkinBorders(m_picture, piece, target);
    QPainter painter(&image);
    ::DrawSkinBorders(painter, rect(), strips);
}

void TbsSkinMemo::CreateControlDefaultImage(QImage& image)
{
    QPainter painter(&image);
    painter.fillRect(LogicalRect(image), SkinColorToQColor(clWindow));
    if (m_borderStyle == TBorderStyle::bsSingle) {
        fallback::FrameRect(painter, LogicalRect(image), SkinColorToQColor(clBtnShadow));
        fallback::FrameRect(painter, LogicalRect(image).adjusted(1, 1, -1, -1), SkinColorToQColor(clBtnFace));
    }
}

void TbsSkinMemo::SetVScrollBar(TbsSkinScrollBar* bar)
{
    LinkBar(m_vLink, bar, m_vSource);
}

void TbsSkinMemo::SetHScrollBar(TbsSkinScrollBar* bar)
{
    LinkBar(m_hLink, bar, m_hSource);
}

void TbsSkinMemo::LinkBar(Link& link, TbsSkinScrollBar* bar, QScrollBar* source)
{
    QObject::disconnect(link.onChange);
    link.bar = bar;
    if (!bar)
        return;
    bar->SetMin(0);
    bar->SetMax(0);
    bar->SetPosition(0);
    link.onChange = connect(bar, &TbsSkinScrollBar::OnChange, this, [this, bar, source] {
        source->setValue(bar->Position());
        m_editor->viewport()->update();
    });
    UpdateScrollBars();
}

void TbsSkinMemo::UpdateScrollBars()
{
    MirrorInto(m_vLink.bar, m_vSource, true);
    MirrorInto(m_hLink.bar, m_hSource, false);
}

void TbsSkinMemo::MirrorInto(TbsSkinScrollBar* bar, const QScrollBar* source, bool vertical)
{
    if (!bar)
        return;
    if (!isEnabled()) {
        bar->setEnabled(false);
        return;
    }
    // The editor's maximum is the last first line a page can start with; a
    // bar counts up to the last line itself, with the page beside it.
    const int page = source->pageStep();
    const int max = source->maximum() + page - 1;
    const bool overflows = vertical ? page < max + 1 : page < max;
    if (overflows) {
        bar->SetRange(0, max, page, source->value());
        bar->setEnabled(true);
    } else {
        bar->SetRange(0, 0, 0, 0);
        bar->setEnabled(false);
    }
}

bool TbsSkinMemo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_editor && watched != m_editor->viewport())
        return TbsSkinEditorControl::eventFilter(watched, event);
    if (event->type() == QEvent::Wheel) {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        // A sideways wheel is not the vertical wheel's business.
        if (delta == 0)
            return false;
        if (const int lines = m_wheel.Take(delta))
            m_vSource->setValue(m_vSource->value() + lines);
        return true;
    }
    if (watched == m_editor && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        ActiveStateChanged();
        return false;
    }
    return m_contextMenu->ShowOnRequest(*event, SkinData());
}
