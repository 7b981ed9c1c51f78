#include "tools/skin/skin_tool_command.h"

#include "tools/skin/check_command.h"
#include "tools/skin/info_command.h"
#include "tools/skin/keys_command.h"
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
        { QStringLiteral("check"), QStringLiteral("SKIN"), RunCheckCommand },
        { QStringLiteral("pack"), QStringLiteral("FOLDER OUT"), RunPackCommand },
        { QStringLiteral("unpack"), QStringLiteral("SKIN DIR"), RunUnpackCommand },
        { QStringLiteral("info"), QStringLiteral("SKIN"), RunInfoCommand },
        { QStringLiteral("render"), QStringLiteral("SKIN NAME WIDTH HEIGHT OUT.png [--face normal|active|down|disabled|focused]"), RunRenderCommand },
        { QStringLiteral("render-menu"), QStringLiteral("SKIN OUT.png [--menu edit|system] [--active N]"), RunRenderMenuCommand },
        { QStringLiteral("render-frame"), QStringLiteral("SKIN WIDTH HEIGHT OUT.png [--inactive] [--caption TEXT] [--all-objects]"), RunRenderFrameCommand },
        { QStringLiteral("keys"), QString(), RunKeysCommand },
    };
    return commands;
}

void ExpectArgumentCount(const QStringList& arguments, int count)
{
    if (arguments.size() != count)
        throw SkinToolUsageError();
}
