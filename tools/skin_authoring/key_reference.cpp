#include "tools/skin_authoring/key_reference.h"

#include "skin/data/definition_factory.h"
#include "skin/data/form_info.h"
#include "skin/data/hint_window_definition.h"
#include "skin/data/popup_window_definition.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_key_visitor.h"

namespace {

// Notes each key with its kind and the value a fresh definition holds for it,
// which is the key's default.
class KeyLister final : public SkinKeyVisitor {
public:
    QList<KeyReferenceEntry> keys;

    void Integer(const char* key, int& value, int) override { Add(key, "integer", QString::number(value)); }
    void Bool(const char* key, bool& value) override { Add(key, "boolean", value ? "1" : "0"); }
    void Color(const char* key, SkinColor& value, SkinColor) override { Add(key, "colour", QString::number(static_cast<int>(value))); }
    void String(const char* key, QString& value, const QString&) override { Add(key, "string", value); }
    void Rect(const char* key, SkinRect& r) override
    {
        Add(key, "rectangle", QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom));
    }
    void Point(const char* key, QPoint& p) override { Add(key, "point", QStringLiteral("%1,%2").arg(p.x()).arg(p.y())); }
    void PictureIndex(const char* key, int& value) override { Add(key, "picture index", QString::number(value)); }
    void Font(const char* key, FontStyles& value) override
    {
        QStringList words;
        const QStringList all = FontStyleWords();
        for (qsizetype i = 0; i < all.size(); ++i) {
            if (value & (1u << i))
                words.append(all[i]);
        }
        Add(key, "font style", words.join(u','));
    }
    void Align(const char* key, Alignment& value) override { Add(key, "alignment", AlignmentWords().value(int(value))); }
    void Stretch(const char* key, StretchType& value) override { Add(key, "stretch type", StretchTypeWords().value(int(value))); }
    void Morph(const char* key, MorphKind& value) override { Add(key, "morph kind", MorphKindWords().value(int(value))); }
    void Effect(const char* key, InactiveEffect& value) override
    {
        Add(key, "inactive effect", InactiveEffectWords().value(int(value)));
    }
    void Command(const char* key, TbsStdCommand& value) override { Add(key, "command", StdCommandWord(value)); }

private:
    void Add(const char* key, const char* kind, const QString& fallback)
    {
        keys.append({ QString::fromLatin1(key), QString::fromLatin1(kind), fallback });
    }
};

KeyReferenceSection Describe(const QString& title, const KeyedSection& section)
{
    KeyLister lister;
    section.InspectKeys(lister);
    return { title, lister.keys };
}

QString Cell(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("(empty)") : QStringLiteral("`%1`").arg(text);
}

}

QList<KeyReferenceSection> SkinKeyReference()
{
    QList<KeyReferenceSection> sections;
    sections.append(Describe(QStringLiteral("[FORMINFO]"), TbsFormInfo()));
    sections.append(Describe(QStringLiteral("[POPUPWINDOW]"), TbsDataSkinPopupWindow()));
    sections.append(Describe(QStringLiteral("[HINTWINDOW]"), TbsDataSkinHintWindow()));
    // A loaded skin starts from the system colours, not from the zeros a new
    // colour set holds.
    TbsSkinColors colors;
    colors.ResetToDefaults();
    sections.append(Describe(QStringLiteral("[SKINCOLORS]"), colors));
    for (const QString& type : ObjectDefinitionTypes())
        sections.append(Describe(QStringLiteral("frame object type `%1`").arg(type), *CreateObjectDefinition(type, type)));
    for (const QString& type : ControlDefinitionTypes())
        sections.append(Describe(QStringLiteral("control type `%1`").arg(type), *CreateControlDefinition(type, type)));
    return sections;
}

QString SkinKeyReferenceMarkdown()
{
    QString text;
    for (const KeyReferenceSection& section : SkinKeyReference()) {
        text += QStringLiteral("#### %1\n\n| Key | Kind | Default |\n|---|---|---|\n").arg(section.title);
        for (const KeyReferenceEntry& entry : section.keys)
            text += QStringLiteral("| `%1` | %2 | %3 |\n").arg(entry.key, entry.kind, Cell(entry.fallback));
        text += u'\n';
    }
    return text;
}
