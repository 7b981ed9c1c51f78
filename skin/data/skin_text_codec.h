#pragma once

#include <QByteArray>
#include <QString>

// The definition text is 8-bit in code page 936. Decoding uses GB18030 (a
// superset) when this Qt build offers it, Latin-1 otherwise; encoding is the
// reverse, so a decoded text encodes back to the same bytes.
QString DecodeSkinText(const QByteArray& bytes);
QByteArray EncodeSkinText(const QString& text);
bool SkinTextCodecAvailable();
