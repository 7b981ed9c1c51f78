// Arbitrary bytes as a decompressed skin package, pictures and all, loaded
// into a skin data component; every control definition it holds is then
// composed at a few sizes the way the controls and the skin tool compose
// them. Whatever the skin's rectangles say, a face is never larger than its
// request or its picture, and nothing costs more than that. A few faces,
// frame objects and a caption, picked by the input's hash, then go through
// the steps that take them to the screen (render_draw_steps.h).
#include "fuzz/fuzz_support.h"
#include "fuzz/render_draw_steps.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/draw/compose_skin_face.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/composition_mode.h"
#include "skin/draw/mask_region.h"

#include <QGuiApplication>
#include <QHashFunctions>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace {

constexpr QSize kSizes[] = { { 1, 1 }, { 121, 25 }, { 745, 73 } };

QImage PictureAt(const TbsSkinData& skin, int index)
{
    const QList<QImage>& pictures = skin.ActivePictures();
    return index >= 0 && index < pictures.size() ? pictures.at(index) : QImage();
}

void ComposeDefinition(const TbsSkinData& skin, const TbsDataSkinCustomControl& definition)
{
    const QImage picture = PictureAt(skin, definition.pictureIndex);
    if (picture.isNull())
        return;
    const SkinPieceGeometry piece = ClipToPicture(PieceGeometryOf(definition), picture.size());
    const CompositionMode mode = CompositionModeOf(piece);
    const QImage mask = PictureAt(skin, definition.maskPictureIndex);
    for (const QSize size : kSizes) {
        const QImage face
            = ComposeSkinFace(picture, piece, mode, definition.skinRect.ToQRect(), size.width(), size.height());
        Require(face.width() <= std::max(size.width(), picture.width()));
        Require(face.height() <= std::max(size.height(), picture.height()));
        const SkinTargetGeometry target = CalcTargetGeometry(mode, piece, size.width(), size.height());
        if (mode == CompositionMode::Full) {
            const SkinBorderStrips strips = ComposeSkinBorders(picture, piece, target);
            Require(strips.top.width() <= size.width() && strips.bottom.width() <= size.width());
            QImage image;
            ComposeSkinImage(image, picture, piece, target, true);
        }
        if (!mask.isNull())
            SkinFaceRegion(mask, ClipToPicture(piece, mask.size()), mode, target.width, target.height);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    PutFlagsFirst(argc, argv, { kNoCorpusReload });
    // Captions need fonts, and fonts an application; it lives as long as the
    // process.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int applicationArgc = 1;
    new QGuiApplication(applicationArgc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(QuicklyCompressed(InputBytes(data, size)));
    TbsSkinData skin;
    try {
        skin.LoadCompressedStoredSkin(stored);
    } catch (const std::runtime_error&) {
        return 0;
    }
    for (const auto& definition : skin.ControlDefinitions()) {
        if (const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(definition.get()))
            ComposeDefinition(skin, *custom);
    }
    DrawChosenSteps(skin, qHashBits(data, size, 0));
    return 0;
}
