#pragma once

#include <QStringList>
#include <QTextStream>

// check SKIN: prints each problem of the skin on a line of its own, as
// compilers do ("skin.ini:12: error: [button] skinrect: ..."), then a count.
// A folder is checked as the author keeps it, pictures and all; a packed or
// built-in skin as its package holds it. Throws SkinProblemsFound when it
// finds any, so that the tool ends with status 1.
void RunCheckCommand(const QStringList& arguments, QTextStream& out);
