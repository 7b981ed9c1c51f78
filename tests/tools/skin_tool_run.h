#pragma once

#include "tools/skin/skin_tool.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// One run of the skin tool, as its command line would make it, with what it
// wrote to each stream.
struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

inline ToolRun RunTool(const QStringList& arguments)
{
    ToolRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = RunSkinTool(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}
