#pragma once

#include <QtGlobal>

// What one skin may cost. A package is small on disk but can ask for a great
// deal once inflated and decoded (a 2-byte run-length picture may stand for
// 5700 x 5700 pixels), so each cost is checked from the package's own headers
// before anything is allocated, and a skin over any of them is refused like a
// corrupt one. Every figure is far above what a real skin needs: the built-in
// skin inflates to 1.2 MB and holds 0.3 M pixels, 45 KB of definition text and
// 77 definitions.

// Bytes of an inflated package.
constexpr qint64 kMaxSkinPackageSize = qint64(256) << 20;
// Pixels of all the pictures of a skin together; each pixel is held in 4 bytes,
// so the pictures of a skin take at most 256 MB.
constexpr qint64 kMaxSkinPixels = qint64(64) << 20;
// Width or height of one picture.
constexpr int kMaxSkinPictureSide = 32767;
// Active pictures of a skin.
constexpr int kMaxSkinActivePictures = 4096;
// Bytes of the definition text.
constexpr qint64 kMaxSkinDefinitionTextSize = qint64(16) << 20;
// Definitions in [SKINOBJECTS] and in [SKINCONTROLS], each.
constexpr int kMaxSkinDefinitions = 4096;
