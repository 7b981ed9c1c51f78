#pragma once

#include "tests/skin/data/section_entries.h"

#include <QHash>
#include <QRegularExpression>
#include <QString>

// Helpers that push a definition's section through ReadFromIni and
// WriteToIni. `make` returns a fresh definition (a smart pointer) each time,
// so no state survives from one read to the next.

template <typename Make>
SectionEntries WrittenDefaults(Make make, const QString& section)
{
    TbsIniFile ini;
    make()->WriteToIni(ini);
    return EntriesOf(ini, section);
}

template <typename Make>
SectionEntries ReadThenWrite(Make make, const QString& section, const SectionEntries& entries)
{
    auto definition = make();
    definition->ReadFromIni(IniWithSection(section, entries));
    TbsIniFile out;
    definition->WriteToIni(out);
    return EntriesOf(out, section);
}

// A text that reads differently from `value`, distinct for each position i.
inline QString AlternativeValue(const QString& value, int i)
{
    static const QHash<QString, QString> otherWord {
        { QStringLiteral("stfull"), QStringLiteral("stvert") },
        { QStringLiteral("mkdefault"), QStringLiteral("mkpush") },
        { QStringLiteral("tacenter"), QStringLiteral("taleftjustify") },
        { QStringLiteral("iebrightness"), QStringLiteral("ieinvert") },
        { QStringLiteral("cmdefault"), QStringLiteral("cmrollup") },
    };
    static const QRegularExpression rect(QStringLiteral("^\\d+,\\d+,\\d+,\\d+$"));
    static const QRegularExpression point(QStringLiteral("^\\d+,\\d+$"));
    static const QRegularExpression integer(QStringLiteral("^-?\\d+$"));
    if (otherWord.contains(value))
        return otherWord.value(value);
    if (rect.match(value).hasMatch())
        return QStringLiteral("%1,%2,%3,%4").arg(i + 1).arg(i + 2).arg(i + 50).arg(i + 60);
    if (point.match(value).hasMatch())
        return QStringLiteral("%1,%2").arg(i + 3).arg(i + 4);
    if (integer.match(value).hasMatch())
        return QString::number(1000 + i);
    // Empty defaults belong to strings and font styles; this text is a
    // distinct string and, read as a font style, italic plus strike-out.
    if (value.isEmpty())
        return QStringLiteral("fsitalic,fsstrikeout") + QString::number(i);
    return value + QString::number(i);
}

// A section in which every key the definition writes holds a value other
// than its default, distinct per key wherever the kind allows.
template <typename Make>
SectionEntries DistinctValues(Make make, const QString& section)
{
    const SectionEntries defaults = WrittenDefaults(make, section);
    SectionEntries values;
    for (int i = 0; i < static_cast<int>(defaults.size()); ++i)
        values.emplace_back(defaults[i].first, AlternativeValue(defaults[i].second, i));
    // A boolean reads the probing number as false; only "1" reads true. A
    // font style keeps only its words.
    const SectionEntries echoed = ReadThenWrite(make, section, values);
    for (std::size_t i = 0; i < values.size() && i < echoed.size(); ++i) {
        if (echoed[i].second == values[i].second)
            continue;
        if (echoed[i].second == QLatin1String("0"))
            values[i].second = QStringLiteral("1");
        else if (echoed[i].second == QLatin1String("fsitalic,fsstrikeout"))
            values[i].second = echoed[i].second;
    }
    return values;
}
