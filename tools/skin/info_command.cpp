#include "tools/skin/info_command.h"

#include "skin/data/definition_factory.h"
#include "skin/data/skin_values.h"
#include "tools/skin/skin_file_reader.h"
#include "tools/skin/skin_tool_command.h"

namespace {

void PrintBitmaps(const OpenedSkin& skin, QTextStream& out)
{
    for (const SkinPackageBitmap& bitmap : skin.bitmaps) {
        out << bitmap.slot;
        const QString name = PictureFileName(skin, bitmap);
        if (!name.isEmpty())
            out << " \"" << name << '"';
        out << ": ";
        if (!bitmap.present) {
            out << "empty\n";
            continue;
        }
        out << bitmap.width << " x " << qAbs(bitmap.height) << ", " << bitmap.bitsPerPixel << " bits per pixel, "
            << bitmap.size << " bytes\n";
    }
}

void PrintVersionTexts(const TbsIniFile& ini, QTextStream& out)
{
    out << "[VERSION]\n";
    for (const char* key : { "skinname", "skinauthor", "authoremail", "authorurl", "skincomments" })
        out << "  " << key << ": " << ReadSkinString(ini, QStringLiteral("VERSION"), QLatin1String(key)) << '\n';
}

// Reads each definition as a load would, so that a malformed value shows
// here rather than when the skin is first used. Like a load, it visits only
// the entries present, so a huge count costs nothing.
template <typename Create>
void PrintDefinitionList(const TbsIniFile& ini, const QString& section, Create create, QTextStream& out)
{
    const int count = ReadSkinInteger(ini, section, QStringLiteral("count"));
    out << '[' << section << "] " << qMax(count, 0) << " entries\n";
    for (const int i : PresentListIndexes(ini, section, count)) {
        const auto [name, type] = SplitDefinitionEntry(ReadSkinString(ini, section, QString::number(i)));
        out << "  " << i << ": " << name << " (" << type << ')';
        auto definition = create(type, name);
        if (!definition) {
            out << " unknown type, skipped\n";
            continue;
        }
        // A malformed value names its line, section and key itself.
        definition->ReadFromIni(ini);
        out << '\n';
    }
}

}

void RunInfoCommand(const QStringList& arguments, QTextStream& out)
{
    ExpectArgumentCount(arguments, 1);
    const OpenedSkin skin = OpenSkin(arguments[0]);
    out << "version: " << skin.contents.version << '\n';
    PrintBitmaps(skin, out);
    out << "definition text: " << skin.contents.definitionText.size() << " bytes\n";
    PrintVersionTexts(skin.definition, out);
    PrintDefinitionList(skin.definition, QStringLiteral("SKINOBJECTS"), CreateObjectDefinition, out);
    PrintDefinitionList(skin.definition, QStringLiteral("SKINCONTROLS"), CreateControlDefinition, out);
}
