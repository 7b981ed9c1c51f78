#include "app/text/line_list.h"

QStringList SplitIntoLines(const QString& text)
{
    QStringList lines;
    qsizetype const length = text.size();
    qsizetype position = 0;
    while (position < length) {
        qsizetype end = position;
        while (end < length && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines.append(text.sliced(position, end - position));
        position = end;
        if (position < length && text[position] == u'\r')
            ++position;
        if (position < length && text[position] == u'\n')
            ++position;
    }
    return lines;
}

QString JoinLines(const QStringList& lines)
{
    qsizetype length = 0;
    for (auto const& line : lines)
        length += line.size() + 2;
    QString text;
    text.reserve(length);
    for (auto const& line : lines) {
        text.append(line);
        text.append(u"\r\n");
    }
    return text;
}

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
