#pragma once

#include "tools/skin/skin_tool_command.h"

#include <QStringList>
#include <QTextStream>

// The skin tool for skin authors. Runs one command given by its arguments
// (the program name left out) and returns the exit status: 0 on success, 1
// when `check` found problems in a skin, 2 after any failure, which is
// described on err.
int RunSkinTool(const QStringList& arguments, QTextStream& out, QTextStream& err);
// The same with further commands after the tool's own: the program adds the
// preview, which needs the window and so lives in a library of its own.
int RunSkinTool(const QStringList& arguments, QTextStream& out, QTextStream& err,
    const QList<SkinToolCommand>& moreCommands);

constexpr int kSkinToolProblemsFound = 1;
constexpr int kSkinToolFailure = 2;
