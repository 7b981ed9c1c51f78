#pragma once

#include "skin/data/ini_file.h"

#include <QString>

class SkinKeyVisitor;

// Something a skin stores as one INI section. It lists its keys once, in
// VisitKeys; reading and writing both walk that list, so it always writes
// exactly the keys it reads, in the same order.
class KeyedSection {
public:
    virtual ~KeyedSection() = default;

    // Reads every key, then lets the definition complete what the keys leave
    // open; a missing key takes its default. Throws SkinConversionError for a
    // malformed rectangle or point.
    void ReadFromIni(const TbsIniFile& ini);
    // Erases the section and writes the keys that ReadFromIni reads, in the
    // same order.
    void WriteToIni(TbsIniFile& ini) const;
    // Walks the keys, in reading order, with a visitor that only looks at
    // them (a checker of the section's text); the fields stay as they are.
    void InspectKeys(SkinKeyVisitor& keys) const;

    const QString& SectionName() const { return m_section; }

protected:
    explicit KeyedSection(const QString& section)
        : m_section(section)
    {
    }
    KeyedSection(const KeyedSection&) = default;
    KeyedSection& operator=(const KeyedSection&) = default;

    // Visits the keys in the section's order; an override visits its parent's
    // keys first.
    virtual void VisitKeys(SkinKeyVisitor& keys) = 0;
    // Runs after every read; for values that depend on more than one key.
    virtual void CompleteAfterReading() { }

private:
    QString m_section;
};
