#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The delimiter list: the delimiters of the last shuffled article, in the
// order they appeared. Each delimiter is one character, so the list keeps
// them side by side in one text, two bytes a delimiter for nearly every
// article, where a list of strings would spend dozens.
class DelimiterList {
public:
    qsizetype Count() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }
    void Clear();
    // Appends one delimiter, a single character.
    void Append(QStringView delimiter);

    // One string a delimiter; equal delimiters share one string.
    QStringList ToStringList() const;

private:
    QString m_characters;
    qsizetype m_count { 0 };
};
