#pragma once

#include <QColor>

// The colours a skin is drawn in, named by the part they paint rather than by
// their shade, so one set of drawing code gives a light and a dark skin.
struct SkinPalette {
    QColor accent;
    QColor accentHover;
    QColor accentPressed;
    // Backgrounds that carry the accent softly: a highlighted menu item, a
    // pressed button; the strong one rings a focused field.
    QColor accentTint;
    QColor accentTintStrong;
    QColor accentText;
    // Glyphs and marks drawn on the accent or on the danger colour.
    QColor onAccent;

    QColor caption;
    QColor captionLine;
    QColor windowOutline;
    // The client area and the strips of controls on it.
    QColor surface;
    // Where the user reads and types: edits, memos, pages, unchecked boxes.
    QColor field;
    QColor menu;
    QColor buttonFill;
    QColor buttonHoverFill;
    // The lit edge of raised parts.
    QColor bevelHighlight;

    QColor border;
    QColor borderLight;
    QColor pageLine;
    QColor borderDisabled;
    QColor fillDisabled;
    QColor hover;
    QColor pressed;

    QColor text;
    QColor textStrong;
    QColor textMuted;
    QColor textInactive;
    QColor textDisabled;
    QColor labelText;

    QColor glyph;
    QColor glyphInactive;
    QColor glyphDisabled;

    QColor track;
    QColor thumb;
    QColor thumbHover;
    QColor groove;
    QColor grooveLight;
    QColor ticks;

    QColor danger;
    QColor dangerPressed;
    QColor hintBackground;
    QColor hintText;
};

// "Lumeno Light": near-white surfaces, grey lines and one calm blue accent.
const SkinPalette& LightPalette();
// "Lumeno Dark": graphite surfaces, soft light text and a brighter blue.
const SkinPalette& DarkPalette();

// Pixels of this colour vanish where a control draws a picture transparently
// (the key is taken from each picture's bottom-left pixel).
inline const QColor kTransparentKey { 0xFF, 0x00, 0xFF };
