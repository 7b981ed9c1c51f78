#pragma once

#include "skin/data/keyed_section.h"

// A definition the skin lists by type word and name ([SKINOBJECTS],
// [SKINCONTROLS]); its keys stand in the section its name gives. The skin
// data owns each one and hands out pointers to it, so none is copied.
class NamedDefinition : public KeyedSection {
public:
    explicit NamedDefinition(const QString& idName)
        : KeyedSection(idName)
    {
    }
    NamedDefinition(const NamedDefinition&) = delete;
    NamedDefinition& operator=(const NamedDefinition&) = delete;

    // The type word that creates this class ("stdbutton", "button", ...).
    virtual QString TypeName() const = 0;
    const QString& IDName() const { return SectionName(); }
};
