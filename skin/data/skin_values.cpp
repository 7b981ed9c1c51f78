#include "skin/data/skin_values.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <vector>

namespace {

bool ParseDigits(QStringView digits, int base, std::uint64_t limit, std::uint64_t& value)
{
    if (digits.isEmpty())
        return false;
    value = 0;
    for (const QChar c : digits) {
        const int digit = (c.unicode() >= '0' && c.unicode() <= '9') ? c.unicode() - '0'
            : (base == 16 && c.unicode() >= 'a' && c.unicode() <= 'f') ? c.unicode() - 'a' + 10
            : (base == 16 && c.unicode() >= 'A' && c.unicode() <= 'F') ? c.unicode() - 'A' + 10
                                                                        : -1;
        if (digit < 0)
            return false;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit)
            return false;
    }
    return true;
}

// Colours are 32-bit patterns; hexadecimal text may give any of them, and the
// upper half of the range reads as the negative integer with the same bits.
constexpr std::uint64_t kHexLimit = std::numeric_limits<std::uint32_t>::max();

// A skin's lists name a handful of pictures. The items of a list run up to its
// last numbered key, the gaps read as empty strings; a stray index beyond this
// bound is ignored rather than padded with millions of empty items.
constexpr int kMaxStringListItems = 65536;

// The first count fields of the value in one pass; fields after them are
// ignored. Every field keeps its digits only, so a coordinate can never come
// out negative: " -2" reads as 2. A field without digits, or too large for an
// int, fails. A missing value reads as zeros.
std::array<int, 4> ReadCoordinates(std::optional<QStringView> text, std::size_t count)
{
    std::array<int, 4> values {};
    if (!text)
        return values;
    std::array<std::int64_t, 4> fields;
    fields.fill(-1);
    std::size_t field = 0;
    for (const QChar c : *text) {
        if (c == u',') {
            if (++field == count)
                break;
        } else if (c.unicode() >= '0' && c.unicode() <= '9' && fields[field] <= std::numeric_limits<int>::max()) {
            fields[field] = std::max<std::int64_t>(fields[field], 0) * 10 + (c.unicode() - '0');
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (fields[i] > std::numeric_limits<int>::max())
            throw SkinConversionError(QStringLiteral("\"%1\" holds a number too large for a coordinate").arg(*text).toStdString());
        if (fields[i] < 0)
            throw SkinConversionError(QStringLiteral("\"%1\" needs %2 numbers")
                                          .arg(*text, count == 4 ? QStringLiteral("four") : QStringLiteral("two"))
                                          .toStdString());
        values[i] = static_cast<int>(fields[i]);
    }
    return values;
}

template<typename Enum, std::size_t N>
QString WordOf(const std::array<std::string_view, N>& words, Enum value)
{
    const auto index = static_cast<std::size_t>(value);
    return index < N ? QString::fromLatin1(words[index].data(), static_cast<qsizetype>(words[index].size())) : QString();
}

// Exact-case look-up: the enumeration words of a definition are lower case,
// and any other spelling is as good as an unknown word.
template<std::size_t N>
int IndexOfWord(const std::array<std::string_view, N>& words, QStringView text)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (text == QLatin1StringView(words[i].data(), static_cast<qsizetype>(words[i].size())))
            return static_cast<int>(i);
    }
    return -1;
}

constexpr std::array<std::string_view, 4> kFontStyleWords { "fsbold", "fsitalic", "fsunderline", "fsstrikeout" };
constexpr std::array<FontStyle, 4> kFontStyleFlags { fsBold, fsItalic, fsUnderline, fsStrikeOut };
constexpr std::array<std::string_view, 3> kAlignmentWords { "taleftjustify", "tarightjustify", "tacenter" };
constexpr std::array<std::string_view, 3> kStretchTypeWords { "stfull", "sthorz", "stvert" };
constexpr std::array<std::string_view, 7> kMorphKindWords { "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient",
    "mkleftslide", "mkrightslide", "mkpush" };
constexpr std::array<std::string_view, 6> kInactiveEffectWords { "iebrightness", "iedarkness", "iegrayscale", "ienoise",
    "iesplitblur", "ieinvert" };

template<std::size_t N>
QStringList AllWords(const std::array<std::string_view, N>& words)
{
    QStringList list;
    for (const std::string_view word : words)
        list.append(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    return list;
}

} // namespace

QStringList FontStyleWords() { return AllWords(kFontStyleWords); }
QStringList AlignmentWords() { return AllWords(kAlignmentWords); }
QStringList StretchTypeWords() { return AllWords(kStretchTypeWords); }
QStringList MorphKindWords() { return AllWords(kMorphKindWords); }
QStringList InactiveEffectWords() { return AllWords(kInactiveEffectWords); }

bool ParseSkinInteger(QStringView text, int& value)
{
    QStringView rest = text;
    bool negative = false;
    if (rest.startsWith(u'-') || rest.startsWith(u'+')) {
        negative = rest.front() == u'-';
        rest = rest.sliced(1);
    }

    std::uint64_t magnitude = 0;
    if (rest.startsWith(u'$') || rest.startsWith(u"0x") || rest.startsWith(u"0X")) {
        if (!ParseDigits(rest.sliced(rest.front() == u'$' ? 1 : 2), 16, kHexLimit, magnitude))
            return false;
        auto bits = static_cast<std::uint32_t>(magnitude);
        if (negative)
            bits = 0u - bits;
        value = static_cast<int>(bits);
        return true;
    }

    const std::uint64_t limit = negative ? std::uint64_t { 1 } << 31 : (std::uint64_t { 1 } << 31) - 1;
    if (!ParseDigits(rest, 10, limit, magnitude))
        return false;
    value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
    return true;
}

int SkinIntegerValue(std::optional<QStringView> text, int fallback)
{
    int value = 0;
    return text && ParseSkinInteger(*text, value) ? value : fallback;
}

bool SkinBoolValue(std::optional<QStringView> text)
{
    return SkinIntegerValue(text, 0) == 1;
}

SkinColor SkinColorValue(std::optional<QStringView> text, SkinColor fallback)
{
    return static_cast<SkinColor>(SkinIntegerValue(text, static_cast<int>(fallback)));
}

int PictureIndexValue(std::optional<QStringView> text)
{
    return SkinIntegerValue(text, -1);
}

QString SkinStringValue(std::optional<QStringView> text, const QString& fallback)
{
    return text ? text->toString() : fallback;
}

SkinRect SkinRectValue(std::optional<QStringView> text)
{
    const std::array<int, 4> v = ReadCoordinates(text, 4);
    return { v[0], v[1], v[2], v[3] };
}

QPoint SkinPointValue(std::optional<QStringView> text)
{
    const std::array<int, 4> v = ReadCoordinates(text, 2);
    return { v[0], v[1] };
}

FontStyles FontStylesValue(std::optional<QStringView> text)
{
    FontStyles styles = 0;
    if (!text)
        return styles;
    for (std::size_t i = 0; i < kFontStyleWords.size(); ++i) {
        const QLatin1StringView word(kFontStyleWords[i].data(), static_cast<qsizetype>(kFontStyleWords[i].size()));
        if (text->contains(word, Qt::CaseSensitive))
            styles |= kFontStyleFlags[i];
    }
    return styles;
}

Alignment AlignmentValue(std::optional<QStringView> text)
{
    if (!text || *text == u"tacenter")
        return Alignment::taCenter;
    if (*text == u"taleftjustify")
        return Alignment::taLeftJustify;
    return Alignment::taRightJustify;
}

StretchType StretchTypeValue(std::optional<QStringView> text)
{
    if (!text || *text == u"stfull")
        return StretchType::stFull;
    if (*text == u"stvert")
        return StretchType::stVert;
    return StretchType::stHorz;
}

MorphKind MorphKindValue(std::optional<QStringView> text)
{
    const int index = text ? IndexOfWord(kMorphKindWords, *text) : 0;
    return index < 0 ? MorphKind::mkDefault : static_cast<MorphKind>(index);
}

InactiveEffect InactiveEffectValue(std::optional<QStringView> text)
{
    const int index = text ? IndexOfWord(kInactiveEffectWords, *text) : 0;
    return index < 0 ? InactiveEffect::ieGrayScale : static_cast<InactiveEffect>(index);
}

int ReadSkinInteger(const TbsIniFile& ini, const QString& section, const QString& key, int fallback)
{
    return SkinIntegerValue(ini.Value(section, key), fallback);
}


QString ReadSkinString(const TbsIniFile& ini, const QString& section, const QString& key, const QString& fallback)
{
    return SkinStringValue(ini.Value(section, key), fallback);
}

SkinRect ReadSkinRect(const TbsIniFile& ini, const QString& section, const QString& key)
{
    return SkinRectValue(ini.Value(section, key));
}

QPoint ReadSkinPoint(const TbsIniFile& ini, const QString& section, const QString& key)
{
    return SkinPointValue(ini.Value(section, key));
}

QStringList ReadSkinStringList(const TbsIniFile& ini, const QString& section, const QString& name)
{
    const int found = ini.FindSection(section);
    const int count = SkinIntegerValue(ini.Value(found, QStringView(name + QStringLiteral("count"))), 0);
    const std::vector<int> present = PresentListIndexes(ini, section, std::min(count, kMaxStringListItems));
    if (present.empty())
        return {};
    const qsizetype size = present.back() + 1;
    QStringList items;
    items.reserve(size);
    for (qsizetype i = 0; i < size; ++i)
        items.append(SkinStringValue(ini.Value(found, QStringView(QString::number(i)))));
    return items;
}

std::vector<int> PresentListIndexes(const TbsIniFile& ini, const QString& section, int count)
{
    std::vector<int> indexes;
    const int found = ini.FindSection(section);
    for (qsizetype i = 0; i < ini.KeyCount(found); ++i) {
        const QStringView key = ini.KeyAt(found, i);
        int index = 0;
        // Only the plain decimal spelling names an item: "07" and "+7" do not.
        if (ParseSkinInteger(key, index) && index >= 0 && index < count && key == QString::number(index))
            indexes.push_back(index);
    }
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

void WriteSkinInteger(TbsIniFile& ini, const QString& section, const QString& key, int value)
{
    ini.WriteInteger(section, key, value);
}

void WriteSkinBool(TbsIniFile& ini, const QString& section, const QString& key, bool value)
{
    ini.WriteBool(section, key, value);
}

void WriteSkinColor(TbsIniFile& ini, const QString& section, const QString& key, SkinColor value)
{
    ini.WriteInteger(section, key, static_cast<int>(value));
}

void WriteSkinString(TbsIniFile& ini, const QString& section, const QString& key, const QString& value)
{
    ini.WriteString(section, key, value);
}

void WriteSkinRect(TbsIniFile& ini, const QString& section, const QString& key, const SkinRect& value)
{
    ini.WriteString(section, key, QStringLiteral("%1,%2,%3,%4").arg(value.left).arg(value.top).arg(value.right).arg(value.bottom));
}

void WriteSkinPoint(TbsIniFile& ini, const QString& section, const QString& key, const QPoint& value)
{
    ini.WriteString(section, key, QStringLiteral("%1,%2").arg(value.x()).arg(value.y()));
}

void WriteFontStyles(TbsIniFile& ini, const QString& section, const QString& key, FontStyles value)
{
    QStringList words;
    for (std::size_t i = 0; i < kFontStyleWords.size(); ++i) {
        if (value & kFontStyleFlags[i])
            words.append(QString::fromLatin1(kFontStyleWords[i].data(), static_cast<qsizetype>(kFontStyleWords[i].size())));
    }
    ini.WriteString(section, key, words.join(u','));
}

void WriteAlignment(TbsIniFile& ini, const QString& section, const QString& key, Alignment value)
{
    ini.WriteString(section, key, WordOf(kAlignmentWords, value));
}

void WriteStretchType(TbsIniFile& ini, const QString& section, const QString& key, StretchType value)
{
    ini.WriteString(section, key, WordOf(kStretchTypeWords, value));
}

void WriteMorphKind(TbsIniFile& ini, const QString& section, const QString& key, MorphKind value)
{
    ini.WriteString(section, key, WordOf(kMorphKindWords, value));
}

void WriteInactiveEffect(TbsIniFile& ini, const QString& section, const QString& key, InactiveEffect value)
{
    ini.WriteString(section, key, WordOf(kInactiveEffectWords, value));
}

void WriteSkinStringList(TbsIniFile& ini, const QString& section, const QString& name, const QStringList& value)
{
    ini.WriteInteger(section, name + QStringLiteral("count"), static_cast<int>(value.size()));
    for (qsizetype i = 0; i < value.size(); ++i)
        ini.WriteString(section, QString::number(i), value[i]);
}
