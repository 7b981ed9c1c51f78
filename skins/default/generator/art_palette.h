#pragma once

#include <QColor>

// The colours of the "Lumeno Light" skin: near-white surfaces, grey lines and
// one calm blue accent.
namespace palette {

inline const QColor kAccent { 0x2F, 0x6F, 0xDB };
inline const QColor kAccentHover { 0x3D, 0x7C, 0xE6 };
inline const QColor kAccentPressed { 0x24, 0x5B, 0xB8 };
inline const QColor kAccentTint { 0xE6, 0xEE, 0xFC };
inline const QColor kAccentTintStrong { 0xD3, 0xE2, 0xFA };
inline const QColor kAccentText { 0x1D, 0x4F, 0xA6 };

inline const QColor kWhite { 0xFF, 0xFF, 0xFF };
inline const QColor kSurface { 0xF7, 0xF8, 0xFA };
inline const QColor kCaption { 0xEE, 0xF1, 0xF5 };
inline const QColor kCaptionLine { 0xDC, 0xE1, 0xE8 };
inline const QColor kWindowOutline { 0xA9, 0xB1, 0xBD };

inline const QColor kBorder { 0xC6, 0xCD, 0xD6 };
inline const QColor kBorderLight { 0xDD, 0xE1, 0xE7 };
inline const QColor kPageLine { 0xD0, 0xD6, 0xDE };
inline const QColor kBorderDisabled { 0xE2, 0xE5, 0xEA };
inline const QColor kFillDisabled { 0xF1, 0xF3, 0xF5 };
inline const QColor kHover { 0xE3, 0xE7, 0xEC };
inline const QColor kPressed { 0xD2, 0xD8, 0xE0 };

inline const QColor kText { 0x1F, 0x29, 0x37 };
inline const QColor kTextStrong { 0x11, 0x18, 0x27 };
inline const QColor kTextMuted { 0x5B, 0x64, 0x72 };
inline const QColor kTextInactive { 0x8C, 0x95, 0xA2 };
inline const QColor kTextDisabled { 0xA3, 0xAA, 0xB5 };

inline const QColor kGlyph { 0x3A, 0x43, 0x50 };
inline const QColor kGlyphInactive { 0xA4, 0xAB, 0xB6 };
inline const QColor kGlyphDisabled { 0xC8, 0xCD, 0xD4 };

inline const QColor kTrack { 0xF2, 0xF4, 0xF6 };
inline const QColor kThumb { 0xC3, 0xC9, 0xD1 };
inline const QColor kThumbHover { 0xA6, 0xAE, 0xB9 };
inline const QColor kGroove { 0xD6, 0xDC, 0xE3 };
inline const QColor kGrooveLight { 0xE4, 0xE8, 0xED };
inline const QColor kTicks { 0xAE, 0xB5, 0xBF };

inline const QColor kDanger { 0xE5, 0x48, 0x4D };
inline const QColor kDangerPressed { 0xC5, 0x35, 0x3B };
inline const QColor kHintBackground { 0x2B, 0x31, 0x3A };

// Pixels of this colour vanish where a control draws a picture transparently
// (the key is taken from each picture's bottom-left pixel).
inline const QColor kTransparentKey { 0xFF, 0x00, 0xFF };

} // namespace palette
