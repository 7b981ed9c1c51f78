// The horizontal and vertical gauges.
#include "art_palette.h"
#include "art_shapes.h"
#include "control_art.h"

namespace {

// Drawn for the horizontal gauge and transposed for the vertical one.
constexpr QSize kFace(40, 20);
const QRect kProgressArea(8, 7, 24, 6);
constexpr int kBarLength = 20;
constexpr int kBarCap = 3;

QImage GaugeFace()
{
    QImage face = art::NewCell(kFace.width(), kFace.height(), palette::kSurface);
    art::FillRect(face, QRect(0, 0, kFace.width(), 1), palette::kBorderLight);
    art::FillPath(face, art::RoundedPath(QRectF(kProgressArea), kBarCap), palette::kGrooveLight);
    return face;
}

QImage ProgressBar()
{
    QImage bar = art::NewCell(kBarLength, kProgressArea.height(), palette::kGrooveLight);
    art::FillPath(bar, art::RoundedPath(QRectF(0, 0, kBarLength, kProgressArea.height()), kBarCap), palette::kAccent);
    return bar;
}

QRect Transposed(const QRect& rect) { return QRect(rect.y(), rect.x(), rect.height(), rect.width()); }

void AddGauge(SkinIniWriter& ini, const QString& name, bool vertical, const QRect& face, const QRect& bar)
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
        .SetColor("fontcolor", palette::kText)
        .SetBool("progresstransparent", false)
        .SetBool("progressstretch", false);
}

} // namespace

void AddGaugeControls(SkinIniWriter& ini, SpriteSheet& sheet)
{
    const QRect face = sheet.Place(GaugeFace());
    const QRect bar = sheet.Place(ProgressBar());
    const QRect verticalFace = sheet.Place(art::Transposed(GaugeFace()));
    const QRect verticalBar = sheet.Place(art::Transposed(ProgressBar()));
    AddGauge(ini, "gauge", false, face, bar);
    AddGauge(ini, "vgauge", true, verticalFace, verticalBar);
}
