#pragma once

#include <QStringList>
#include <QTextStream>

// keys: prints the reference of every key a skin definition can hold, as
// Markdown, from the definitions' own key lists.
void RunKeysCommand(const QStringList& arguments, QTextStream& out);
