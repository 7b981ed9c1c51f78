#include "base/line_breaks.h"

QString WithLfLineBreaks(const QString& text)
{
    // One pass of our own: QString::replace moves the tail of the text for
    // every match, which takes seconds on millions of line breaks.
    if (!text.contains(u"\r\n"))
        return text;
    QString converted(text.size(), Qt::Uninitialized);
    QChar* out = converted.data();
    qsizetype const length = text.size();
    for (qsizetype position = 0; position < length; ++position) {
        if (text[position] == u'\r' && position + 1 < length && text[position + 1] == u'\n')
            continue;
        *out++ = text[position];
    }
    converted.truncate(out - converted.constData());
    return converted;
}
