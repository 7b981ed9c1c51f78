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
