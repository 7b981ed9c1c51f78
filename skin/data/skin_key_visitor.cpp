#include "skin/data/skin_key_visitor.h"

namespace {

QString Key(const char* key) { return QString::fromLatin1(key); }

}

template<typename Convert>
auto SkinKeyReader::Locate(const char* key, Convert convert) const
{
    try {
        return convert(Value(key));
    } catch (const SkinConversionError& error) {
        // As compilers write it, so that an editor can jump to the line.
        throw SkinConversionError(QStringLiteral("skin.ini:%1: [%2] %3: %4")
                                      .arg(m_ini.KeyLine(m_section, QLatin1StringView(key)))
                                      .arg(m_ini.SectionNameAt(m_section), QLatin1StringView(key), QString::fromUtf8(error.what()))
                                      .toStdString());
    }
}

void SkinKeyReader::Integer(const char* key, int& value, int fallback) { value = SkinIntegerValue(Value(key), fallback); }
void SkinKeyReader::Bool(const char* key, bool& value) { value = SkinBoolValue(Value(key)); }
void SkinKeyReader::Color(const char* key, SkinColor& value, SkinColor fallback) { value = SkinColorValue(Value(key), fallback); }
void SkinKeyReader::String(const char* key, QString& value, const QString& fallback) { value = SkinStringValue(Value(key), fallback); }
void SkinKeyReader::Rect(const char* key, SkinRect& value) { value = Locate(key, SkinRectValue); }
void SkinKeyReader::Point(const char* key, QPoint& value) { value = Locate(key, SkinPointValue); }
void SkinKeyReader::PictureIndex(const char* key, int& value) { value = PictureIndexValue(Value(key)); }
void SkinKeyReader::Font(const char* key, FontStyles& value) { value = FontStylesValue(Value(key)); }
void SkinKeyReader::Align(const char* key, Alignment& value) { value = AlignmentValue(Value(key)); }
void SkinKeyReader::Stretch(const char* key, StretchType& value) { value = StretchTypeValue(Value(key)); }
void SkinKeyReader::Morph(const char* key, MorphKind& value) { value = MorphKindValue(Value(key)); }
void SkinKeyReader::Effect(const char* key, InactiveEffect& value) { value = InactiveEffectValue(Value(key)); }

void SkinKeyReader::Command(const char* key, TbsStdCommand& value)
{
    const std::optional<QStringView> word = Value(key);
    value = word ? ParseStdCommand(*word) : cmDefault;
}

void SkinKeyWriter::Integer(const char* key, int& value, int) { WriteSkinInteger(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::Bool(const char* key, bool& value) { WriteSkinBool(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::Color(const char* key, SkinColor& value, SkinColor) { WriteSkinColor(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::String(const char* key, QString& value, const QString&) { WriteSkinString(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::Rect(const char* key, SkinRect& value) { WriteSkinRect(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::Point(const char* key, QPoint& value) { WriteSkinPoint(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::PictureIndex(const char* key, int& value) { WriteSkinInteger(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::Font(const char* key, FontStyles& value) { WriteFontStyles(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::Align(const char* key, Alignment& value) { WriteAlignment(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::Stretch(const char* key, StretchType& value) { WriteStretchType(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::Morph(const char* key, MorphKind& value) { WriteMorphKind(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::Effect(const char* key, InactiveEffect& value) { WriteInactiveEffect(m_ini, m_section, Key(key), value); }
void SkinKeyWriter::Command(const char* key, TbsStdCommand& value) { WriteSkinString(m_ini, m_section, Key(key), StdCommandWord(value)); }
