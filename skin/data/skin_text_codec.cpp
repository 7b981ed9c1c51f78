#include "skin/data/skin_text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {

// GB18030 extends code page 936 and maps every byte sequence it cannot
// decode to a replacement, so it serves as the reader of 936 text.
const char* const kSkinTextEncoding = "GB18030";

#include "gb18030_two_byte_table.inc"

// Appends line when it holds only ASCII and two-byte codes the table gives;
// otherwise appends nothing and returns false.
bool AppendTwoByteLine(QByteArrayView line, QString& text)
{
    const qsizetype before = text.size();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto lead = uchar(line[i]);
        if (lead < 0x80) {
            text.append(QChar(lead));
            continue;
        }
        const auto trail = i + 1 < line.size() ? uchar(line[i + 1]) : 0;
        const char16_t unit = lead >= 0x81 && lead <= 0xfe && trail >= 0x40 && trail <= 0xfe
            ? kGb18030TwoByteUnits[(lead - 0x81) * 191 + (trail - 0x40)]
            : 0;
        if (unit == 0) {
            text.truncate(before);
            return false;
        }
        text.append(QChar(unit));
        ++i;
    }
    return true;
}

}

bool SkinTextCodecAvailable()
{
    return QStringDecoder(kSkinTextEncoding).isValid();
}

QString DecodeSkinText(const QByteArray& bytes)
{
    // Definition text is nearly all ASCII, which GB18030 leaves as it is, and
    // its Chinese is two-byte codes: lines of those are decoded here, and only
    // other lines go through Qt's decoder, made when the first one comes (it
    // loads a library of its own). Each piece ends with its LF, a byte no
    // multi-byte character holds, so the decoder never carries part of a
    // character from one piece into a line it does not see.
    QString text;
    text.reserve(bytes.size());
    std::optional<QStringDecoder> decoder;
    const QByteArrayView all(bytes);
    qsizetype start = 0;
    while (start < all.size()) {
        const qsizetype newline = all.indexOf('\n', start);
        const qsizetype end = newline < 0 ? all.size() : newline + 1;
        const QByteArrayView line = all.sliced(start, end - start);
        if (QtPrivate::isAscii(QLatin1StringView(line)))
            text.append(QLatin1StringView(line));
        else if (!AppendTwoByteLine(line, text)) {
            if (!decoder)
                decoder.emplace(kSkinTextEncoding);
            text.append(decoder->isValid() ? decoder->decode(line) : QString::fromLatin1(line));
        }
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
