#pragma once

#include "app/text/delimiter_list.h"
#include "app/text/piece_writer.h"
#include "app/text/progress_meter.h"
#include "app/text/shuffle_options.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

class RandomGenerator;

// The shuffle command's text work. Cuts the article into pieces at the
// delimiters, shuffles the pieces, cleans them as the options say, sprinkles in
// the keyword, gives the delimiters back in reverse order and ends the text
// with "。".
//
// Line breaks of the article may be CR LF, CR or LF, so the plain text of a Qt
// editor goes in as it is; those of the result come out in the chosen style.
//
// The pieces are views into the article and the result is written into one
// buffer sized once, so the work and the memory grow with the article's
// length alone, whatever it holds.
//
// Returns an empty text when there is nothing to show (an empty article, or
// one whose pieces all came out empty). The generator is reseeded before every
// draw. Throws std::out_of_range, before any draw, when the frequency lies
// outside kMinFrequency .. kMaxFrequency, and std::length_error for an article
// of 2^32 code units or more.
QString ShuffleArticleText(QStringView article, const ShuffleOptions& options, LineBreakStyle lineBreaks,
    RandomGenerator& generator, const ShuffleProgress& progress = {});

// The same for an article in UTF-8, with the result in UTF-8 and LF line
// breaks, decoded and encoded in the passes that cut and reassemble. A leading
// byte order mark is dropped. Throws Utf8InputError, before any draw, for
// bytes that are not well-formed UTF-8.
QByteArray ShuffleUtf8Article(QByteArrayView article, const ShuffleOptions& options, RandomGenerator& generator);

// The article's delimiters in order.
DelimiterList ArticleDelimiterList(QStringView article);

// ShuffleArticleText with CR LF line breaks that also refills the delimiters
// with the article's, one string each.
QString ShuffleArticle(const QString& article, const ShuffleOptions& options, QStringList& delimiters,
    RandomGenerator& generator);

// Exchanges each piece in turn with a partner drawn from 1 .. n - 1. A single
// piece has no partner and stays.
void ShufflePieces(QStringList& pieces, RandomGenerator& generator);

// Cleans each piece, appends the keyword and the delimiter that goes with its
// position, and joins them; the result has no closing "。" yet. The pieces'
// line breaks are kept as they stand unless removed. Throws std::out_of_range
// for a frequency outside kMinFrequency .. kMaxFrequency.
QString AssemblePieces(const QStringList& pieces, const QStringList& delimiters, const ShuffleOptions& options,
    RandomGenerator& generator);
