#include "app/text/delimiter_set.h"

#include <QChar>
#include <QString>

#include <algorithm>

namespace {

bool IsRegexOperator(char32_t character)
{
    return character < 0x80 && QStringView(u"\\^$.|?*+()[]{}").contains(QChar(char16_t(character)));
}

bool IsAsciiLetterOrDigit(char32_t character)
{
    return (character >= u'0' && character <= u'9') || (character >= u'a' && character <= u'z')
        || (character >= u'A' && character <= u'Z');
}

[[noreturn]] void Reject(QStringView pattern, const QString& reason)
{
    auto const message = QStringLiteral("Delimiter pattern \"%1\" is not an alternation of single characters: %2")
                             .arg(pattern.toString(), reason);
    throw DelimiterPatternError(message.toStdString());
}

// Reads one code point at position and moves position past it; a lone
// surrogate is rejected because it is half a character.
char32_t ReadCodePoint(QStringView pattern, qsizetype& position)
{
    QChar const first = pattern[position++];
    if (first.isHighSurrogate() && position < pattern.size() && pattern[position].isLowSurrogate())
        return QChar::surrogateToUcs4(first, pattern[position++]);
    if (first.isSurrogate())
        Reject(pattern, QStringLiteral("it holds half of a surrogate pair"));
    return first.unicode();
}

} // namespace

DelimiterSet DelimiterSet::FromPattern(QStringView pattern)
{
    DelimiterSet set;
    qsizetype position = 0;
    int alternative = 1;
    for (;;) {
        if (position == pattern.size() || pattern[position] == u'|')
            Reject(pattern, QStringLiteral("alternative %1 is empty").arg(alternative));
        char32_t character = ReadCodePoint(pattern, position);
        if (character == U'\\') {
            if (position == pattern.size())
                Reject(pattern, QStringLiteral("it ends in a backslash"));
            character = ReadCodePoint(pattern, position);
            if (IsAsciiLetterOrDigit(character))
                Reject(pattern, QStringLiteral("alternative %1 is a character class or an escape code").arg(alternative));
        } else if (IsRegexOperator(character)) {
            Reject(pattern, QStringLiteral("alternative %1 uses the operator \"%2\"").arg(alternative).arg(QChar(char16_t(character))));
        }
        set.m_caseFolded.push_back(QChar::toCaseFolded(character));
        if (position == pattern.size())
            break;
        if (pattern[position] != u'|')
            Reject(pattern, QStringLiteral("alternative %1 is longer than one character").arg(alternative));
        ++position;
        ++alternative;
    }

    for (char32_t character = 0; character < 0x10000; ++character) {
        bool const matches = std::ranges::find(set.m_caseFolded, QChar::toCaseFolded(character)) != set.m_caseFolded.end();
        set.m_matchesInBasicPlane[character] = matches;
        if (matches)
            set.m_blockMayMatch[character >> 12] = true;
    }
    return set;
}

bool DelimiterSet::MatchesBeyondBasicPlane(char32_t character) const
{
    return std::ranges::find(m_caseFolded, QChar::toCaseFolded(character)) != m_caseFolded.end();
}
