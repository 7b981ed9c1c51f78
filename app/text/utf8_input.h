#pragma once

#include <QByteArrayView>
#include <QString>

#include <stdexcept>

// Input bytes that are not well-formed UTF-8.
class Utf8InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The error for input whose first malformed byte is the one at offset.
Utf8InputError InvalidUtf8At(QByteArrayView bytes, qsizetype offset);

// The offset of the first byte that does not belong to a well-formed UTF-8
// sequence (overlong forms, surrogates and code points past U+10FFFF are not
// well-formed), or -1 when all of them do.
qsizetype FindInvalidUtf8(QByteArrayView bytes);

// A leading byte order mark, which the text itself does not include.
inline constexpr QByteArrayView kUtf8ByteOrderMark { "\xEF\xBB\xBF" };

// Decodes a whole text, dropping a leading byte order mark. Throws
// Utf8InputError naming the offending byte rather than replacing anything.
QString DecodeUtf8Text(QByteArrayView bytes);
