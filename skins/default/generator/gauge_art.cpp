// The horizontal and vertical gauges.
#include "art_shapes.h"
#include "control_art.h"

namespace {

// Drawn for the horizontal gauge and transposed for the vertical one.
constexpr QSize kFace(40, 20);
const QRect kProgressArea(8, 7, 24, 6);
constexpr int kBarLength = 20;
constexpr int kBarCap = 3;

QImage GaugeFace(const SkinPalette& colors)
{
    QImage face = art::NewCell(kFace.width(), kFace.height(), colors.surface);
    art::FillRect(face, QRect(0, 0, kFace.width(), 1), colors.borderLight);
    art::FillPath(face, art::RoundedPath(QRectF(kProgressArea), kBarCap), colors.grooveLight);
    return face;
}

QImage ProgressBar(const SkinPalette& colors)
{
    QImage bar = art::NewCell(kBarLength, kProgressArea.height(), colors.grooveLight);
    art::FillPath(bar, art::RoundedPath(QRectF(0, 0, kBarLength, kProgressArea.height()), kBarCap), colors.accent);
    return bar;
}

QRect Transposed(const QRect& rect) { return QRect(rect.y(), rect.x(), rect.height(), rect.width()); }

void AddGauge(SkinIniWriter& ini, const SkinPalette& colors, const QString& name, bool vertical, const QRect& face, const QRect& bar)
{
    // The rounded ends of the groove stay fixed; its middle repeats.
    PieceGeometry geometry;
    QRect client(2, 2, kFace.width() - 4, kFace.height() - 4);
    QRect progressArea = kProgressArea;
    if (vertical) {
        geometry.leftTop = { 10, 11 };
        geometry.leftBottom = { 10, 29 };
        client = Transposed(client);
        progressArea = Transposed(progressArea);
    } else {
        geometry.leftTop = { 11, 10 };
        geometry.rightTop = { 29, 10 };
    }
    geometry.client = client;
    SetFont(AddPictureControl(ini, name, "gauge", face, geometry)
                .SetRect("progressarea", progressArea)
                .SetRect("progressrect", bar)
                .Set("beginoffset", kBarCap)
                .Set("endoffset", kBarCap)
                .SetBool("vertical", vertical),
        12)
        .SetColor("fontcolor", colors.text)
        .SetBool("progresstransparent", false)
        .SetBool("progressstretch", false);
}

} // namespace

void AddGaugeControls(SkinIniWriter& ini, SpriteSheet& sheet, const SkinPalette& colors)
{
    const QRect face = sheet.Place(GaugeFace(colors));
    const QRect bar = sheet.Place(ProgressBar(colors));
    const QRect verticalFace = sheet.Place(art::Transposed(GaugeFace(colors)));
    const QRect verticalBar = sheet.Place(art::Transposed(ProgressBar(colors)));
    AddGauge(ini, colors, "gauge", false, face, bar);
    AddGauge(ini, colors, "vgauge", true, verticalFace, verticalBar);
}
