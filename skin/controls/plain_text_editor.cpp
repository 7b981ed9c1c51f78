#include "skin/controls/plain_text_editor.h"

#include "base/line_breaks.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

namespace {

// Marks a block that continues the paragraph of the block before it.
constexpr int kContinuesParagraph = QTextFormat::UserProperty + 1;

bool ContinuesParagraph(const QTextBlock& block)
{
    return block.blockFormat().boolProperty(kContinuesParagraph);
}

// What the document turns into a paragraph end when the text is inserted.
bool EndsParagraph(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
        || c == QChar(0xfdd0) || c == QChar(0xfdd1);
}

bool EndsSentence(QChar c)
{
    return QStringView(u"。！？；…!?;.").contains(c);
}

// The end of the piece of paragraph that starts at start: the whole rest
// when it fits, else just after the last sentence end in the second half of
// the longest piece, else the longest piece, never between the halves of a
// surrogate pair.
qsizetype PieceEnd(QStringView paragraph, qsizetype start)
{
    constexpr qsizetype kLongest = TbsPlainTextEditor::kLongestShownPiece;
    if (paragraph.size() - start <= kLongest)
        return paragraph.size();
    const qsizetype limit = start + kLongest;
    for (qsizetype end = limit; end > start + kLongest / 2; --end) {
        if (EndsSentence(paragraph[end - 1]))
            return end;
    }
    return paragraph[limit - 1].isHighSurrogate() ? limit - 1 : limit;
}

bool HasLongParagraph(QStringView text)
{
    qsizetype run = 0;
    for (QChar c : text) {
        run = EndsParagraph(c) ? 0 : run + 1;
        if (run > TbsPlainTextEditor::kLongestShownPiece)
            return true;
    }
    return false;
}

QTextBlockFormat ParagraphStart(QTextBlockFormat format)
{
    format.clearProperty(kContinuesParagraph);
    return format;
}

QTextBlockFormat Continuation(QTextBlockFormat format)
{
    format.setProperty(kContinuesParagraph, true);
    return format;
}

} // namespace

QString TbsPlainTextEditor::PlainText() const
{
    return WithoutPieceBreaks(toPlainText(), 0);
}

void TbsPlainTextEditor::SetPlainText(const QString& text)
{
    if (!HasLongParagraph(text)) {
        m_mayHavePieces = false;
        setPlainText(text);
        return;
    }
    setPlainText(QString());
    // Filled as setPlainText fills it: not a step to undo, nor a change.
    QTextDocument& shown = *document();
    const bool undoable = shown.isUndoRedoEnabled();
    const bool modified = shown.isModified();
    shown.setUndoRedoEnabled(false);
    QTextCursor cursor(&shown);
    InsertPlainText(cursor, text);
    shown.setUndoRedoEnabled(undoable);
    shown.setModified(modified);
    moveCursor(QTextCursor::Start);
}

QString TbsPlainTextEditor::SelectedPlainText() const
{
    const QTextCursor selection = textCursor();
    QString text = WithoutPieceBreaks(selection.selectedText(), selection.selectionStart());
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void TbsPlainTextEditor::InsertPlainText(QTextCursor& cursor, const QString& text)
{
    const QTextBlock target = document()->findBlock(cursor.selectionStart());
    if (!HasLongParagraph(text) && !ContinuesParagraph(target)) {
        cursor.insertText(text);
        return;
    }
    // Each break goes in with its block's format spelled out: the document
    // would give a new paragraph the format of the one it splits, which in a
    // piece of a long paragraph would mark it as a piece too.
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const QTextBlockFormat paragraphStart = ParagraphStart(cursor.blockFormat());
    const QTextBlockFormat continuation = Continuation(paragraphStart);
    const QStringView all(text);
    qsizetype lineStart = 0;
    while (lineStart <= all.size()) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < all.size() && !EndsParagraph(all[lineEnd]))
            ++lineEnd;
        const QStringView line = all.sliced(lineStart, lineEnd - lineStart);
        for (qsizetype start = 0; start < line.size();) {
            const qsizetype end = PieceEnd(line, start);
            if (start > 0) {
                cursor.insertBlock(continuation);
                m_mayHavePieces = true;
            }
            cursor.insertText(line.sliced(start, end - start).toString());
            start = end;
        }
        if (lineEnd < all.size())
            cursor.insertBlock(paragraphStart);
        lineStart = lineEnd + 1;
    }
    cursor.endEditBlock();
}

QString TbsPlainTextEditor::WithoutPieceBreaks(QString text, int from) const
{
    if (!m_mayHavePieces)
        return text;
    const int to = from + int(text.size());
    QString joined;
    qsizetype copiedUpTo = 0;
    for (QTextBlock block = document()->findBlock(from).next(); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (!ContinuesParagraph(block))
            continue;
        if (joined.isNull())
            joined.reserve(text.size());
        const qsizetype pieceBreak = block.position() - 1 - from;
        joined.append(QStringView(text).sliced(copiedUpTo, pieceBreak - copiedUpTo));
        copiedUpTo = pieceBreak + 1;
    }
    if (joined.isNull())
        return text;
    joined.append(QStringView(text).sliced(copiedUpTo));
    return joined;
}

QMimeData* TbsPlainTextEditor::createMimeDataFromSelection() const
{
    QString text = SelectedPlainText();
    // Other programs expect line feeds where a line was broken by hand too.
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

void TbsPlainTextEditor::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly() || !source || !source->hasText())
        return;
    QTextCursor cursor = textCursor();
    InsertPlainText(cursor, WithLfLineBreaks(source->text()));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void TbsPlainTextEditor::keyPressEvent(QKeyEvent* event)
{
    const QTextCursor caret = textCursor();
    if (event->matches(QKeySequence::InsertParagraphSeparator) && !isReadOnly()
        && ContinuesParagraph(document()->findBlock(caret.selectionStart()))) {
        QTextCursor cursor = caret;
        InsertPlainText(cursor, QStringLiteral("\n"));
        setTextCursor(cursor);
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
