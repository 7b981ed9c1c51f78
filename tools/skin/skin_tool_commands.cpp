#include "tools/skin/skin_tool_command.h"

#include "tools/skin/info_command.h"
#include "tools/skin/pack_command.h"
#include "tools/skin/render_command.h"
#include "tools/skin/render_frame_command.h"
#include "tools/skin/render_menu_command.h"
#include "tools/skin/unpack_command.h"

// A new command declares its run function in a header of its own and adds
// one line here.
const QList<SkinToolCommand>& SkinToolCommands()
{
    static const QList<SkinToolCommand> commands {
        { QStringLiteral("pack"), QStringLiteral("SKIN.INI OUT"), RunPackCommand },
        { QStringLiteral("unpack"), QStringLiteral("FILE DIR"), RunUnpackCommand },
        { QStringLiteral("info"), QStringLiteral("FILE"), RunInfoCommand },
        { QStringLiteral("render"), QStringLiteral("FILE NAME WIDTH HEIGHT OUT.png [--face normal|active|down|disabled|focused]"), RunRenderCommand },
        { QStringLiteral("render-menu"), QStringLiteral("FILE OUT.png [--active N]"), RunRenderMenuCommand },
        { QStringLiteral("render-frame"), QStringLiteral("FILE WIDTH HEIGHT OUT.png [--inactive] [--caption TEXT]"), RunRenderFrameCommand },
    };
    return commands;
}

void ExpectArgumentCount(const QStringList& arguments, int count)
{
    if (arguments.size() != count)
        throw SkinToolUsageError();
}
