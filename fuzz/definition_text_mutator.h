#pragma once

// Mutations of a skin definition text at the level of its format: sections,
// keys, the numbers inside values and the kinds of definitions. The text is
// handled as 8-bit lines, so whatever is not touched stays byte for byte,
// garbage included.
#include <QByteArray>
#include <QList>
#include <QSize>

#include <random>

using FuzzRandom = std::minstd_rand;

// One to three mutations: a key's number set towards 0, -1, a picture's edge
// or a huge value; a key the definition reads added; a key dropped,
// duplicated or moved to another section; a section renamed; a definition's
// kind changed. pictureSizes are the sizes of the skin's pictures.
QByteArray MutateDefinitionText(const QByteArray& text, const QList<QSize>& pictureSizes, FuzzRandom& random);

// text with one section of other put in, replacing its namesake or added.
QByteArray CrossDefinitionTexts(const QByteArray& text, const QByteArray& other, FuzzRandom& random);
