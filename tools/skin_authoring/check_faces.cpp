#include "tools/skin_authoring/check_faces.h"

#include "skin/data/data_skin_object.h"

#include <QtMath>

namespace {

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4);
}

double Luminance(SkinColor color)
{
    return 0.2126 * Linear(color & 0xFF) + 0.7152 * Linear((color >> 8) & 0xFF) + 0.0722 * Linear((color >> 16) & 0xFF);
}

bool IsSystemColor(SkinColor color)
{
    return (color & 0xFF000000u) != 0;
}

// The mean colour of an area of a picture, as a skin colour; the area is
// inside the picture.
SkinColor MeanColor(const QImage& picture, const QRect& area)
{
    const QImage part = picture.copy(area).convertToFormat(QImage::Format_RGB32);
    quint64 red = 0;
    quint64 green = 0;
    quint64 blue = 0;
    for (int y = 0; y < part.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(part.constScanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            red += qRed(line[x]);
            green += qGreen(line[x]);
            blue += qBlue(line[x]);
        }
    }
    const quint64 count = quint64(part.width()) * quint64(part.height());
    return SkinColor(red / count) | SkinColor(green / count) << 8 | SkinColor(blue / count) << 16;
}

// Where on a face the text goes: the text area the definition gives,
// relative to the face, or else the middle half of the face.
QRect TextArea(const SkinKeyChecker& keys, const SkinRect& face)
{
    for (const char* key : { "textrect", "textarea", "clientrect" }) {
        const SkinKeyChecker::PlacedRect* area = keys.FindRect(QLatin1String(key));
        if (area && !area->rect.IsEmpty() && area->rect.right <= face.Width() && area->rect.bottom <= face.Height())
            return area->rect.ToQRect().translated(face.left, face.top);
    }
    const QRect whole = face.ToQRect();
    return whole.adjusted(whole.width() / 4, whole.height() / 4, -whole.width() / 4, -whole.height() / 4);
}

}

double ContrastRatio(SkinColor a, SkinColor b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

void FaceChecks::RectsInside(const SkinKeyChecker& keys, const QImage& picture, const QString& pictureName,
    const QStringList& except, const QStringList& only)
{
    if (!picture.isNull())
        RectsInside(keys, picture.size(), QStringLiteral("%1 (%2 x %3)").arg(pictureName).arg(picture.width()).arg(picture.height()),
            except, only);
}

void FaceChecks::RectsInside(const SkinKeyChecker& keys, QSize size, const QString& what, const QStringList& except,
    const QStringList& only)
{
    if (size.isEmpty())
        return;
    for (const SkinKeyChecker::PlacedRect& placed : keys.Rects()) {
        if (except.contains(placed.key, Qt::CaseInsensitive) || (!only.isEmpty() && !only.contains(placed.key, Qt::CaseInsensitive)))
            continue;
        const SkinRect& r = placed.rect;
        if (r.IsEmpty() || (r.right <= size.width() && r.bottom <= size.height()))
            continue;
        m_problems.Error(placed.line, m_ini.SectionNameAt(keys.Section()).toString(), placed.key,
            QStringLiteral("\"%1,%2,%3,%4\" reaches outside %5").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom).arg(what));
    }
}

void FaceChecks::PointsInside(const SkinKeyChecker& keys, QSize size, const QString& what)
{
    if (size.isEmpty())
        return;
    for (const SkinKeyChecker::PlacedPoint& placed : keys.Points()) {
        if (placed.point.x() <= size.width() && placed.point.y() <= size.height())
            continue;
        m_problems.Error(placed.line, m_ini.SectionNameAt(keys.Section()).toString(), placed.key,
            QStringLiteral("\"%1,%2\" lies outside %3 (%4 x %5)")
                .arg(placed.point.x())
                .arg(placed.point.y())
                .arg(what)
                .arg(size.width())
                .arg(size.height()));
    }
}

void FaceChecks::MaskFits(const SkinKeyChecker& keys, const QImage& mask, const QImage& picture)
{
    if (mask.isNull() || picture.isNull() || mask.size() == picture.size())
        return;
    const QString key = QStringLiteral("maskpictureindex");
    m_problems.Error(m_ini.KeyLine(keys.Section(), QStringView(key)), m_ini.SectionNameAt(keys.Section()).toString(), key,
        QStringLiteral("the mask is %1 x %2 but the picture it shapes is %3 x %4")
            .arg(mask.width())
            .arg(mask.height())
            .arg(picture.width())
            .arg(picture.height()));
}

void FaceChecks::TextContrast(const SkinKeyChecker& keys, const QImage& picture)
{
    if (picture.isNull() || keys.Section() < 0)
        return;
    const std::pair<const char*, const char*> pairs[] = { { "fontcolor", "skinrect" }, { "activefontcolor", "activeskinrect" },
        { "downfontcolor", "downskinrect" } };
    for (const auto& [colorKey, faceKey] : pairs) {
        const SkinKeyChecker::PlacedRect* face = keys.FindRect(QLatin1String(faceKey));
        if (!keys.KnownKeys().contains(QLatin1String(colorKey)) || !face || face->rect.IsEmpty()
            || face->rect.right > picture.width() || face->rect.bottom > picture.height())
            continue;
        const QRect area = TextArea(keys, face->rect);
        if (area.isEmpty())
            continue;
        const SkinColor color = SkinColorValue(m_ini.Value(keys.Section(), QLatin1StringView(colorKey)), 0);
        const SkinColor mean = MeanColor(picture, area);
        WarnContrast(keys.Section(), QLatin1String(colorKey), color, mean,
            QStringLiteral("the %1 face (about %2)").arg(QLatin1String(faceKey), HexSkinColor(mean)));
    }
}

void FaceChecks::CaptionContrast(const TbsDataSkinCaption& caption, const QImage& picture, const QImage& inactivePicture)
{
    const int section = m_ini.FindSection(caption.IDName());
    const SkinRect& face = caption.skinRect;
    QRect area = face.ToQRect();
    if (!caption.textRect.IsEmpty())
        area = caption.textRect.ToQRect().translated(face.left, face.top).intersected(area);
    const auto check = [&](const QImage& frame, const char* colorKey, SkinColor color, const QString& onWhat) {
        if (frame.isNull() || area.isEmpty() || !frame.rect().contains(area))
            return;
        const SkinColor face = MeanColor(frame, area);
        WarnContrast(section, QLatin1String(colorKey), color, face, QStringLiteral("%1 (about %2)").arg(onWhat, HexSkinColor(face)));
    };
    check(picture, "activefontcolor", caption.activeFontColor, QStringLiteral("the active frame"));
    check(inactivePicture, "fontcolor", caption.fontColor, QStringLiteral("the inactive frame"));
}

void FaceChecks::ColorContrast(const SkinKeyChecker& keys, const QString& colorKey, SkinColor color, SkinColor background,
    const QString& backgroundKey)
{
    WarnContrast(keys.Section(), colorKey, color, background, QStringLiteral("%1 %2").arg(backgroundKey, DescribeSkinColor(background)));
}

void FaceChecks::WarnContrast(int section, const QString& colorKey, SkinColor color, SkinColor background, const QString& onWhat)
{
    if (section < 0 || IsSystemColor(color) || IsSystemColor(background))
        return;
    const double ratio = ContrastRatio(color, background);
    if (ratio >= kMinimumTextContrast)
        return;
    const int line = m_ini.KeyLine(section, QStringView(colorKey));
    m_problems.Warning(line ? line : m_ini.SectionLine(section), m_ini.SectionNameAt(section).toString(), colorKey,
        QStringLiteral("text in %1 on %2 has a contrast of %3:1; text needs %4:1 to be read with ease")
            .arg(DescribeSkinColor(color), onWhat)
            .arg(ratio, 0, 'f', 1)
            .arg(kMinimumTextContrast));
}
