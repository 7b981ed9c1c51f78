#include "skin/data/frame_command.h"

#include <array>

namespace {

constexpr std::array<const char*, 7> kCommandWords {
    "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray",
};

}

TbsStdCommand ParseStdCommand(QStringView word)
{
    for (int i = cmClose; i < cmMinimizeToTray; ++i) {
        if (word == QLatin1String(kCommandWords[i]))
            return static_cast<TbsStdCommand>(i);
    }
    return cmMinimizeToTray;
}

QString StdCommandWord(TbsStdCommand command)
{
    const auto index = static_cast<std::size_t>(command);
    return index < kCommandWords.size() ? QString::fromLatin1(kCommandWords[index]) : QStringLiteral("cmdefault");
}
