#pragma once

#include <QString>

// What a preview shows and which files it follows, from the PATH its user
// gave: a skin folder or its skin.ini (every file of the folder is followed),
// a packed skin file (that file is followed), or the name of a built-in skin
// (nothing to follow). A built-in name wins over a file of the same name in
// the working folder, as it does for the window.
struct PreviewSource {
    // What the window loads: a skin.ini, a packed file or a built-in name.
    QString choice;
    // The folder to watch; empty for a built-in skin.
    QString folder;
    // The one file of the folder to watch; empty for every file.
    QString watchedFile;
};

// Throws SkinToolError when path is none of these.
PreviewSource ResolvePreviewSource(const QString& path);
