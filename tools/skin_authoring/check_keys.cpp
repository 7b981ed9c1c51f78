#include "tools/skin_authoring/check_keys.h"

#include "tools/skin_authoring/near_names.h"

namespace {

QString Quoted(QStringView text)
{
    return QStringLiteral("\"%1\"").arg(text);
}

QStringList CommandWords()
{
    QStringList words;
    for (int command = cmClose; command <= cmMinimizeToTray; ++command)
        words.append(StdCommandWord(static_cast<TbsStdCommand>(command)));
    return words;
}

// What the loader keeps of a rectangle or point: digits and the commas
// between them. Anything else it drops without a word.
bool HasOnlyDigitsCommasAndBlanks(QStringView text)
{
    for (const QChar c : text) {
        if (!(c.isDigit() && c.unicode() < 0x80) && c != u',' && c != u' ')
            return false;
    }
    return true;
}

}

SkinKeyChecker::SkinKeyChecker(const TbsIniFile& ini, int section, int activePictureCount, SkinProblems& problems)
    : m_ini(ini)
    , m_section(section)
    , m_activePictureCount(activePictureCount)
    , m_problems(problems)
{
}

std::optional<QStringView> SkinKeyChecker::Text(const char* key)
{
    m_known.append(QString::fromLatin1(key).toLower());
    return m_ini.Value(m_section, QLatin1StringView(key));
}

void SkinKeyChecker::Error(const char* key, const QString& text)
{
    m_problems.Error(m_ini.KeyLine(m_section, QLatin1StringView(key)), m_ini.SectionNameAt(m_section).toString(),
        QString::fromLatin1(key), text);
}

void SkinKeyChecker::Warning(const char* key, const QString& text)
{
    m_problems.Warning(m_ini.KeyLine(m_section, QLatin1StringView(key)), m_ini.SectionNameAt(m_section).toString(),
        QString::fromLatin1(key), text);
}

bool SkinKeyChecker::CheckNumber(const char* key, QStringView text)
{
    int value = 0;
    if (ParseSkinInteger(text, value))
        return true;
    Error(key, QStringLiteral("%1 is not a whole number").arg(Quoted(text)));
    return false;
}

void SkinKeyChecker::Integer(const char* key, int&, int)
{
    if (const auto text = Text(key))
        CheckNumber(key, *text);
}

void SkinKeyChecker::Bool(const char* key, bool&)
{
    const auto text = Text(key);
    if (text && *text != u"0" && *text != u"1")
        Error(key, QStringLiteral("%1 is neither 1 (yes) nor 0 (no)").arg(Quoted(*text)));
}

void SkinKeyChecker::Color(const char* key, SkinColor&, SkinColor)
{
    const auto text = Text(key);
    int value = 0;
    if (text && !ParseSkinInteger(*text, value))
        Error(key, QStringLiteral("%1 is not a colour: write 0x00BBGGRR as a decimal number (16777215 is white)")
                       .arg(Quoted(*text)));
}

void SkinKeyChecker::String(const char* key, QString&, const QString&)
{
    Text(key);
}

void SkinKeyChecker::Rect(const char* key, SkinRect&)
{
    const auto text = Text(key);
    if (!text)
        return;
    try {
        const SkinRect rect = SkinRectValue(text);
        m_rects.append({ { QString::fromLatin1(key), m_ini.KeyLine(m_section, QLatin1StringView(key)) }, rect });
        if (!HasOnlyDigitsCommasAndBlanks(*text) || text->count(u',') != 3)
            Warning(key, QStringLiteral("%1 reads as \"%2,%3,%4,%5\": only four numbers and their commas count")
                             .arg(Quoted(*text))
                             .arg(rect.left)
                             .arg(rect.top)
                             .arg(rect.right)
                             .arg(rect.bottom));
        else if (!rect.IsEmpty() && (rect.right <= rect.left || rect.bottom <= rect.top))
            Warning(key, QStringLiteral("%1 is empty: right and bottom come after left and top").arg(Quoted(*text)));
    } catch (const SkinConversionError& error) {
        Error(key, QString::fromUtf8(error.what()));
    }
}

void SkinKeyChecker::Point(const char* key, QPoint&)
{
    const auto text = Text(key);
    if (!text)
        return;
    try {
        const QPoint point = SkinPointValue(text);
        m_points.append({ { QString::fromLatin1(key), m_ini.KeyLine(m_section, QLatin1StringView(key)) }, point });
        if (!HasOnlyDigitsCommasAndBlanks(*text) || text->count(u',') != 1)
            Warning(key, QStringLiteral("%1 reads as \"%2,%3\": only two numbers and their comma count")
                             .arg(Quoted(*text))
                             .arg(point.x())
                             .arg(point.y()));
    } catch (const SkinConversionError& error) {
        Error(key, QString::fromUtf8(error.what()));
    }
}

void SkinKeyChecker::PictureIndex(const char* key, int&)
{
    const auto text = Text(key);
    if (!text || !CheckNumber(key, *text))
        return;
    const int index = SkinIntegerValue(text, -1);
    if (index < -1 || index >= m_activePictureCount)
        Error(key, QStringLiteral("picture %1 does not exist: [PICTURES] lists %2 active pictures (0 to %3; -1 for none)")
                       .arg(index)
                       .arg(m_activePictureCount)
                       .arg(m_activePictureCount - 1));
}

void SkinKeyChecker::Font(const char* key, FontStyles&)
{
    const auto text = Text(key);
    if (!text)
        return;
    const QStringList words = FontStyleWords();
    for (const QStringView word : text->split(u',', Qt::SkipEmptyParts)) {
        const QString trimmed = word.trimmed().toString();
        if (!trimmed.isEmpty() && !words.contains(trimmed))
            Error(key, QStringLiteral("%1 is not a font style (%2)%3")
                           .arg(Quoted(trimmed), words.join(QStringLiteral(", ")), DidYouMean(trimmed, words)));
    }
}

void SkinKeyChecker::CheckWord(const char* key, const QStringList& words)
{
    const auto text = Text(key);
    if (text && !words.contains(text->toString()))
        Error(key, QStringLiteral("%1 is not one of %2%3")
                       .arg(Quoted(*text), words.join(QStringLiteral(", ")), DidYouMean(text->toString(), words)));
}

void SkinKeyChecker::Align(const char* key, Alignment&) { CheckWord(key, AlignmentWords()); }
void SkinKeyChecker::Stretch(const char* key, StretchType&) { CheckWord(key, StretchTypeWords()); }
void SkinKeyChecker::Morph(const char* key, MorphKind&) { CheckWord(key, MorphKindWords()); }
void SkinKeyChecker::Effect(const char* key, InactiveEffect&) { CheckWord(key, InactiveEffectWords()); }
void SkinKeyChecker::Command(const char* key, TbsStdCommand&) { CheckWord(key, CommandWords()); }

const SkinKeyChecker::PlacedRect* SkinKeyChecker::FindRect(const QString& key) const
{
    for (const PlacedRect& placed : m_rects) {
        if (placed.key.compare(key, Qt::CaseInsensitive) == 0)
            return &placed;
    }
    return nullptr;
}

QString HexSkinColor(SkinColor color)
{
    return QStringLiteral("#%1%2%3")
        .arg(color & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString DescribeSkinColor(SkinColor color)
{
    return QStringLiteral("%1 (%2)").arg(color).arg(HexSkinColor(color));
}
