#pragma once

#include "skin/data/frame_command.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_values.h"

#include <QPoint>
#include <QString>

// A definition lists its keys once, in reading order, by calling one of these
// per key with the field that holds it. Reading and writing both walk that one
// list, so a definition always writes exactly the keys it reads, in the same
// order. The fallbacks are what a missing (or, for integers and colours,
// malformed) key reads as.
class SkinKeyVisitor {
public:
    virtual ~SkinKeyVisitor() = default;

    virtual void Integer(const char* key, int& value, int fallback = 0) = 0;
    virtual void Bool(const char* key, bool& value) = 0;
    virtual void Color(const char* key, SkinColor& value, SkinColor fallback = 0) = 0;
    virtual void String(const char* key, QString& value, const QString& fallback = {}) = 0;
    virtual void Rect(const char* key, SkinRect& value) = 0;
    virtual void Point(const char* key, QPoint& value) = 0;
    virtual void PictureIndex(const char* key, int& value) = 0;
    virtual void Font(const char* key, FontStyles& value) = 0;
    virtual void Align(const char* key, Alignment& value) = 0;
    virtual void Stretch(const char* key, StretchType& value) = 0;
    virtual void Morph(const char* key, MorphKind& value) = 0;
    virtual void Effect(const char* key, InactiveEffect& value) = 0;
    virtual void Command(const char* key, TbsStdCommand& value) = 0;
};

// Sets every visited field from its key in one section, or from its fallback.
// Rectangles and points throw SkinConversionError on a malformed value, its
// message led by "skin.ini:LINE: [section] key: ". The
// section is looked up once, and each key by its Latin-1 name as it stands.
class SkinKeyReader final : public SkinKeyVisitor {
public:
    SkinKeyReader(const TbsIniFile& ini, const QString& section)
        : m_ini(ini)
        , m_section(ini.FindSection(section))
    {
    }

    void Integer(const char* key, int& value, int fallback) override;
    void Bool(const char* key, bool& value) override;
    void Color(const char* key, SkinColor& value, SkinColor fallback) override;
    void String(const char* key, QString& value, const QString& fallback) override;
    void Rect(const char* key, SkinRect& value) override;
    void Point(const char* key, QPoint& value) override;
    void PictureIndex(const char* key, int& value) override;
    void Font(const char* key, FontStyles& value) override;
    void Align(const char* key, Alignment& value) override;
    void Stretch(const char* key, StretchType& value) override;
    void Morph(const char* key, MorphKind& value) override;
    void Effect(const char* key, InactiveEffect& value) override;
    void Command(const char* key, TbsStdCommand& value) override;

private:
    std::optional<QStringView> Value(const char* key) const { return m_ini.Value(m_section, QLatin1StringView(key)); }
    // The value converted, a conversion error told where it stands.
    template<typename Convert>
    auto Locate(const char* key, Convert convert) const;

    const TbsIniFile& m_ini;
    int m_section;
};

// Writes every visited field under its key into one section; it never changes
// the fields it is handed.
class SkinKeyWriter final : public SkinKeyVisitor {
public:
    SkinKeyWriter(TbsIniFile& ini, const QString& section)
        : m_ini(ini)
        , m_section(section)
    {
    }

    void Integer(const char* key, int& value, int fallback) override;
    void Bool(const char* key, bool& value) override;
    void Color(const char* key, SkinColor& value, SkinColor fallback) override;
    void String(const char* key, QString& value, const QString& fallback) override;
    void Rect(const char* key, SkinRect& value) override;
    void Point(const char* key, QPoint& value) override;
    void PictureIndex(const char* key, int& value) override;
    void Font(const char* key, FontStyles& value) override;
    void Align(const char* key, Alignment& value) override;
    void Stretch(const char* key, StretchType& value) override;
    void Morph(const char* key, MorphKind& value) override;
    void Effect(const char* key, InactiveEffect& value) override;
    void Command(const char* key, TbsStdCommand& value) override;

private:
    TbsIniFile& m_ini;
    QString m_section;
};
