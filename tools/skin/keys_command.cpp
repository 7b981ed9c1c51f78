#include "tools/skin/keys_command.h"

#include "tools/skin/skin_tool_command.h"
#include "tools/skin_authoring/key_reference.h"

void RunKeysCommand(const QStringList& arguments, QTextStream& out)
{
    ExpectArgumentCount(arguments, 0);
    out << SkinKeyReferenceMarkdown();
}
