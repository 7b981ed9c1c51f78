#include "skin/controls/std_label.h"

#include "skin/controls/skin_custom_control.h"
#include "skin/draw/skin_font.h"
#include "skin/data/control_definitions_labels.h"
#include "skin/draw/text_alignment.h"
#include "skin/draw/text_ellipsis.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

TbsSkinStdLabel::TbsSkinStdLabel(QWidget* parent)
    : TbsSkinControl(parent)
    , m_defaultFont(TbsSkinCustomControl::StandardDefaultFont())
{
    SetSkinDataName(QStringLiteral("stdlabel"));
    // Only the text is drawn; whatever lies under the label stays visible.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAttribute(Qt::WA_NoSystemBackground, false);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TbsSkinStdLabel::SetCaption(const QString& caption)
{
    m_caption = caption;
    AdjustBounds();
}

void TbsSkinStdLabel::SetTextAlignment(Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void TbsSkinStdLabel::SetWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    AdjustBounds();
}

void TbsSkinStdLabel::SetShowAccelChar(bool show)
{
    m_showAccelChar = show;
    AdjustBounds();
}

void TbsSkinStdLabel::SetEllipsType(TbsEllipsType type)
{
    m_ellipsType = type;
    update();
}

void TbsSkinStdLabel::SetFontColor(SkinColor color)
{
    m_fontColor = color;
    update();
}

void TbsSkinStdLabel::SetDefaultFont(const QFont& font)
{
    m_defaultFont = font;
    AdjustBounds();
}

void TbsSkinStdLabel::SetDefaultFontColor(SkinColor color)
{
    m_defaultFontColor = color;
    update();
}

void TbsSkinStdLabel::SetUseSkinFont(bool use)
{
    m_useSkinFont = use;
    AdjustBounds();
}

void TbsSkinStdLabel::SetUseSkinColor(bool use)
{
    m_useSkinColor = use;
    update();
}

void TbsSkinStdLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    AdjustBounds();
}

void TbsSkinStdLabel::ChangeSkinData()
{
    GetSkinData();
    AdjustBounds();
}

void TbsSkinStdLabel::changeEvent(QEvent* event)
{
    TbsSkinControl::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_useSkinFont)
        AdjustBounds();
}

void TbsSkinStdLabel::AdjustBounds()
{
    update();
    if (!m_autoSize)
        return;
    const QFontMetrics metrics(TextFont());
    // An empty caption still takes the room of one space.
    const QString text = m_caption.isEmpty() ? QStringLiteral(" ") : m_caption;
    constexpr int kUnbounded = 1 << 20;
    const QRect bounds(0, 0, m_wordWrap ? width() : kUnbounded, kUnbounded);
    const QRect measured = metrics.boundingRect(bounds, TextFlags(), text);
    resize(m_wordWrap ? width() : measured.width(), measured.height());
}

QFont TbsSkinStdLabel::TextFont() const
{
    if (!m_useSkinFont)
        return font();
    if (const auto* definition = m_definition.get())
        return SkinFont(definition->fontName, definition->fontHeight, definition->fontStyle);
    return m_defaultFont;
}

SkinColor TbsSkinStdLabel::TextColor() const
{
    if (const auto* definition = m_definition.get())
        return m_useSkinColor ? definition->fontColor : m_fontColor;
    return m_useSkinFont ? m_defaultFontColor : m_fontColor;
}

int TbsSkinStdLabel::TextFlags() const
{
    int flags = Qt::AlignTop | Qt::TextExpandTabs | HorizontalAlignment(m_alignment);
    flags |= m_wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    flags |= m_showAccelChar ? Qt::TextShowMnemonic : 0;
    return flags;
}

QString TbsSkinStdLabel::DisplayedText(const QFontMetrics& metrics) const
{
    switch (m_ellipsType) {
    case bsetNone:
        break;
    case bsetEndEllips:
        return TrimWithEllipsis(metrics, m_caption, width());
    case bsetPathEllips:
        return PathWithEllipsis(metrics, m_caption, width());
    }
    return m_caption;
}

QString PathWithEllipsis(const QFontMetrics& metrics, const QString& text, int limit)
{
    if (metrics.horizontalAdvance(text) <= limit)
        return text;
    // The last part of a path says the most, so the dots replace the end of
    // what comes before it.
    const qsizetype separator = std::max(text.lastIndexOf(QLatin1Char('\\')), text.lastIndexOf(QLatin1Char('/')));
    if (separator < 0)
        return TrimWithEllipsis(metrics, text, limit);
    const QString tail = text.mid(separator);
    QString head = text.left(separator);
    const QString dots = QStringLiteral("...");
    while (!head.isEmpty() && metrics.horizontalAdvance(head + dots + tail) > limit)
        head.chop(1);
    if (metrics.horizontalAdvance(head + dots + tail) <= limit)
        return head + dots + tail;
    return TrimWithEllipsis(metrics, dots + tail, limit);
}

void TbsSkinStdLabel::paintEvent(QPaintEvent*)
{
    if (m_caption.isEmpty() || width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.setFont(TextFont());
    const QString text = DisplayedText(painter.fontMetrics());
    const int flags = TextFlags();
    if (!isEnabled()) {
        painter.setPen(SkinColorToQColor(clBtnHighlight));
        painter.drawText(rect().translated(1, 1), flags, text);
        painter.setPen(SkinColorToQColor(clBtnShadow));
    } else {
        painter.setPen(SkinColorToQColor(TextColor()));
    }
    painter.drawText(rect(), flags, text);
}

bool TbsSkinStdLabel::TakeDefinition(const TbsDataSkinControl* definition)
{
    return m_definition.Take(definition) != nullptr;
}
