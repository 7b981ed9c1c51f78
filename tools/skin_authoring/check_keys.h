#pragma once

#include "skin/data/ini_file.h"
#include "skin/data/skin_key_visitor.h"
#include "tools/skin_authoring/skin_problem.h"

#include <QPoint>
#include <QSet>

// Walks a section's keys as its definition lists them and checks the text of
// each key that is there against the kind of value the key holds, quoting
// what does not read as the author meant. The loader is forgiving (a
// malformed colour reads as black); the checker is not.
//
// It also notes what the geometry checks need: every key the definition
// knows, and the rectangles and points that are written, with their lines.
class SkinKeyChecker final : public SkinKeyVisitor {
public:
    struct Placed {
        QString key;
        int line { 0 };
    };
    struct PlacedRect : Placed {
        SkinRect rect;
    };
    struct PlacedPoint : Placed {
        QPoint point;
    };

    SkinKeyChecker(const TbsIniFile& ini, int section, int activePictureCount, SkinProblems& problems);

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

    // The section's position in the text (-1 when it has none).
    int Section() const { return m_section; }
    // Every key the definition reads, lower case.
    const QStringList& KnownKeys() const { return m_known; }
    const QList<PlacedRect>& Rects() const { return m_rects; }
    const QList<PlacedPoint>& Points() const { return m_points; }
    // The rectangle written under key; nullptr when the section has none.
    const PlacedRect* FindRect(const QString& key) const;

private:
    // The key's text when the section has it; notes the key as known.
    std::optional<QStringView> Text(const char* key);
    void Error(const char* key, const QString& text);
    void Warning(const char* key, const QString& text);
    void CheckWord(const char* key, const QStringList& words);
    bool CheckNumber(const char* key, QStringView text);

    const TbsIniFile& m_ini;
    int m_section;
    int m_activePictureCount;
    SkinProblems& m_problems;
    QStringList m_known;
    QList<PlacedRect> m_rects;
    QList<PlacedPoint> m_points;
};

// A colour as an author writes it, for messages: "16777215 (#FFFFFF)"; and
// as picture editors show it: "#FFFFFF".
QString DescribeSkinColor(SkinColor color);
QString HexSkinColor(SkinColor color);
