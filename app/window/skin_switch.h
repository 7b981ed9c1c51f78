#pragma once

#include <QString>

class TForm1;

// Puts the skin the user chose on the running window (a built-in skin's name
// or a skin file, see skin_choice.h) and remembers it in the user's settings
// for the next start. A skin that cannot be used is reported in the window's
// error box, naming the file and the reason; the skin in use stays and the
// setting is left as it was. Returns whether the skin was taken.
bool SwitchSkin(TForm1& form, const QString& choice);
