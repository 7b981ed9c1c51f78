#pragma once

#include <QImage>
#include <QPoint>

#include <optional>

// Copies source onto destination with its top-left at position, leaving out
// the pixels whose colour (0x00RRGGBB) is key, the way skins mark the see-
// through parts of thumbs, glyphs and bars; without a key every pixel is
// copied. Whatever falls outside destination is cut.
void DrawKeyed(QImage& destination, const QPoint& position, const QImage& source, std::optional<QRgb> key);
