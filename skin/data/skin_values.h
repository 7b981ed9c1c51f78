#pragma once

#include "skin/data/ini_file.h"
#include "skin/data/skin_rect.h"

#include <QPoint>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

// The value kinds of a skin definition: how each is read from the INI text,
// what it falls back to, and how it is written back.

// Raised when a rectangle or point value lacks a field or holds a field without
// a digit; it aborts the load that reads it. The message quotes the value
// ("\"2,2,102\" needs four numbers"); the reader of a section puts the line,
// section and key in front.
class SkinConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// 0x00BBGGRR; 0xFF0000nn stands for the system colour with index nn.
using SkinColor = std::uint32_t;
constexpr SkinColor SystemColor(int index) { return 0xFF000000u | static_cast<SkinColor>(index); }

enum FontStyle : unsigned {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using FontStyles = unsigned;

enum class Alignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum class StretchType { stFull = 0, stHorz = 1, stVert = 2 };
enum class MorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };
enum class InactiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

// Integer text: decimal with optional sign, or hexadecimal after "$" or "0x".
// Returns false for anything else.
bool ParseSkinInteger(QStringView text, int& value);

// Each value kind from its raw text as TbsIniFile::Value gives it (nullopt
// for a missing key), for readers that look their section up once. The
// Read... functions below read the same way by section and key name.
int SkinIntegerValue(std::optional<QStringView> text, int fallback = 0);
bool SkinBoolValue(std::optional<QStringView> text);
SkinColor SkinColorValue(std::optional<QStringView> text, SkinColor fallback);
// -1, "no picture", when missing or malformed.
int PictureIndexValue(std::optional<QStringView> text);
QString SkinStringValue(std::optional<QStringView> text, const QString& fallback = {});
SkinRect SkinRectValue(std::optional<QStringView> text);
QPoint SkinPointValue(std::optional<QStringView> text);
FontStyles FontStylesValue(std::optional<QStringView> text);
Alignment AlignmentValue(std::optional<QStringView> text);
StretchType StretchTypeValue(std::optional<QStringView> text);
MorphKind MorphKindValue(std::optional<QStringView> text);
InactiveEffect InactiveEffectValue(std::optional<QStringView> text);

// The words each enumeration kind is written with, in value order; for the
// font styles, in flag order.
QStringList FontStyleWords();
QStringList AlignmentWords();
QStringList StretchTypeWords();
QStringList MorphKindWords();
QStringList InactiveEffectWords();

int ReadSkinInteger(const TbsIniFile& ini, const QString& section, const QString& key, int fallback = 0);
QString ReadSkinString(const TbsIniFile& ini, const QString& section, const QString& key, const QString& fallback = {});
SkinRect ReadSkinRect(const TbsIniFile& ini, const QString& section, const QString& key);
QPoint ReadSkinPoint(const TbsIniFile& ini, const QString& section, const QString& key);
// Missing items in between read as empty strings; missing items at the end are
// left out, so a huge count costs nothing. Items from index 65536 on are
// ignored.
QStringList ReadSkinStringList(const TbsIniFile& ini, const QString& section, const QString& name);
// The indexes below count whose numbered key ("0", "1", ...) the section
// holds, ascending. The work is bounded by the section's size, not by count.
std::vector<int> PresentListIndexes(const TbsIniFile& ini, const QString& section, int count);

void WriteSkinInteger(TbsIniFile& ini, const QString& section, const QString& key, int value);
void WriteSkinBool(TbsIniFile& ini, const QString& section, const QString& key, bool value);
void WriteSkinColor(TbsIniFile& ini, const QString& section, const QString& key, SkinColor value);
void WriteSkinString(TbsIniFile& ini, const QString& section, const QString& key, const QString& value);
void WriteSkinRect(TbsIniFile& ini, const QString& section, const QString& key, const SkinRect& value);
void WriteSkinPoint(TbsIniFile& ini, const QString& section, const QString& key, const QPoint& value);
void WriteFontStyles(TbsIniFile& ini, const QString& section, const QString& key, FontStyles value);
void WriteAlignment(TbsIniFile& ini, const QString& section, const QString& key, Alignment value);
void WriteStretchType(TbsIniFile& ini, const QString& section, const QString& key, StretchType value);
void WriteMorphKind(TbsIniFile& ini, const QString& section, const QString& key, MorphKind value);
void WriteInactiveEffect(TbsIniFile& ini, const QString& section, const QString& key, InactiveEffect value);
void WriteSkinStringList(TbsIniFile& ini, const QString& section, const QString& name, const QStringList& value);
