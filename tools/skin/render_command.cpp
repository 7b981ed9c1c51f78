#include "tools/skin/render_command.h"

#include "skin/data/skin_data.h"
#include "skin/data/skin_values.h"
#include "skin/draw/compose_skin_face.h"
#include "skin/draw/composition_mode.h"
#include "tools/skin/render_side.h"
#include "tools/skin/skin_file_reader.h"
#include "tools/skin/skin_tool_command.h"

namespace {

struct RenderRequest {
    QString file;
    QString name;
    int width { 0 };
    int height { 0 };
    QString output;
    QString face { QStringLiteral("normal") };
};

RenderRequest ParseRequest(const QStringList& arguments)
{
    if (arguments.size() != 5 && arguments.size() != 7)
        throw SkinToolUsageError();
    RenderRequest request;
    request.file = arguments[0];
    request.name = arguments[1];
    request.width = ParseRenderSide(arguments[2]);
    request.height = ParseRenderSide(arguments[3]);
    request.output = arguments[4];
    if (arguments.size() == 7) {
        if (arguments[5] != QStringLiteral("--face"))
            throw SkinToolUsageError();
        request.face = arguments[6];
    }
    return request;
}

// The key of each face; every control definition reads its faces from these.
QString FaceKey(const QString& face)
{
    static const QStringList faces { QStringLiteral("normal"), QStringLiteral("active"), QStringLiteral("down"),
        QStringLiteral("disabled"), QStringLiteral("focused") };
    if (!faces.contains(face))
        throw SkinToolError(
            QStringLiteral("unknown face '%1' (normal, active, down, disabled or focused)").arg(face).toStdString());
    return face == QStringLiteral("normal") ? QStringLiteral("skinrect") : face + QStringLiteral("skinrect");
}

[[noreturn]] void Fail(const QString& message)
{
    throw SkinToolError(message.toStdString());
}

// Why a face came out at another size than asked, in the user's terms.
QString WhyResized(CompositionMode mode)
{
    switch (mode) {
    case CompositionMode::Horizontal:
        return QStringLiteral("a horizontal face keeps its skin height");
    case CompositionMode::Vertical:
        return QStringLiteral("a vertical face keeps its skin width");
    case CompositionMode::Fixed:
        return QStringLiteral("a fixed face keeps its skin size");
    case CompositionMode::Full:
    case CompositionMode::None:
        break;
    }
    return QStringLiteral("the face is cut to what its picture holds");
}

} // namespace

void RunRenderCommand(const QStringList& arguments, QTextStream& out)
{
    RenderRequest const request = ParseRequest(arguments);
    QString const faceKey = FaceKey(request.face);

    OpenedSkin const opened = OpenSkin(request.file);
    const std::unique_ptr<TbsSkinData> loaded = LoadSkinData(opened);
    const TbsSkinData& skin = *loaded;

    int const index = skin.FindControlIndex(request.name);
    if (index < 0)
        Fail(QStringLiteral("the skin has no control definition named '%1'").arg(request.name));
    auto const* definition = dynamic_cast<const TbsDataSkinCustomControl*>(skin.ControlDefinitions()[index].get());
    if (!definition)
        Fail(QStringLiteral("definition '%1' is not drawn from a resizable picture").arg(request.name));
    if (definition->pictureIndex < 0 || definition->pictureIndex >= skin.ActivePictures().size())
        Fail(QStringLiteral("definition '%1' has no picture (pictureindex %2)")
                 .arg(request.name)
                 .arg(definition->pictureIndex));

    SkinPieceGeometry const piece = PieceGeometryOf(*definition);
    CompositionMode const mode = CompositionModeOf(piece);
    if (mode == CompositionMode::None)
        Fail(QStringLiteral("definition '%1' has an empty skinrect").arg(request.name));
    SkinRect const faceRect = ReadSkinRect(opened.definition, request.name, faceKey);
    if (faceRect.IsEmpty())
        Fail(QStringLiteral("definition '%1' has no %2 face (%3 is empty)").arg(request.name, request.face, faceKey));

    QImage const face = ComposeSkinFace(skin.ActivePictures()[definition->pictureIndex], piece, mode,
        faceRect.ToQRect(), request.width, request.height);
    if (face.isNull())
        Fail(QStringLiteral("definition '%1' composes to an empty picture").arg(request.name));
    if (!face.save(request.output, "PNG"))
        Fail(QStringLiteral("cannot write '%1'").arg(request.output));
    out << face.width() << " x " << face.height();
    if (face.size() != QSize(request.width, request.height))
        out << " (asked for " << request.width << " x " << request.height << ": " << WhyResized(mode) << ')';
    out << '\n';
}
