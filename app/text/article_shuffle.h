#pragma once

#include <QString>
#include <QStringList>

class RandomGenerator;

// How the shuffle command treats the pieces, as the window's option controls set it.
struct ShuffleOptions {
    static constexpr int kMinFrequency = 2;
    static constexpr int kMaxFrequency = 30;

    bool removeSpaces { true };
    bool removeLineBreaks { false };
    // Appended after randomly chosen pieces; empty for none.
    QString keyword;
    // About how many keywords a long article receives in all.
    int frequency { 5 };
};

// The shuffle command's text work. Cuts the article into pieces at the
// delimiters (refilling the delimiter list), shuffles the pieces, cleans them as
// the options say, sprinkles in the keyword, gives the delimiters back in
// reverse order and ends the text with "。".
//
// Line breaks of the article may be CR LF, CR or LF, so the plain text of a Qt
// editor goes in as it is. Those of the result are CR LF, the line rules' own;
// WithLfLineBreaks() turns them into the LF that Qt editors and Unix files use.
//
// Returns an empty text when there is nothing to show (an empty article, or
// one whose pieces all came out empty). The generator is reseeded before every
// draw. Throws std::out_of_range, with nothing changed, when the frequency lies
// outside kMinFrequency .. kMaxFrequency.
QString ShuffleArticle(const QString& article, const ShuffleOptions& options, QStringList& delimiters,
    RandomGenerator& generator);

// Exchanges each piece in turn with a partner drawn from 1 .. n - 1. A single
// piece has no partner and stays.
void ShufflePieces(QStringList& pieces, RandomGenerator& generator);

// Cleans each piece, appends the keyword and the delimiter that goes with its
// position, and joins them; the result has no closing "。" yet. Throws
// std::out_of_range for a frequency outside kMinFrequency .. kMaxFrequency.
QString AssemblePieces(const QStringList& pieces, const QStringList& delimiters, const ShuffleOptions& options,
    RandomGenerator& generator);
