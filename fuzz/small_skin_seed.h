#pragma once

// The skin fuzz targets start from the built-in skins, but a fuzzer spends
// most of its time on every byte of its inputs (hashing, copying, mutating,
// compressing, inflating and decoding them), and the skins' pictures make
// 500 KB. The seeds keep a skin's definition text and the size, place and
// colours of its pictures, and store the pictures small: 8 bits per pixel in
// the run-length form, so every rectangle of the definitions still finds its
// face where it was.
#include <QByteArray>
#include <QImage>

// picture with at most 256 colours: the most frequent exactly, any other as
// the nearest of them. Pictures that already have an index keep it.
QImage WithPaletteOf256(const QImage& picture);

// The decompressed package with every colour picture larger than
// smallestShrunk bytes given a palette as above, and every 8-bit picture
// stored in the run-length form (Qt writes one of 16 colours or fewer with 4
// bits). The pictures below the size keep their form, so the seeds still
// reach the decoding of the bit depths they held.
QByteArray SmallSkinSeed(const QByteArray& package, qsizetype smallestShrunk);

// The package with the frame's and the controls' morphs switched on (the
// morph kinds taken in turn), its inactive look drawn by its inactive
// effect, and one more frame object among the caption buttons: a button-style
// animation of three frames cut from the first button's faces. The built-in
// skins use none of these, so seeds made from them alone leave the morph and
// animation steps and the pixel effects to chance.
QByteArray WithFrameEffects(const QByteArray& package);
