#pragma once

#include "app/text/delimiter_set.h"

#include <QString>
#include <QStringList>

// The sentence delimiters of an article: the ASCII and full-width comma,
// colon, full stop, exclamation mark and semicolon, and the ideographic full
// stop. Question marks do not end a sentence here.
inline constexpr char16_t kDelimiterPattern[] = u",|，|:|\\.|。|!|！|；|;";

// Finds every character of the text that the delimiter pattern matches, in one
// pass from left to right. Each one is appended to the delimiters (cleared
// first) and replaced by the sentence marker; the marked text comes back as
// its lines. A surrogate pair is one character, never two halves.
//
// Throws DelimiterPatternError, leaving the delimiters as they were, when the
// pattern is not an alternation of single characters or would match a
// character of the sentence marker itself.
QStringList MarkDelimiters(const QString& pattern, const QString& text, QStringList& delimiters);

// The characters the pattern matches. Throws DelimiterPatternError, as
// MarkDelimiters does, for a pattern it refuses.
DelimiterSet MarkableDelimiters(const QString& pattern);

// The characters of kDelimiterPattern, built once.
const DelimiterSet& ArticleDelimiters();
