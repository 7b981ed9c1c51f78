#pragma once

// Mutations of the pictures of a skin package: as images (cut smaller, stored
// with fewer colours, dropped or repeated), and as the BMP files the package
// holds (one header field, the run-length form, a few bytes of the rows).
#include "skin/data/skin_package.h"

#include <random>

void MutatePackagePicture(SkinPackage& package, std::minstd_rand& random);

// One BMP of the written package changed in place or, for the run-length
// form, replaced; the package's later fields move with it.
void MutatePackageBitmapBytes(QByteArray& package, std::minstd_rand& random);

// Every uncompressed 8-bit picture of the written package stored again in the
// run-length form; the package's later fields move with it.
void StoreRunLength8Pictures(QByteArray& package);
