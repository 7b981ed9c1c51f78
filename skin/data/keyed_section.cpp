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
    InspectKeys(writer);
}

void KeyedSection::InspectKeys(SkinKeyVisitor& keys) const
{
    // The visit is shared with the reader, which is why it hands out the
    // fields by non-const reference; an inspecting visitor never writes them.
    const_cast<KeyedSection*>(this)->VisitKeys(keys);
}
