#pragma once

#include <QByteArrayView>
#include <QString>

#include <stdexcept>

// Input bytes that are not well-formed UTF-8.
class Utf8InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The offset of the first byte that does not belong to a well-formed UTF-8
// sequence (overlong forms, surrogates and code points past U+10FFFF are not
// well-formed), or -1 when all of them do.
qsizetype FindInvalidUtf8(QByteArrayView bytes);

// Decodes a whole text, dropping a leading byte order mark. Throws
// Utf8InputError naming the offending byte rather than replacing anything.
QString DecodeUtf8Text(QByteArrayView bytes);
