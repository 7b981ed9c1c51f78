#pragma once

#include <QStringList>
#include <QTextStream>

// unpack FILE DIR: writes DIR/skin.ini and every picture of the package as a
// BMP file under its name from [PICTURES], so that DIR packs again.
void RunUnpackCommand(const QStringList& arguments, QTextStream& out);
