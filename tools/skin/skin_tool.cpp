#include "tools/skin/skin_tool.h"

#include "base/lumeno_version.h"
#include "skins/built_in_skins.h"
#include "tools/skin/skin_tool_command.h"

#include <exception>

namespace {

void PrintUsage(const QList<SkinToolCommand>& commands, QTextStream& stream)
{
    stream << "usage:\n";
    for (const SkinToolCommand& command : commands)
        stream << "  lumeno-skin " << command.name << (command.usage.isEmpty() ? "" : " ") << command.usage << '\n';
    stream << "  lumeno-skin --help | --version\n"
           << "SKIN is a built-in skin by name (" << BuiltInSkinNames().join(QStringLiteral(", "))
           << "), a skin folder or its skin.ini,\n"
           << "or a compressed skin file; a file named like a built-in skin is reached as ./NAME.\n"
           << "check prints each problem as FILE:LINE: error|warning: [section] key: ... and ends\n"
           << "with 0 when there is none, 1 when there are problems, 2 when the skin cannot be read;\n"
           << "pack checks the same way and packs nothing while there are errors.\n"
           << "Start a new skin with `lumeno-skin unpack light my-skin`; the author's guide is\n"
           << "docs/skin-authoring.md.\n";
}

const SkinToolCommand* FindCommand(const QList<SkinToolCommand>& commands, const QString& name)
{
    for (const SkinToolCommand& command : commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

}

int RunSkinTool(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    return RunSkinTool(arguments, out, err, {});
}

int RunSkinTool(const QStringList& arguments, QTextStream& out, QTextStream& err,
    const QList<SkinToolCommand>& moreCommands)
{
    const QList<SkinToolCommand> commands = SkinToolCommands() + moreCommands;
    if (arguments.isEmpty()) {
        PrintUsage(commands, err);
        return kSkinToolFailure;
    }
    const QString& first = arguments.first();
    if (first == QStringLiteral("--help") || first == QStringLiteral("-h") || first == QStringLiteral("help")) {
        PrintUsage(commands, out);
        return 0;
    }
    if (first == QStringLiteral("--version") || first == QStringLiteral("-v")) {
        out << "lumeno-skin " << LumenoVersion() << '\n';
        return 0;
    }
    const SkinToolCommand* command = FindCommand(commands, arguments.first());
    if (!command) {
        err << "lumeno-skin: unknown command '" << arguments.first() << "'\n";
        PrintUsage(commands, err);
        return kSkinToolFailure;
    }
    try {
        command->run(arguments.mid(1), out);
    } catch (const SkinProblemsFound&) {
        return kSkinToolProblemsFound;
    } catch (const SkinToolUsageError&) {
        err << "usage: lumeno-skin " << command->name << ' ' << command->usage << '\n';
        return kSkinToolFailure;
    } catch (const std::exception& error) {
        out.flush();
        err << "lumeno-skin " << command->name << ": " << QString::fromUtf8(error.what()) << '\n';
        return kSkinToolFailure;
    }
    return 0;
}
