#include "skin/controls/plain_text_editor.h"

#include "base/line_breaks.h"

#include <QMimeData>

QMimeData* TbsPlainTextEditor::createMimeDataFromSelection() const
{
    QString text = textCursor().selectedText();
    // The selection marks paragraph ends with U+2029; other programs expect
    // line feeds.
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
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
    cursor.insertText(WithLfLineBreaks(source->text()));
    setTextCursor(cursor);
    ensureCursorVisible();
}
