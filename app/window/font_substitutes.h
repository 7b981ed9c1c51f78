#pragma once

// The window names the fonts of its original platform ("宋体", "Arial",
// "MS Sans Serif"). This maps them to fonts installed from the distribution,
// with a CJK font behind each so that Chinese text always has glyphs.
void InstallFontSubstitutes();
