#pragma once

#include <QString>
#include <QStringList>

// The line rules of the program's string lists. A line ends at CR LF, at a
// lone CR or at a lone LF (so LF CR ends two lines); text after the last line
// break is a line of its own only when it is not empty. NUL is an ordinary
// character: the whole text is kept.
QStringList SplitIntoLines(const QString& text);

// Every line followed by CR LF, the last one included.
QString JoinLines(const QStringList& lines);

