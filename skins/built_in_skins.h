#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The skins built into the program, each packed from its folder under skins/
// when the program is built and known by a short name.

// The name of the skin a window starts with when nothing else is chosen.
inline constexpr char kDefaultBuiltInSkinName[] = "light";

// The names in the order a user is offered them: "light", "dark".
QStringList BuiltInSkinNames();
bool IsBuiltInSkinName(const QString& name);
// The skin's own name, as its definition file gives it ("Lumeno Dark"); empty
// for a name that is not built in.
QString BuiltInSkinTitle(const QString& name);
// The zlib stream that a stored skin holds as its CompressedData; empty for a
// name that is not built in.
QByteArray BuiltInSkinCompressedData(const QString& name);
