#include "tools/skin/skin_tool.h"

#include "base/lumeno_version.h"
#include "tools/skin/skin_tool_command.h"

#include <exception>

namespace {

void PrintUsage(QTextStream& stream)
{
    stream << "usage:\n";
    for (const SkinToolCommand& command : SkinToolCommands())
        stream << "  lumeno-skin " << command.name << ' ' << command.usage << '\n';
    stream << "  lumeno-skin --help | --version\n"
           << "FILE is a compressed skin file or a bare zlib stream of a skin package.\n";
}

const SkinToolCommand* FindCommand(const QString& name)
{
    for (const SkinToolCommand& command : SkinToolCommands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

}

int RunSkinTool(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.isEmpty()) {
        PrintUsage(err);
        return kSkinToolFailure;
    }
    const QString& first = arguments.first();
    if (first == QStringLiteral("--help") || first == QStringLiteral("-h") || first == QStringLiteral("help")) {
        PrintUsage(out);
        return 0;
    }
    if (first == QStringLiteral("--version") || first == QStringLiteral("-v")) {
        out << "lumeno-skin " << LumenoVersion() << '\n';
        return 0;
    }
    const SkinToolCommand* command = FindCommand(arguments.first());
    if (!command) {
        err << "lumeno-skin: unknown command '" << arguments.first() << "'\n";
        PrintUsage(err);
        return kSkinToolFailure;
    }
    try {
        command->run(arguments.mid(1), out);
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
