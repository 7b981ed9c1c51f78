#include "app/text/delimiter_scan.h"

#include "app/text/delimiter_set.h"
#include "app/text/line_list.h"
#include "app/text/sentence_marker.h"

#include <QStringView>

DelimiterSet MarkableDelimiters(const QString& pattern)
{
    auto set = DelimiterSet::FromPattern(pattern);
    // A delimiter inside the marker would make the result depend on the order
    // in which the delimiters are replaced.
    for (QChar const character : QStringView(kSentenceMarker)) {
        if (set.Matches(character.unicode()))
            throw DelimiterPatternError(
                QStringLiteral("Delimiter pattern \"%1\" matches \"%2\", a character of the sentence marker \"%3\"")
                    .arg(pattern, character, QStringView(kSentenceMarker).toString())
                    .toStdString());
    }
    return set;
}

const DelimiterSet& ArticleDelimiters()
{
    static DelimiterSet const set = MarkableDelimiters(QString::fromUtf16(kDelimiterPattern));
    return set;
}

QStringList MarkDelimiters(const QString& pattern, const QString& text, QStringList& delimiters)
{
    auto const set = MarkableDelimiters(pattern);
    delimiters.clear();

    QString marked;
    marked.reserve(text.size());
    qsizetype const length = text.size();
    qsizetype unmarkedFrom = 0;
    qsizetype position = 0;
    while (position < length) {
        QChar const unit = text[position];
        char32_t character = unit.unicode();
        qsizetype width = 1;
        if (unit.isHighSurrogate() && position + 1 < length && text[position + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(unit, text[position + 1]);
            width = 2;
        }
        if (set.Matches(character)) {
            marked.append(QStringView(text).sliced(unmarkedFrom, position - unmarkedFrom));
            marked.append(QStringView(kSentenceMarker));
            delimiters.append(text.sliced(position, width));
            unmarkedFrom = position + width;
        }
        position += width;
    }
    marked.append(QStringView(text).sliced(unmarkedFrom));
    return SplitIntoLines(marked);
}
