#pragma once

#include "art_palette.h"
#include "skin_ini_writer.h"
#include "skin_pictures.h"
#include "sprite_sheet.h"

#include <QPoint>
#include <QRect>

// The controls picture and every control definition. Each group of controls
// draws its cells into the shared sheet and writes its sections.
void DrawControls(SkinIniWriter& ini, SkinPictures& pictures, const SkinPalette& colors);

// How a face is cut and resized: the corner points and client rectangle are
// relative to the face's skin rectangle.
struct PieceGeometry {
    QPoint leftTop;
    QPoint rightTop;
    QPoint leftBottom;
    QPoint rightBottom;
    QRect client;
    bool stretchEdges { false };
    bool stretchClient { false };
};

// Writes the keys every picture-based control starts with.
IniSection& AddPictureControl(SkinIniWriter& ini, const QString& name, const QString& type, const QRect& skinRect,
    const PieceGeometry& geometry);
IniSection& SetFont(IniSection& section, int height, const QString& style = {});

void AddTextControls(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors);
void AddScrollControls(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors);
void AddPageControls(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors);
void AddGaugeControls(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors);
