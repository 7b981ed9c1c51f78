#pragma once

#include <QStringList>
#include <QTextStream>

// pack FOLDER OUT: builds the skin package from a skin folder (or its
// skin.ini) and writes it as a compressed skin file.
void RunPackCommand(const QStringList& arguments, QTextStream& out);
