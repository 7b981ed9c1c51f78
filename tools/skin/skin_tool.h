#pragma once

#include <QStringList>
#include <QTextStream>

// The skin tool for skin authors. Runs one command given by its arguments
// (the program name left out) and returns the exit status: 0 on success, 1
// when `check` found problems in a skin, 2 after any failure, which is
// described on err.
int RunSkinTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

constexpr int kSkinToolProblemsFound = 1;
constexpr int kSkinToolFailure = 2;
