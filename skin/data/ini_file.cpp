#include "skin/data/ini_file.h"

#include "skin/data/skin_values.h"

#include <QRandomGenerator>
#include <algorithm>

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

// A hash of the case-folded name, folded code point by code point as Qt's
// case-insensitive comparison folds them, so that names that compare equal
// hash alike. Nearly every name is ASCII, which needs no table look-up.
// One seed for every kind of name, drawn once per process.
quint64 HashSeed()
{
    static const quint64 seed = QRandomGenerator::system()->generate64();
    return seed;
}

template<typename Name>
quint32 FoldedHash(Name name)
{
    quint64 hash = HashSeed();
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t c = name[i].unicode();
        if (c < 0x80) {
            if (c >= 'A' && c <= 'Z')
                c += 'a' - 'A';
        } else {
            if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(name[i + 1].unicode()))
                c = QChar::surrogateToUcs4(char16_t(c), name[++i].unicode());
            c = QChar::toCaseFolded(c);
        }
        hash = (hash ^ c) * 0x100000001b3ull;
    }
    return static_cast<quint32>(hash ^ (hash >> 32));
}

constexpr char16_t AsciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// Names are compared as Qt compares them without regard to case; ASCII names,
// nearly all of them, are compared here without Qt's folding tables.
template<typename Name>
bool SameName(QStringView stored, Name name)
{
    const qsizetype size = std::min(stored.size(), name.size());
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t a = stored[i].unicode();
        const char16_t b = name[i].unicode();
        if (a >= 0x80 || b >= 0x80)
            return stored.compare(name, Qt::CaseInsensitive) == 0;
        if (AsciiLower(a) != AsciiLower(b))
            return false;
    }
    return stored.size() == name.size() || stored.compare(name, Qt::CaseInsensitive) == 0;
}

} // namespace

template<typename Name, typename NameAt>
std::size_t TbsIniFile::NameTable::Probe(quint32 hash, Name name, NameAt nameAt) const
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = hash & mask;
    while (m_slots[i].position != 0) {
        if (m_slots[i].hash == hash && SameName(nameAt(m_slots[i].position - 1), name))
            return i;
        i = (i + 1) & mask;
    }
    return i;
}

template<typename Name, typename NameAt>
qsizetype TbsIniFile::NameTable::Find(Name name, NameAt nameAt) const
{
    if (m_slots.empty())
        return -1;
    return qsizetype(m_slots[Probe(FoldedHash(name), name, nameAt)].position) - 1;
}

template<typename NameAt>
qsizetype TbsIniFile::NameTable::Add(QStringView name, qsizetype position, NameAt nameAt)
{
    const quint32 hash = FoldedHash(name);
    if (!m_slots.empty()) {
        const Slot& slot = m_slots[Probe(hash, name, nameAt)];
        if (slot.position != 0)
            return slot.position - 1;
    }
    // At most half the slots in use keeps every run of probes short.
    if (2 * (m_count + 1) > qsizetype(m_slots.size()))
        Grow();
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = hash & mask;
    while (m_slots[i].position != 0)
        i = (i + 1) & mask;
    m_slots[i] = { static_cast<quint32>(position + 1), hash };
    ++m_count;
    return position;
}

void TbsIniFile::NameTable::Clear()
{
    m_slots.clear();
    m_count = 0;
}

void TbsIniFile::NameTable::Grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? 8 : old.size() * 2, Slot {});
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.position == 0)
            continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].position != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

TbsIniFile TbsIniFile::FromText(const QString& text)
{
    TbsIniFile ini;
    // Shared with the caller: the spans point into the text as it was read.
    ini.m_chars = text;
    const QStringView chars(ini.m_chars);
    const auto spanOf = [&chars](QStringView part) { return Span { part.data() - chars.data(), part.size() }; };

    Section* current = nullptr;
    qsizetype lineStart = 0;
    int lineNumber = 0;
    const qsizetype length = chars.size();
    while (lineStart <= length) {
        ++lineNumber;
        qsizetype lineEnd = lineStart;
        while (lineEnd < length && chars[lineEnd] != u'\r' && chars[lineEnd] != u'\n')
            ++lineEnd;
        const QStringView line = TrimPadding(chars.sliced(lineStart, lineEnd - lineStart));

        if (lineEnd < length && chars[lineEnd] == u'\r' && lineEnd + 1 < length && chars[lineEnd + 1] == u'\n')
            lineStart = lineEnd + 2;
        else
            lineStart = lineEnd + 1;

        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            current = &ini.FreshSection(spanOf(TrimPadding(line.sliced(1, line.size() - 2))), lineNumber);
            continue;
        }
        if (!current)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        ini.Put(*current, spanOf(TrimPadding(line.first(equals))), spanOf(TrimPadding(line.sliced(equals + 1))), lineNumber);
    }
    return ini;
}

QString TbsIniFile::ToText() const
{
    QString text;
    for (const Section& section : m_sections) {
        text.append(u'[').append(View(section.name)).append(u"]\r\n");
        for (const Entry& entry : section.entries)
            text.append(View(entry.key)).append(u'=').append(View(entry.value)).append(u"\r\n");
        text.append(u"\r\n");
    }
    return text;
}

bool TbsIniFile::SectionExists(const QString& section) const
{
    return FindSection(section) >= 0;
}

bool TbsIniFile::ValueExists(const QString& section, const QString& key) const
{
    return Value(section, key).has_value();
}

QStringList TbsIniFile::Sections() const
{
    QStringList names;
    names.reserve(static_cast<qsizetype>(m_sections.size()));
    for (const Section& section : m_sections)
        names.append(View(section.name).toString());
    return names;
}

QStringList TbsIniFile::Keys(const QString& section) const
{
    QStringList keys;
    const int found = FindSection(section);
    for (qsizetype i = 0; i < KeyCount(found); ++i)
        keys.append(KeyAt(found, i).toString());
    return keys;
}

int TbsIniFile::FindSection(QStringView section) const
{
    return static_cast<int>(m_sectionTable.Find(section, SectionNames()));
}

template<typename Name>
const TbsIniFile::Entry* TbsIniFile::FindEntry(int section, Name key) const
{
    if (section < 0)
        return nullptr;
    const Section& found = m_sections[section];
    const qsizetype position = found.keyTable.Find(key, [this, &found](qsizetype i) { return View(found.entries[i].key); });
    return position < 0 ? nullptr : &found.entries[position];
}

std::optional<QStringView> TbsIniFile::Value(int section, QLatin1StringView key) const
{
    const Entry* entry = FindEntry(section, key);
    return entry ? std::optional(View(entry->value)) : std::nullopt;
}

std::optional<QStringView> TbsIniFile::Value(int section, QStringView key) const
{
    const Entry* entry = FindEntry(section, key);
    return entry ? std::optional(View(entry->value)) : std::nullopt;
}

std::optional<QStringView> TbsIniFile::Value(const QString& section, const QString& key) const
{
    return Value(FindSection(section), QStringView(key));
}

qsizetype TbsIniFile::KeyCount(int section) const
{
    return section < 0 ? 0 : static_cast<qsizetype>(m_sections[section].entries.size());
}

QStringView TbsIniFile::KeyAt(int section, qsizetype index) const
{
    return View(m_sections[section].entries[index].key);
}

int TbsIniFile::SectionLine(int section) const
{
    return section < 0 ? 0 : m_sections[section].line;
}

int TbsIniFile::KeyLine(int section, QLatin1StringView key) const
{
    const Entry* entry = FindEntry(section, key);
    return entry ? entry->line : 0;
}

int TbsIniFile::KeyLine(int section, QStringView key) const
{
    const Entry* entry = FindEntry(section, key);
    return entry ? entry->line : 0;
}

int TbsIniFile::KeyLineAt(int section, qsizetype index) const
{
    return m_sections[section].entries[index].line;
}

QString TbsIniFile::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    const std::optional<QStringView> value = Value(section, key);
    return value ? value->toString() : fallback;
}

int TbsIniFile::ReadInteger(const QString& section, const QString& key, int fallback) const
{
    const std::optional<QStringView> text = Value(section, key);
    int value = 0;
    if (text && ParseSkinInteger(*text, value))
        return value;
    return fallback;
}

bool TbsIniFile::ReadBool(const QString& section, const QString& key, bool fallback) const
{
    const std::optional<QStringView> text = Value(section, key);
    if (!text)
        return fallback;
    int value = 0;
    return ParseSkinInteger(*text, value) && value == 1;
}

TbsIniFile::Span TbsIniFile::Append(QStringView text)
{
    const Span span { m_chars.size(), text.size() };
    m_chars.append(text);
    return span;
}

void TbsIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    Section& target = SectionForWriting(section);
    const Span keySpan = Append(key);
    Put(target, keySpan, Append(value));
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
    const int found = FindSection(section);
    if (found < 0)
        return;
    m_sections.erase(m_sections.begin() + found);
    m_sectionTable.Clear();
    for (std::size_t i = 0; i < m_sections.size(); ++i)
        m_sectionTable.Add(View(m_sections[i].name), static_cast<qsizetype>(i), SectionNames());
}

void TbsIniFile::Put(Section& section, Span key, Span value, int line)
{
    const auto keyAt = [this, &section](qsizetype i) { return View(section.entries[i].key); };
    const qsizetype added = static_cast<qsizetype>(section.entries.size());
    const qsizetype position = section.keyTable.Add(View(key), added, keyAt);
    if (position != added)
        section.entries[position] = { section.entries[position].key, value, line };
    else
        section.entries.push_back({ key, value, line });
}

TbsIniFile::Section& TbsIniFile::FreshSection(Span name, int line)
{
    const qsizetype added = static_cast<qsizetype>(m_sections.size());
    const qsizetype position = m_sectionTable.Add(View(name), added, SectionNames());
    if (position != added) {
        Section& section = m_sections[position];
        section.entries.clear();
        section.keyTable.Clear();
        section.line = line;
        return section;
    }
    m_sections.push_back({ name, {}, {}, line });
    return m_sections.back();
}

TbsIniFile::Section& TbsIniFile::SectionForWriting(const QString& name)
{
    const int existing = FindSection(name);
    if (existing >= 0)
        return m_sections[existing];
    return FreshSection(Append(name));
}
