#include "app/text/delimiter_list.h"

#include <algorithm>

void DelimiterList::Clear()
{
    m_characters.clear();
    m_count = 0;
}

void DelimiterList::Append(QStringView delimiter)
{
    m_characters.append(delimiter);
    ++m_count;
}

QStringList DelimiterList::ToStringList() const
{
    QStringList delimiters;
    delimiters.reserve(m_count);
    // The delimiters seen so far, one shared string each; a pattern has few.
    QStringList distinct;
    for (qsizetype position = 0; position < m_characters.size();) {
        auto const width = m_characters[position].isHighSurrogate() && position + 1 < m_characters.size()
                && m_characters[position + 1].isLowSurrogate()
            ? 2
            : 1;
        auto const delimiter = QStringView(m_characters).sliced(position, width);
        auto known = std::ranges::find(distinct, delimiter);
        if (known == distinct.end())
            known = distinct.insert(distinct.end(), delimiter.toString());
        delimiters.append(*known);
        position += width;
    }
    return delimiters;
}
