#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The most a text file dropped on an article may hold: far beyond any real
// article, small enough that reading and decoding it stays within memory the
// window can spare.
constexpr qint64 kMaxArticleFileBytes = qint64(64) << 20;

// The text of an article file's bytes: UTF-8 or UTF-16 after a byte order
// mark, else UTF-8 when the bytes are well-formed UTF-8, else GB18030, the
// code page of the skins and of older Chinese text files. Line breaks come
// out as "\n". Empty when the bytes are no text at all (they hold a zero byte
// outside UTF-16).
std::optional<QString> DecodeArticleFile(const QByteArray& bytes);

// Reads a file as an article: its text, or why it cannot be one (in the
// window's language, naming the file), with nothing read past maxBytes.
struct ArticleFile {
    QString text;
    QString error;
};
ArticleFile ReadArticleFile(const QString& path, qint64 maxBytes = kMaxArticleFileBytes);
