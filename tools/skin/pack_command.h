#pragma once

#include <QStringList>
#include <QTextStream>

// pack SKIN.INI OUT: builds the skin package from a skin folder and writes it
// as a compressed skin file.
void RunPackCommand(const QStringList& arguments, QTextStream& out);
