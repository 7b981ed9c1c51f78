#pragma once

#include <QStringList>
#include <QTextStream>

// info FILE: the package version, each picture slot, the [VERSION] texts and
// every entry of [SKINOBJECTS] and [SKINCONTROLS], whose definitions are read
// as a load would read them.
void RunInfoCommand(const QStringList& arguments, QTextStream& out);
