#include "skin/data/ini_file.h"

#include "skin/data/skin_values.h"

#include <QRandomGenerator>
#include <QStringView>

namespace {

// Blanks and every control character count as padding, as the definition
// text was written by hand in editors that leave tabs and stray bytes behind.
QStringView TrimPadding(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.sliced(begin, end - begin);
}

// Names are compared in case-folded form. Nearly every name is lower-case
// ASCII, which is its own folded form and needs no copy.
QString LookupKey(const QString& name)
{
    for (const QChar c : name) {
        if (c.unicode() >= 0x80 || (c >= u'A' && c <= u'Z'))
            return name.toCaseFolded();
    }
    return name;
}

} // namespace

std::size_t TbsIniFile::NameHash::operator()(const QString& name) const noexcept
{
    static const quint64 seed = QRandomGenerator::system()->generate64();
    quint64 hash = seed;
    for (const QChar c : name)
        hash = (hash ^ c.unicode()) * 0x100000001b3ull;
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

const TbsIniFile::Entry* TbsIniFile::Section::Find(const QString& key) const
{
    const auto it = entryIndex.find(LookupKey(key));
    return it == entryIndex.end() ? nullptr : &entries[it->second];
}

void TbsIniFile::Section::Put(const QString& key, const QString& value)
{
    const QString lookup = LookupKey(key);
    const auto [it, added] = entryIndex.try_emplace(lookup, entries.size());
    if (!added) {
        entries[it->second].value = value;
        return;
    }
    entries.push_back({ key, value });
}

TbsIniFile TbsIniFile::FromText(const QString& text)
{
    TbsIniFile ini;
    Section* current = nullptr;
    qsizetype lineStart = 0;
    const qsizetype length = text.size();
    while (lineStart <= length) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < length && text[lineEnd] != u'\r' && text[lineEnd] != u'\n')
            ++lineEnd;
        const QStringView line = TrimPadding(QStringView(text).sliced(lineStart, lineEnd - lineStart));

        if (lineEnd < length && text[lineEnd] == u'\r' && lineEnd + 1 < length && text[lineEnd + 1] == u'\n')
            lineStart = lineEnd + 2;
        else
            lineStart = lineEnd + 1;

        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QStringView name = TrimPadding(line.sliced(1, line.size() - 2));
            current = &ini.FreshSection(name.toString());
            continue;
        }
        if (!current)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        current->Put(TrimPadding(line.first(equals)).toString(), TrimPadding(line.sliced(equals + 1)).toString());
    }
    return ini;
}

QString TbsIniFile::ToText() const
{
    QString text;
    for (const Section& section : m_sections) {
        text += u'[' + section.name + QStringLiteral("]\r\n");
        for (const Entry& entry : section.entries)
            text += entry.key + u'=' + entry.value + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    return text;
}

bool TbsIniFile::SectionExists(const QString& section) const
{
    return FindSection(section) != nullptr;
}

bool TbsIniFile::ValueExists(const QString& section, const QString& key) const
{
    return FindEntry(section, key) != nullptr;
}

QStringList TbsIniFile::Sections() const
{
    QStringList names;
    names.reserve(static_cast<qsizetype>(m_sections.size()));
    for (const Section& section : m_sections)
        names.append(section.name);
    return names;
}

QStringList TbsIniFile::Keys(const QString& section) const
{
    QStringList keys;
    if (const Section* found = FindSection(section)) {
        for (const Entry& entry : found->entries)
            keys.append(entry.key);
    }
    return keys;
}

const QString* TbsIniFile::Value(const QString& section, const QString& key) const
{
    const Entry* entry = FindEntry(section, key);
    return entry ? &entry->value : nullptr;
}

QString TbsIniFile::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    const Entry* entry = FindEntry(section, key);
    return entry ? entry->value : fallback;
}

int TbsIniFile::ReadInteger(const QString& section, const QString& key, int fallback) const
{
    const Entry* entry = FindEntry(section, key);
    int value = 0;
    if (entry && ParseSkinInteger(entry->value, value))
        return value;
    return fallback;
}

bool TbsIniFile::ReadBool(const QString& section, const QString& key, bool fallback) const
{
    const Entry* entry = FindEntry(section, key);
    if (!entry)
        return fallback;
    int value = 0;
    return ParseSkinInteger(entry->value, value) && value == 1;
}

void TbsIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    SectionForWriting(section).Put(key, value);
}

void TbsIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TbsIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TbsIniFile::EraseSection(const QString& section)
{
    const auto it = m_sectionIndex.find(LookupKey(section));
    if (it == m_sectionIndex.end())
        return;
    m_sections.erase(m_sections.begin() + static_cast<std::ptrdiff_t>(it->second));
    m_sectionIndex.clear();
    for (std::size_t i = 0; i < m_sections.size(); ++i)
        m_sectionIndex.emplace(LookupKey(m_sections[i].name), i);
}

TbsIniFile::Section* TbsIniFile::FindSection(const QString& name)
{
    const auto it = m_sectionIndex.find(LookupKey(name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

const TbsIniFile::Section* TbsIniFile::FindSection(const QString& name) const
{
    const auto it = m_sectionIndex.find(LookupKey(name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

TbsIniFile::Section& TbsIniFile::FreshSection(const QString& name)
{
    if (Section* existing = FindSection(name)) {
        existing->entries.clear();
        existing->entryIndex.clear();
        return *existing;
    }
    m_sectionIndex.emplace(LookupKey(name), m_sections.size());
    m_sections.push_back({ name, {}, {} });
    return m_sections.back();
}

TbsIniFile::Section& TbsIniFile::SectionForWriting(const QString& name)
{
    if (Section* existing = FindSection(name))
        return *existing;
    return FreshSection(name);
}

const TbsIniFile::Entry* TbsIniFile::FindEntry(const QString& section, const QString& key) const
{
    const Section* found = FindSection(section);
    return found ? found->Find(key) : nullptr;
}
