#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The definition text is 8-bit in code page 936. Decoding uses GB18030 (a
// superset) when this Qt build offers it, Latin-1 otherwise; encoding is the
// reverse, so a decoded text encodes back to the same bytes.
QString DecodeSkinText(const QByteArray& bytes);
QByteArray EncodeSkinText(const QString& text);
bool SkinTextCodecAvailable();

// An author may save skin.ini in UTF-8, with or without a byte-order mark,
// or in the stored code page. A text with a mark, or one that is valid UTF-8
// and not plain ASCII, is taken as UTF-8; any other as the code page.
bool IsUtf8SkinText(const QByteArray& bytes);
// The text of a skin.ini as its author saved it.
QString DecodeAuthoredSkinText(const QByteArray& bytes);
// A skin.ini as the package stores it: the code page, every line ending in
// CR LF, without the note that `lumeno-skin unpack` puts first.
QByteArray StoredSkinText(const QByteArray& authored);
// The first line `lumeno-skin unpack` writes, telling the author how the
// file is kept.
extern const char kUnpackedSkinTextNote[];

// The lines of an 8-bit text; a line ends at CR, LF or CR LF, and a final line
// break does not start another line.
QList<QByteArray> SplitSkinTextLines(const QByteArray& text);
// Every line followed by CR LF, the last one too.
QByteArray JoinSkinTextLines(const QList<QByteArray>& lines);
