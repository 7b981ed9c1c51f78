#pragma once

#include "skin/data/ini_file.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// The key=value lines of one section of an INI text, in order, as the file
// would write them; tests compare whole sections with these.
using SectionEntries = std::vector<std::pair<QString, QString>>;

inline SectionEntries EntriesOf(const TbsIniFile& ini, const QString& section)
{
    SectionEntries entries;
    bool inSection = false;
    for (const QString& rawLine : ini.ToText().split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = line.mid(1, line.size() - 2).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inSection && equals > 0)
            entries.emplace_back(line.left(equals), line.mid(equals + 1));
    }
    return entries;
}

inline QStringList KeysOf(const SectionEntries& entries)
{
    QStringList keys;
    for (const auto& entry : entries)
        keys.append(entry.first);
    return keys;
}

inline TbsIniFile IniWithSection(const QString& section, const SectionEntries& entries)
{
    TbsIniFile ini;
    for (const auto& [key, value] : entries)
        ini.WriteString(section, key, value);
    return ini;
}
