#pragma once

#include <QString>
#include <QStringView>

// What a caption button or animated frame element does when clicked. The
// numbers are the command codes the frame dispatches on.
enum TbsStdCommand {
    cmClose = 0,
    cmMaximize = 1,
    cmMinimize = 2,
    cmSysMenu = 3,
    cmDefault = 4,
    cmRollUp = 5,
    cmMinimizeToTray = 6,
};

// The command words compare exactly; every unknown word (miscased ones
// included) means the tray command, which is what skins in the wild rely on
// for "cmminimizetotray".
TbsStdCommand ParseStdCommand(QStringView word);
QString StdCommandWord(TbsStdCommand command);
