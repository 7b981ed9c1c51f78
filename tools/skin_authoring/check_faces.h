#pragma once

#include "skin/data/ini_file.h"
#include "skin/data/skin_values.h"
#include "tools/skin_authoring/check_keys.h"
#include "tools/skin_authoring/skin_problem.h"

#include <QImage>
#include <QSize>
#include <QStringList>

class TbsDataSkinCaption;

// Checks of what a section's rectangles and colours stand for: that every
// rectangle lies in the picture it is cut from, every corner point in its
// rectangle, a mask has the size of what it shapes, and text stands out
// from the face it is drawn on.
class FaceChecks {
public:
    // What contrast text needs to be read with ease.
    static constexpr double kMinimumTextContrast = 4.5;

    FaceChecks(const TbsIniFile& ini, SkinProblems& problems)
        : m_ini(ini)
        , m_problems(problems)
    {
    }

    // The section's rectangles against a picture (or a rectangle) of that
    // size; skipped when there is none to check against. only limits the
    // check to those keys, except leaves those out.
    void RectsInside(const SkinKeyChecker& keys, const QImage& picture, const QString& pictureName,
        const QStringList& except = {}, const QStringList& only = {});
    void RectsInside(const SkinKeyChecker& keys, QSize size, const QString& what, const QStringList& except = {},
        const QStringList& only = {});
    void PointsInside(const SkinKeyChecker& keys, QSize size, const QString& what);
    void MaskFits(const SkinKeyChecker& keys, const QImage& mask, const QImage& picture);

    // The text colours of a definition on its faces: fontcolor on skinrect,
    // activefontcolor on activeskinrect, downfontcolor on downskinrect, each
    // where the definition has both; the text's own area of the face counts.
    void TextContrast(const SkinKeyChecker& keys, const QImage& picture);
    // The caption's text on the frame picture, and on the inactive picture
    // when the skin has one.
    void CaptionContrast(const TbsDataSkinCaption& caption, const QImage& picture, const QImage& inactivePicture);
    void ColorContrast(const SkinKeyChecker& keys, const QString& colorKey, SkinColor color, SkinColor background,
        const QString& backgroundKey);

private:
    void WarnContrast(int section, const QString& colorKey, SkinColor color, SkinColor background, const QString& onWhat);

    const TbsIniFile& m_ini;
    SkinProblems& m_problems;
};

// The contrast ratio of two colours (1 to 21), as readability guides measure
// it from their relative luminance.
double ContrastRatio(SkinColor a, SkinColor b);
