#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The in-memory INI text of a skin definition. Section names and keys match
// without regard to letter case; a later key in a section wins over an earlier
// one, and a later section of the same name replaces the earlier one whole.
class TbsIniFile {
public:
    TbsIniFile() = default;
    static TbsIniFile FromText(const QString& text);
    QString ToText() const;

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QStringList Sections() const;

    // The raw trimmed value text, or fallback when the key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& fallback = {}) const;
    int ReadInteger(const QString& section, const QString& key, int fallback = 0) const;
    bool ReadBool(const QString& section, const QString& key, bool fallback = false) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void EraseSection(const QString& section);

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };
    Section* FindSection(const QString& name);
    const Section* FindSection(const QString& name) const;

    std::vector<Section> m_sections;
};
