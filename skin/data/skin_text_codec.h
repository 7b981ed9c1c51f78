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

// The lines of an 8-bit text; a line ends at CR, LF or CR LF, and a final line
// break does not start another line.
QList<QByteArray> SplitSkinTextLines(const QByteArray& text);
// Every line followed by CR LF, the last one too.
QByteArray JoinSkinTextLines(const QList<QByteArray>& lines);
