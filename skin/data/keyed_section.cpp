#include "skin/data/keyed_section.h"

#include "skin/data/skin_key_visitor.h"

void KeyedSection::ReadFromIni(const TbsIniFile& ini)
{
    SkinKeyReader reader(ini, m_section);
    VisitKeys(reader);
    CompleteAfterReading();
}

void KeyedSection::WriteToIni(TbsIniFile& ini) const
{
    ini.EraseSection(m_section);
    SkinKeyWriter writer(ini, m_section);
    // The writer only reads the fields; the visit is shared with the reader,
    // which is why it takes them by non-const reference.
    const_cast<KeyedSection*>(this)->VisitKeys(writer);
}
