#include "fuzz/definition_text_mutator.h"

#include "fuzz/fuzz_numbers.h"
#include "skin/data/definition_factory.h"
#include "skin/data/form_info.h"
#include "skin/data/hint_window_definition.h"
#include "skin/data/ini_file.h"
#include "skin/data/popup_window_definition.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_text_codec.h"

#include <cctype>
#include <map>
#include <memory>
#include <vector>

namespace {

const QByteArray kObjectList = "SKINOBJECTS";
const QByteArray kControlList = "SKINCONTROLS";

// A section's lines: header is the "[NAME]" line, the keys follow up to end.
struct SectionLines {
    QByteArray name;
    qsizetype header = 0;
    qsizetype end = 0;
};

std::vector<SectionLines> FindSections(const QList<QByteArray>& lines)
{
    std::vector<SectionLines> sections;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.size() < 2 || !line.startsWith('[') || !line.endsWith(']'))
            continue;
        if (!sections.empty())
            sections.back().end = i;
        sections.push_back({ line.sliced(1, line.size() - 2).trimmed(), i, lines.size() });
    }
    return sections;
}

bool IsKeyLine(const QByteArray& line)
{
    return line.indexOf('=') > 0 && !line.trimmed().startsWith('[');
}

QByteArray KeyOf(const QByteArray& line)
{
    return line.first(line.indexOf('=')).trimmed();
}

// The key lines of a section, by index into the lines.
std::vector<qsizetype> KeyLines(const QList<QByteArray>& lines, const SectionLines& section)
{
    std::vector<qsizetype> keys;
    for (qsizetype i = section.header + 1; i < section.end; ++i) {
        if (IsKeyLine(lines[i]))
            keys.push_back(i);
    }
    return keys;
}

template<typename Container>
auto& Pick(Container& items, FuzzRandom& random)
{
    return items[random() % items.size()];
}

// What a fresh definition writes: every key it reads, with a value of its kind.
QList<QByteArray> KeysWritten(const KeyedSection& section)
{
    TbsIniFile ini;
    section.WriteToIni(ini);
    QList<QByteArray> lines = SplitSkinTextLines(ini.ToText().toLatin1());
    lines.removeIf([](const QByteArray& line) { return !IsKeyLine(line); });
    return lines;
}

// The key lines of a section's definition, found by the type word its list
// entry gives or by the window section's own name; empty for other sections.
class KeyTemplates {
public:
    explicit KeyTemplates(const QList<QByteArray>& lines, const std::vector<SectionLines>& sections)
    {
        for (const SectionLines& section : sections) {
            const QByteArray upper = section.name.toUpper();
            if (upper != kObjectList && upper != kControlList)
                continue;
            for (const qsizetype line : KeyLines(lines, section)) {
                const QByteArray entry = lines[line].sliced(lines[line].indexOf('=') + 1).trimmed();
                const qsizetype colon = entry.indexOf(':');
                if (colon > 0)
                    m_kinds[entry.first(colon).toLower()] = { upper == kControlList, entry.sliced(colon + 1) };
            }
        }
    }

    const QList<QByteArray>& For(const QByteArray& sectionName) const
    {
        static const QList<QByteArray> none;
        const QByteArray lower = sectionName.toLower();
        const auto kind = m_kinds.find(lower);
        if (kind != m_kinds.end())
            return DefinitionKeys(kind->second.control, kind->second.type);
        const auto window = WindowSectionKeys().find(lower);
        return window == WindowSectionKeys().end() ? none : window->second;
    }

private:
    struct Kind {
        bool control = false;
        QByteArray type;
    };

    // Cached per known type word only, so that garbage words cost nothing.
    static const QList<QByteArray>& DefinitionKeys(bool control, const QByteArray& type)
    {
        static std::map<std::pair<bool, QByteArray>, QList<QByteArray>> cache;
        static const QList<QByteArray> none;
        const auto key = std::make_pair(control, type);
        const auto found = cache.find(key);
        if (found != cache.end())
            return found->second;
        const QString word = QString::fromLatin1(type);
        const QString name = QStringLiteral("TEMPLATE");
        std::unique_ptr<KeyedSection> definition;
        if (control)
            definition = CreateControlDefinition(word, name);
        else
            definition = CreateObjectDefinition(word, name);
        return definition ? cache.emplace(key, KeysWritten(*definition)).first->second : none;
    }

    static const std::map<QByteArray, QList<QByteArray>>& WindowSectionKeys()
    {
        static const std::map<QByteArray, QList<QByteArray>> keys = [] {
            std::map<QByteArray, QList<QByteArray>> sections;
            const TbsFormInfo form;
            const TbsDataSkinPopupWindow popup;
            const TbsDataSkinHintWindow hint;
            const TbsSkinColors colors;
            for (const KeyedSection* section : std::initializer_list<const KeyedSection*> { &form, &popup, &hint, &colors })
                sections[section->SectionName().toLatin1().toLower()] = KeysWritten(*section);
            return sections;
        }();
        return keys;
    }

    std::map<QByteArray, Kind> m_kinds;
};

// One number of the value set to an interesting one, or the whole value when
// it holds no number.
QByteArray MutateValue(const QByteArray& value, const QList<QSize>& pictureSizes, FuzzRandom& random)
{
    std::vector<std::pair<qsizetype, qsizetype>> numbers;  // start, length
    for (qsizetype i = 0; i < value.size();) {
        const bool negative = value[i] == '-' && i + 1 < value.size() && std::isdigit(static_cast<unsigned char>(value[i + 1]));
        if (!negative && !std::isdigit(static_cast<unsigned char>(value[i]))) {
            ++i;
            continue;
        }
        qsizetype end = i + (negative ? 1 : 0);
        while (end < value.size() && std::isdigit(static_cast<unsigned char>(value[end])))
            ++end;
        numbers.emplace_back(i, end - i);
        i = end;
    }
    if (numbers.empty())
        return QByteArray::number(InterestingNumber(0, pictureSizes, random));
    const auto [start, length] = Pick(numbers, random);
    const qint64 old = value.mid(start, length).toLongLong();
    QByteArray mutated = value;
    mutated.replace(start, length, QByteArray::number(InterestingNumber(old, pictureSizes, random)));
    return mutated;
}

void MutateKeyLine(QByteArray& line, const QList<QSize>& pictureSizes, FuzzRandom& random)
{
    const qsizetype equals = line.indexOf('=');
    line = line.first(equals + 1) + MutateValue(line.sliced(equals + 1), pictureSizes, random);
}

class DefinitionTextMutation {
public:
    DefinitionTextMutation(const QByteArray& text, const QList<QSize>& pictureSizes, FuzzRandom& random)
        : m_lines(SplitSkinTextLines(text))
        , m_pictureSizes(pictureSizes)
        , m_random(random)
    {
    }

    QByteArray Text() const { return JoinSkinTextLines(m_lines); }

    void MutateOnce()
    {
        const std::vector<SectionLines> sections = FindSections(m_lines);
        if (sections.empty()) {
            m_lines.append("[" + Pick(kWindowSectionNames, m_random) + "]");
            return;
        }
        const KeyTemplates templates(m_lines, sections);
        const SectionLines& section = Pick(sections, m_random);
        switch (m_random() % 16) {
        case 0: case 1: case 2: case 3: case 4: case 5:
            SetDefinitionKey(section, templates.For(section.name));
            break;
        case 6: case 7: case 8:
            MutateSomeKey(section);
            break;
        case 9:
            DropKey(section);
            break;
        case 10:
            DuplicateKey(section);
            break;
        case 11:
            MoveKey(section, Pick(sections, m_random));
            break;
        case 12:
            RenameSection(section, Pick(sections, m_random).name);
            break;
        default:
            ChangeKind(sections);
            break;
        }
    }

private:
    static inline const QList<QByteArray> kWindowSectionNames { "FORMINFO", "POPUPWINDOW", "HINTWINDOW", "SKINCOLORS",
        "SKINOBJECTS", "SKINCONTROLS", "PICTURES", "VERSION" };

    // A key the section's definition reads, added when missing; its number
    // is then varied.
    void SetDefinitionKey(const SectionLines& section, const QList<QByteArray>& keys)
    {
        if (keys.isEmpty()) {
            MutateSomeKey(section);
            return;
        }
        const QByteArray& wanted = Pick(keys, m_random);
        const QByteArray key = KeyOf(wanted).toLower();
        for (const qsizetype line : KeyLines(m_lines, section)) {
            if (KeyOf(m_lines[line]).toLower() == key) {
                MutateKeyLine(m_lines[line], m_pictureSizes, m_random);
                return;
            }
        }
        QByteArray added = wanted;
        if (m_random() % 4 != 0)
            MutateKeyLine(added, m_pictureSizes, m_random);
        m_lines.insert(section.header + 1 + m_random() % (section.end - section.header), added);
    }

    void MutateSomeKey(const SectionLines& section)
    {
        const std::vector<qsizetype> keys = KeyLines(m_lines, section);
        if (!keys.empty())
            MutateKeyLine(m_lines[Pick(keys, m_random)], m_pictureSizes, m_random);
    }

    void DropKey(const SectionLines& section)
    {
        const std::vector<qsizetype> keys = KeyLines(m_lines, section);
        if (!keys.empty())
            m_lines.removeAt(Pick(keys, m_random));
    }

    // A second line of the key, later in the section, with another number.
    void DuplicateKey(const SectionLines& section)
    {
        const std::vector<qsizetype> keys = KeyLines(m_lines, section);
        if (keys.empty())
            return;
        const qsizetype line = Pick(keys, m_random);
        QByteArray copy = m_lines[line];
        MutateKeyLine(copy, m_pictureSizes, m_random);
        m_lines.insert(line + 1 + m_random() % (section.end - line), copy);
    }

    void MoveKey(const SectionLines& from, const SectionLines& to)
    {
        const std::vector<qsizetype> keys = KeyLines(m_lines, from);
        if (keys.empty())
            return;
        const qsizetype line = Pick(keys, m_random);
        const QByteArray moved = m_lines[line];
        const qsizetype target = to.header + 1 + m_random() % (to.end - to.header);
        if (m_random() % 2 == 0) {
            m_lines.insert(target, moved);
            return;
        }
        m_lines.removeAt(line);
        m_lines.insert(target > line ? target - 1 : target, moved);
    }

    // To another section's name (the later one then replaces it), another
    // case, a near miss or a window section's name.
    void RenameSection(const SectionLines& section, const QByteArray& other)
    {
        QByteArray name;
        switch (m_random() % 4) {
        case 0: name = other; break;
        case 1: name = section.name.toLower(); break;
        case 2: name = section.name + QByteArray(1, char('0' + m_random() % 10)); break;
        default: name = Pick(kWindowSectionNames, m_random); break;
        }
        m_lines[section.header] = "[" + name + "]";
    }

    // A list entry's type word swapped for another of either list.
    void ChangeKind(const std::vector<SectionLines>& sections)
    {
        std::vector<qsizetype> entries;
        for (const SectionLines& section : sections) {
            const QByteArray upper = section.name.toUpper();
            if (upper != kObjectList && upper != kControlList)
                continue;
            for (const qsizetype line : KeyLines(m_lines, section)) {
                if (m_lines[line].indexOf(':') > 0)
                    entries.push_back(line);
            }
        }
        if (entries.empty())
            return;
        QByteArray& line = m_lines[Pick(entries, m_random)];
        static const QStringList words = ObjectDefinitionTypes() + ControlDefinitionTypes();
        line = line.first(line.lastIndexOf(':') + 1) + Pick(words, m_random).toLatin1();
    }

    QList<QByteArray> m_lines;
    const QList<QSize>& m_pictureSizes;
    FuzzRandom& m_random;
};

}

QByteArray MutateDefinitionText(const QByteArray& text, const QList<QSize>& pictureSizes, FuzzRandom& random)
{
    DefinitionTextMutation mutation(text, pictureSizes, random);
    const int count = 1 + random() % 3;
    for (int i = 0; i < count; ++i)
        mutation.MutateOnce();
    return mutation.Text();
}

QByteArray CrossDefinitionTexts(const QByteArray& text, const QByteArray& other, FuzzRandom& random)
{
    QList<QByteArray> lines = SplitSkinTextLines(text);
    const QList<QByteArray> otherLines = SplitSkinTextLines(other);
    const std::vector<SectionLines> otherSections = FindSections(otherLines);
    if (otherSections.empty())
        return text;
    const SectionLines& taken = Pick(otherSections, random);
    const QList<QByteArray> body = otherLines.mid(taken.header, taken.end - taken.header);
    for (const SectionLines& section : FindSections(lines)) {
        if (section.name.compare(taken.name, Qt::CaseInsensitive) == 0)
            return JoinSkinTextLines(lines.first(section.header) + body + lines.sliced(section.end));
    }
    return JoinSkinTextLines(lines + body);
}
