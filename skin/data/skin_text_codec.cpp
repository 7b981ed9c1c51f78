#include "skin/data/skin_text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// GB18030 extends code page 936 and maps every byte sequence it cannot
// decode to a replacement, so it serves as the reader of 936 text.
const char* const kSkinTextEncoding = "GB18030";

}

bool SkinTextCodecAvailable()
{
    return QStringDecoder(kSkinTextEncoding).isValid();
}

QString DecodeSkinText(const QByteArray& bytes)
{
    QStringDecoder decoder(kSkinTextEncoding);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    // Definition text is nearly all ASCII, which GB18030 leaves as it is, so
    // ASCII lines are widened here and only the others go through the
    // decoder. Each piece ends with its LF, a byte no multi-byte character
    // holds, so the decoder never carries part of a character from one piece
    // into a line it does not see.
    QString text;
    text.reserve(bytes.size());
    const QByteArrayView all(bytes);
    qsizetype start = 0;
    while (start < all.size()) {
        const qsizetype newline = all.indexOf('\n', start);
        const qsizetype end = newline < 0 ? all.size() : newline + 1;
        const QByteArrayView line = all.sliced(start, end - start);
        if (QtPrivate::isAscii(QLatin1StringView(line)))
            text.append(QLatin1StringView(line));
        else
            text.append(decoder.decode(line));
        start = end;
    }
    return text;
}

QByteArray EncodeSkinText(const QString& text)
{
    QStringEncoder encoder(kSkinTextEncoding);
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}

const char kUnpackedSkinTextNote[] =
    "; UTF-8 text: lumeno-skin pack stores it in code page 936 (GB18030) with CR LF line ends.";

bool IsUtf8SkinText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    if (QtPrivate::isAscii(QLatin1StringView(bytes)))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString DecodeAuthoredSkinText(const QByteArray& bytes)
{
    if (!IsUtf8SkinText(bytes))
        return DecodeSkinText(bytes);
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QByteArray StoredSkinText(const QByteArray& authored)
{
    // Code-page text keeps its bytes as they are, even ones the code page
    // has no character for.
    QList<QByteArray> lines = SplitSkinTextLines(IsUtf8SkinText(authored) ? EncodeSkinText(DecodeAuthoredSkinText(authored)) : authored);
    if (!lines.isEmpty() && lines.first() == kUnpackedSkinTextNote)
        lines.removeFirst();
    return JoinSkinTextLines(lines);
}

QList<QByteArray> SplitSkinTextLines(const QByteArray& text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.append(text.mid(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

QByteArray JoinSkinTextLines(const QList<QByteArray>& lines)
{
    QByteArray text;
    for (const QByteArray& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}
