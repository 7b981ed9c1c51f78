#pragma once

#include <QString>

// Turns each CR LF into LF, for showing text in Qt editors and writing it on
// Unix; a lone CR stays as it is. One linear pass, however many breaks.
QString WithLfLineBreaks(const QString& text);
