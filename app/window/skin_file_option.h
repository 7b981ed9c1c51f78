#pragma once

#include <QString>

class TForm1;

// Gives the window the skin of a file instead of its built-in one: a
// compressed skin file, or the skin.ini of a skin folder. A file that cannot
// be read or loaded leaves the built-in skin in place; the reason is returned
// (empty on success).
QString UseSkinFile(TForm1& form, const QString& path);
