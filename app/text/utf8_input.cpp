#include "app/text/utf8_input.h"

namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed sequence at position, or 0.
qsizetype SequenceLength(QByteArrayView bytes, qsizetype position)
{
    auto const byteAt = [&](qsizetype offset) -> unsigned char {
        return position + offset < bytes.size() ? static_cast<unsigned char>(bytes[position + offset]) : 0;
    };
    unsigned char const lead = byteAt(0);
    unsigned char const second = byteAt(1);
    // The second byte's range is what rules out overlong forms, surrogates and
    // code points past U+10FFFF.
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    qsizetype length = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondMin = 0xA0;
        else if (lead == 0xED)
            secondMax = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondMin = 0x90;
        else if (lead == 0xF4)
            secondMax = 0x8F;
    } else {
        return 0;
    }
    if (second < secondMin || second > secondMax)
        return 0;
    for (qsizetype offset = 2; offset < length; ++offset) {
        if (!IsContinuation(byteAt(offset)))
            return 0;
    }
    return length;
}

} // namespace

qsizetype FindInvalidUtf8(QByteArrayView bytes)
{
    qsizetype position = 0;
    while (position < bytes.size()) {
        auto const length = SequenceLength(bytes, position);
        if (length == 0)
            return position;
        position += length;
    }
    return -1;
}

QString DecodeUtf8Text(QByteArrayView bytes)
{
    if (auto const invalid = FindInvalidUtf8(bytes); invalid != -1)
        throw Utf8InputError(QStringLiteral("the input is not valid UTF-8 (byte %1, counting from 0, is 0x%2)")
                                 .arg(invalid)
                                 .arg(static_cast<unsigned char>(bytes[invalid]), 2, 16, QChar(u'0'))
                                 .toStdString());
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return QString::fromUtf8(bytes);
}
