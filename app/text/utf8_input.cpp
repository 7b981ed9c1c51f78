#include "app/text/utf8_input.h"

#include "app/text/text_units.h"

#include <QStringDecoder>

Utf8InputError InvalidUtf8At(QByteArrayView bytes, qsizetype offset)
{
    return Utf8InputError(QStringLiteral("the input is not valid UTF-8 (byte %1, counting from 0, is 0x%2)")
                              .arg(offset)
                              .arg(static_cast<unsigned char>(bytes[offset]), 2, 16, QChar(u'0'))
                              .toStdString());
}

qsizetype FindInvalidUtf8(QByteArrayView bytes)
{
    std::string_view const text(bytes.data(), std::size_t(bytes.size()));
    std::size_t position = 0;
    while (position < text.size()) {
        auto const width = DecodeAt(text, position).width;
        if (width == 0)
            return qsizetype(position);
        position += width;
    }
    return -1;
}

QString DecodeUtf8Text(QByteArrayView bytes)
{
    if (auto const invalid = FindInvalidUtf8(bytes); invalid != -1)
        throw InvalidUtf8At(bytes, invalid);
    if (bytes.startsWith(kUtf8ByteOrderMark))
        bytes = bytes.sliced(kUtf8ByteOrderMark.size());
    // Only one byte-order mark belongs to the encoding; QString::fromUtf8 would
    // silently drop a second one, which is a character of the article.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}
