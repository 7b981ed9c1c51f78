#pragma once

#include "app/text/progress_meter.h"
#include "app/text/shuffle_options.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

class RandomGenerator;

// The two shuffles the command offers.
enum class ShuffleMode {
    // The article cut at its delimiters, the pieces shuffled, the delimiters
    // given back in reverse order and "。" at the end (ShuffleArticleText).
    Pieces,
    // Whole sentences with their own end marks, each paragraph on its own
    // (ShuffleSentencesText).
    WholeSentences,
};

// Shuffles the sentences of each paragraph (line) of the article as whole
// units, each with its own end marks and closing quotes (see
// sentence_scanner.h for where a sentence ends), so the result reads like an
// article: nothing is added, the paragraphs keep their order, and every line
// break (CR LF, CR or LF) and every gap between sentences (indentation, the
// spaces after a mark, empty lines) stays where it stood. Only a paragraph's
// first sentence can start with a mark, so no line starts with one unless the
// article's did.
//
// The options act as in the other shuffle: removeSpaces drops spaces,
// ideographic spaces and tabs inside the sentences; removeLineBreaks makes
// the whole article one paragraph whose sentences are joined with nothing
// between them; the keyword goes at the end of a sentence's text, before its
// end marks, drawn for each sentence as the other shuffle draws it for each
// piece, so a long article receives about frequency keywords.
//
// Each paragraph's sentences are shuffled in turn, from the last place to the
// second: the sentence at place i changes places with the one at a place
// drawn from 0 .. i. Then a keyword place is drawn for every sentence in the
// order of the result. The generator is reseeded before every draw.
//
// Memory and work grow with the article's length alone: the sentences are
// offsets into the article and bits beside it, and the result is written
// into one buffer sized once. Throws std::out_of_range, before any draw, for a
// frequency outside kMinFrequency .. kMaxFrequency, and std::length_error for
// an article of 2^32 - 1 code units or more.
QString ShuffleSentencesText(QStringView article, const ShuffleOptions& options, RandomGenerator& generator,
    const ShuffleProgress& progress = {});

// The same for an article in UTF-8, with the result in UTF-8; a leading byte
// order mark is dropped. Throws Utf8InputError, before any draw, for bytes
// that are not well-formed UTF-8.
QByteArray ShuffleUtf8Sentences(QByteArrayView article, const ShuffleOptions& options, RandomGenerator& generator);
