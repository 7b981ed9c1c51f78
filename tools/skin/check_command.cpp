#include "tools/skin/check_command.h"

#include "tools/skin/skin_file_reader.h"
#include "tools/skin/skin_tool_command.h"
#include "tools/skin_authoring/skin_check.h"

void RunCheckCommand(const QStringList& arguments, QTextStream& out)
{
    ExpectArgumentCount(arguments, 1);
    const QString& source = arguments[0];
    const SkinProblems problems
        = CheckSkin(NamesSkinFolder(source) ? SkinFolderCheckSource(source) : SkinPackageCheckSource(OpenSkin(source).contents));
    int errors = 0;
    for (const SkinProblem& problem : problems.All()) {
        out << FormatSkinProblem(problem) << '\n';
        errors += problem.severity == SkinProblem::Severity::Error ? 1 : 0;
    }
    const int warnings = static_cast<int>(problems.All().size()) - errors;
    if (errors == 0 && warnings == 0) {
        out << source << ": no problems found\n";
        return;
    }
    out << source << ": " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning\n" : " warnings\n");
    throw SkinProblemsFound();
}
