#pragma once

#include <QString>
#include <optional>

class QSettings;
class TForm1;

// A skin choice names a built-in skin ("light", "dark", see
// skins/built_in_skins.h) or a skin file: a compressed skin file, or the
// skin.ini of a skin folder. A built-in name wins over a file of the same
// name in the working folder ("./dark" names the file).

// Gives the window the chosen skin at once: the frame, its objects and
// region, every control and any open menu follow, and the articles, their
// selections and scroll positions stay. Returns an empty string on success,
// else why the skin cannot be used (in the window's language, see
// skin_load_failure.h); the window then keeps the skin it has.
QString ApplySkinChoice(TForm1& form, const QString& choice);
// The same without the window's wording: a skin that cannot be used throws
// what the skin engine raised, and the window keeps the skin it has.
void LoadSkinChoice(TForm1& form, const QString& choice);

// The choice the window's skin came from; the default built-in name until
// another is applied.
QString CurrentSkinChoice(const TForm1& form);

// The choice in the user's settings (organisation "Lumeno"), used when the
// program starts without --skin. A file is kept by its absolute path.
inline constexpr char kSkinSettingsKey[] = "skin/choice";
void RememberSkinChoice(QSettings& settings, const QString& choice);
QString RememberedSkinChoice(const QSettings& settings);

// How the window's skin was picked at start.
struct StartSkin {
    QString choice;            // what was tried; empty when the default skin was kept untouched
    bool fromCommandLine { false };
    QString error;             // why the choice was refused (the default skin stays), empty on success
};

// Applies the skin the window starts with: the command line's choice, else
// the remembered one. A command-line choice that is taken is remembered when
// remember is set; a refused one, or a remembered file that is gone or
// corrupt, leaves the default skin in place and the setting as it was.
StartSkin ApplyStartSkin(TForm1& form, const std::optional<QString>& commandLineChoice, QSettings& settings,
    bool remember);
