#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

// The in-memory INI text of a skin definition. Section names and keys match
// without regard to letter case; a later key in a section wins over an earlier
// one, and a later section of the same name replaces the earlier one whole.
//
// Names and values are spans of one character buffer: the text read is kept
// whole (shared, not copied) and every line costs no allocation of its own;
// written names and values are appended to the buffer.
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

    // The position of a section among Sections(), or -1 when there is no such
    // section. Readers of many keys of one section look it up once with this
    // and pass the position to the overloads below. Valid until the next write.
    int FindSection(QStringView section) const;
    // The raw trimmed value text, or nullopt when the key (or the section, for
    // -1) is missing. The view lives until the next write.
    std::optional<QStringView> Value(int section, QLatin1StringView key) const;
    std::optional<QStringView> Value(int section, QStringView key) const;
    std::optional<QStringView> Value(const QString& section, const QString& key) const;
    // The keys of the section at that position, in order; none for -1.
    qsizetype KeyCount(int section) const;
    QStringView KeyAt(int section, qsizetype index) const;
    // The name of the section at that position, as the text spells it.
    QStringView SectionNameAt(int section) const { return View(m_sections[section].name); }

    // Where the text read put a section or key, counted from 1, so that a
    // message can send an author to the line. 0 for a written one, a missing
    // one, or -1.
    int SectionLine(int section) const;
    int KeyLine(int section, QLatin1StringView key) const;
    int KeyLine(int section, QStringView key) const;
    int KeyLineAt(int section, qsizetype index) const;

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
    // Where a name or value lies in m_chars.
    struct Span {
        qsizetype offset = 0;
        qsizetype size = 0;
    };

    // Positions of names, open-addressed; each slot keeps the name's hash so
    // that growing never hashes a name again and most misses compare no text.
    // Hashes are seeded once per process, so that no skin can be written to
    // pile its names into one run of slots.
    class NameTable {
    public:
        // The position whose name matches, or -1. nameAt(position) gives
        // the name stored at a position.
        template<typename Name, typename NameAt>
        qsizetype Find(Name name, NameAt nameAt) const;
        // The position of the name when it is there already; otherwise adds
        // it at position and returns position.
        template<typename NameAt>
        qsizetype Add(QStringView name, qsizetype position, NameAt nameAt);
        void Clear();

    private:
        struct Slot {
            quint32 position = 0;  // position + 1; 0 for a free slot
            quint32 hash = 0;
        };
        // The slot holding the name, or else the free slot where it would go.
        template<typename Name, typename NameAt>
        std::size_t Probe(quint32 hash, Name name, NameAt nameAt) const;
        void Grow();
        std::vector<Slot> m_slots;
        qsizetype m_count = 0;
    };

    struct Entry {
        Span key;
        Span value;
        int line = 0;
    };
    struct Section {
        Span name;
        std::vector<Entry> entries;
        NameTable keyTable;
        int line = 0;
    };

    QStringView View(Span span) const { return QStringView(m_chars).sliced(span.offset, span.size); }
    auto SectionNames() const
    {
        return [this](qsizetype i) { return View(m_sections[i].name); };
    }
    Span Append(QStringView text);
    template<typename Name>
    const Entry* FindEntry(int section, Name key) const;
    void Put(Section& section, Span key, Span value, int line = 0);
    // An existing section of that name emptied, or a new one at the end.
    Section& FreshSection(Span name, int line = 0);
    Section& SectionForWriting(const QString& name);

    QString m_chars;
    std::vector<Section> m_sections;
    NameTable m_sectionTable;
};
