#include "tools/skin/pack_command.h"

#include "tools/skin/skin_tool_command.h"
#include "tools/skin_authoring/skin_folder_pack.h"

void RunPackCommand(const QStringList& arguments, QTextStream& out)
{
    ExpectArgumentCount(arguments, 2);
    const PackedSkinFolder packed = PackSkinFolder(arguments[0], arguments[1]);
    for (const SkinProblem& warning : packed.warnings)
        out << FormatSkinProblem(warning) << '\n';
    out << "packed " << arguments[0] << " into " << arguments[1] << " (" << packed.compressedSize << " compressed bytes)\n";
}
