#include "app/window/article_file.h"

#include "base/line_breaks.h"
#include "skin/data/skin_text_codec.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace {

std::optional<QString> DecodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString MegabytesText(qint64 bytes)
{
    return QString::number(double(bytes) / double(1 << 20), 'f', 1);
}

} // namespace

std::optional<QString> DecodeArticleFile(const QByteArray& bytes)
{
    std::optional<QString> text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text = QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    else if (bytes.startsWith("\xFF\xFE"))
        text = DecodeWith(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    else if (bytes.startsWith("\xFE\xFF"))
        text = DecodeWith(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    else if (bytes.contains('\0'))
        return std::nullopt;
    else if (!(text = DecodeWith(QStringConverter::Utf8, bytes)))
        text = DecodeSkinText(bytes);
    if (!text || text->contains(QChar(0)))
        return std::nullopt;
    return WithLfLineBreaks(*text);
}

ArticleFile ReadArticleFile(const QString& path, qint64 maxBytes)
{
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { {}, QStringLiteral("无法读取文件“%1”：%2。").arg(name, file.errorString()) };
    if (file.size() > maxBytes) {
        return { {}, QStringLiteral("文件“%1”有 %2 MB，超过了文章框能接受的 %3 MB。文章没有改动。")
                         .arg(name, MegabytesText(file.size()), MegabytesText(maxBytes)) };
    }
    // What the file held when it was measured; it cannot grow past the
    // budget meanwhile.
    const QByteArray bytes = file.read(file.size());
    std::optional<QString> text = DecodeArticleFile(bytes);
    if (!text) {
        return { {}, QStringLiteral("文件“%1”不是文本文件。文章框接受 UTF-8、UTF-16 或 GB18030 编码的文本文件；"
                                    "皮肤文件可以拖到窗口的任何地方。")
                         .arg(name) };
    }
    return { std::move(*text), {} };
}
