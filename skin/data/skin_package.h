#pragma once

#include "skin/data/bmp_codec.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <stdexcept>

// The decompressed skin package: a version, three picture slots (each a flag
// byte and an optional BMP file), the active pictures and the definition text,
// which runs to the end. All integers are 32-bit little-endian.

constexpr int kSkinPackageVersion = 3;

// A package, a picture or a compressed skin that cannot be read or built. The
// message names what is wrong.
class SkinPackageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A skin that would cost more than skin_budgets.h allows.
class SkinBudgetError : public SkinPackageError {
public:
    using SkinPackageError::SkinPackageError;
};

// A picture that a skin definition names but that is missing or unreadable.
class MissingSkinPictureError : public SkinPackageError {
public:
    using SkinPackageError::SkinPackageError;
};

// A package or compressed skin of a version newer than the reader knows.
class UnsupportedSkinVersionError : public SkinPackageError {
public:
    explicit UnsupportedSkinVersionError(int version);
    int Version() const { return m_version; }

private:
    int m_version;
};

struct SkinPackage {
    int version = kSkinPackageVersion;
    QImage picture;          // null when the slot is empty
    QImage inactivePicture;  // null when the slot is empty
    QImage mask;             // null when the slot is empty
    QList<QImage> activePictures;
    QByteArray definitionText;  // 8-bit text, lines ended with CR LF
};

// Where one picture of a package lies and what its BMP header says.
struct SkinPackageBitmap {
    QString slot;  // "picture", "inactivepicture", "mask", "extra" or "active N"
    int activeIndex = -1;  // the index among the active pictures; -1 for a slot
    bool present = false;
    qsizetype offset = 0;  // of the "BM", from the start of the package
    qsizetype size = 0;    // the BMP's total size field
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// Reads a decompressed package, its pictures decoded into the engine's pixel
// format or as stored (bmp_codec.h). Throws UnsupportedSkinVersionError for a version above 3,
// SkinBudgetError for a skin over its budgets (checked from the headers before
// any picture is decoded) and SkinPackageError for anything else that is
// malformed. A version-2 package's two extra slots are read and dropped.
SkinPackage ReadSkinPackage(const QByteArray& decompressed, BmpPixels pixels = BmpPixels::AsStored);

// Every picture of a decompressed package in package order, extra slots
// included; throws like ReadSkinPackage.
QList<SkinPackageBitmap> ListSkinPackageBitmaps(const QByteArray& decompressed);

// "picture picture", "active 3 picture": the picture as messages name it.
QString PictureName(const SkinPackageBitmap& bitmap);

// Writes version 3 whatever package.version says; null images give empty
// slots. Throws SkinPackageError when a picture cannot be encoded.
QByteArray WriteSkinPackage(const SkinPackage& package);
