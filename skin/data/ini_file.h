#pragma once

#include <QString>
#include <QStringList>
#include <unordered_map>
#include <vector>

// The in-memory INI text of a skin definition. Section names and keys match
// without regard to letter case; a later key in a section wins over an earlier
// one, and a later section of the same name replaces the earlier one whole.
class TbsIniFile {
public:
    TbsIniFile() = default;
    // Lines may end with CR, LF or CR LF.
    static TbsIniFile FromText(const QString& text);
    // Every line ends with CR LF, as skin definition files are written.
    QString ToText() const;

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QStringList Sections() const;
    QStringList Keys(const QString& section) const;

    // The raw trimmed value text, or null when the key is missing.
    const QString* Value(const QString& section, const QString& key) const;
    // The raw trimmed value text, or fallback when the key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& fallback = {}) const;
    // Integer text as the skin values take it; fallback when missing or malformed.
    int ReadInteger(const QString& section, const QString& key, int fallback = 0) const;
    // True only for the integer 1; fallback when the key is missing.
    bool ReadBool(const QString& section, const QString& key, bool fallback = false) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void EraseSection(const QString& section);

private:
    // Hashes folded names with a seed drawn once per process, so that no skin
    // can be written to pile its names into one bucket; cheaper than qHash.
    struct NameHash {
        std::size_t operator()(const QString& name) const noexcept;
    };
    using NameIndex = std::unordered_map<QString, std::size_t, NameHash>;

    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
        NameIndex entryIndex;

        const Entry* Find(const QString& key) const;
        void Put(const QString& key, const QString& value);
    };
    Section* FindSection(const QString& name);
    const Section* FindSection(const QString& name) const;
    // An existing section of that name emptied, or a new one at the end.
    Section& FreshSection(const QString& name);
    Section& SectionForWriting(const QString& name);
    const Entry* FindEntry(const QString& section, const QString& key) const;

    std::vector<Section> m_sections;
    NameIndex m_sectionIndex;
};
