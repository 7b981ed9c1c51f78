#pragma once

#include "art_palette.h"
#include "skin_ini_writer.h"
#include "skin_pictures.h"

#include <QRect>
#include <array>

// The faces of the caption buttons and of the main menu bar's buttons, all in
// the buttons picture.
struct ButtonFaces {
    QRect normal;
    QRect hover;
    QRect down;
    QRect inactive;
    QRect disabled;
};

struct CaptionButtonArt {
    ButtonFaces close;
    ButtonFaces maximize;
    ButtonFaces restore;
    ButtonFaces minimize;
    ButtonFaces rollUp;
    ButtonFaces rollDown;
    ButtonFaces tray;
    ButtonFaces systemMenu;
    ButtonFaces menuBarClose;
    ButtonFaces menuBarRestore;
    ButtonFaces menuBarMinimize;
    ButtonFaces menuBarSystemMenu;
};

CaptionButtonArt DrawCaptionButtons(SkinPictures& pictures, const SkinPalette& colors);
void AddCaptionButtonObjects(SkinIniWriter& ini, const CaptionButtonArt& art);
void AddMenuBarButtonObjects(SkinIniWriter& ini, const CaptionButtonArt& art);
