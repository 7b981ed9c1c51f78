#include "skin/controls/skin_custom_control.h"

#include "skin/draw/whole_pixel_scaling.h"
#include "skin/draw/system_colors.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_font.h"
#include "skin/draw/compose_skin_face.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/mask_region.h"

#include <QPainter>
#include <QResizeEvent>

TbsSkinCustomControl::TbsSkinCustomControl(QWidget* parent)
    : TbsSkinControl(parent)
{
}

QFont TbsSkinCustomControl::StandardDefaultFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    return font;
}

void TbsSkinCustomControl::SetDefaultFont(const QFont& font)
{
    m_defaultFont = font;
    DefaultFontChanged();
    // A definition's face uses it too while UseSkinFont is off.
    FaceChanged();
}

void TbsSkinCustomControl::SetDefaultFontColor(SkinColor color)
{
    m_defaultFontColor = color;
    DefaultFontChanged();
    FaceChanged();
}

void TbsSkinCustomControl::DefaultFontChanged()
{
}

void TbsSkinCustomControl::SetDefaultWidth(int width)
{
    m_defaultWidth = width;
    if (!HasSkinDefinition() && width > 0)
        resize(width, height());
}

void TbsSkinCustomControl::SetDefaultHeight(int height)
{
    m_defaultHeight = height;
    if (!HasSkinDefinition() && height > 0)
        resize(width(), height);
}

void TbsSkinCustomControl::SetUseSkinFont(bool use)
{
    m_useSkinFont = use;
    FaceChanged();
}

QFont TbsSkinCustomControl::ControlFont(const QString& name, int height, FontStyles style) const
{
    return m_useSkinFont ? SkinFont(name, height, style) : m_defaultFont;
}

void TbsSkinCustomControl::GetSkinData()
{
    TbsSkinControl::GetSkinData();
    m_picture = {};
    m_maskPicture = {};
    m_mode = CompositionMode::None;
    const TbsDataSkinControl* const definition = SkinDefinition();
    if (!definition)
        return;
    const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(definition);
    if (!custom) {
        // Only a face that exists fixes the size.
        m_piece = SkinPieceGeometry {};
        m_piece.skinRect = definition->skinRect.ToQRect();
        m_mode = m_piece.skinRect.isEmpty() ? CompositionMode::None : CompositionMode::Fixed;
        return;
    }
    m_picture = SkinPicture(custom->pictureIndex);
    m_piece = PieceGeometryOf(*custom);
    if (!m_picture.isNull())
        m_piece = ClipToPicture(m_piece, m_picture.size());
    m_mode = CompositionModeOf(m_piece);
    m_maskPicture = SkinPicture(custom->maskPictureIndex);
}

QRect TbsSkinCustomControl::ClientPiece() const
{
    return m_piece.clientRect.translated(m_piece.skinRect.topLeft());
}

QRect TbsSkinCustomControl::MapSkinRect(const QRect& rect) const
{
    return ::MapSkinRect(m_mode, m_piece, rect, width(), height());
}

QRect TbsSkinCustomControl::PlacedClientRect() const
{
    return Target().clientRect;
}

void TbsSkinCustomControl::ApplyDefaultSize()
{
    const int w = m_defaultWidth > 0 ? m_defaultWidth : width();
    const int h = m_defaultHeight > 0 ? m_defaultHeight : height();
    resize(w, h);
}

void TbsSkinCustomControl::ChangeSkinData()
{
    GetSkinData();
    const QSize before = size();
    if (!HasSkinDefinition()) {
        ApplyDefaultSize();
    } else {
        int w = width();
        int h = height();
        CalcSize(w, h);
        resize(w, h);
    }
    // A size change has already reshaped the control through resizeEvent.
    if (size() == before || !HasSkinDefinition())
        SetControlRegion();
    FaceChanged();
}

void TbsSkinCustomControl::CalcSize(int& width, int& height)
{
    if (!HasSkinDefinition() || m_mode == CompositionMode::None)
        return;
    const SkinTargetGeometry target = CalcTargetGeometry(m_mode, m_piece, width, height);
    width = target.width;
    height = target.height;
}

SkinTargetGeometry TbsSkinCustomControl::Target() const
{
    return CalcTargetGeometry(m_mode, m_piece, width(), height());
}

void TbsSkinCustomControl::SetControlRegion()
{
    if (!parentWidget())
        return;
    const std::optional<QRegion> region = HasSkinDefinition() && !m_maskPicture.isNull()
        ? SkinFaceRegion(m_maskPicture, m_piece, m_mode, width(), height())
        : std::nullopt;
    // Without a mask the control keeps its rectangle.
    if (region)
        setMask(*region);
    else
        clearMask();
}

void TbsSkinCustomControl::PaintFace(QImage& face)
{
    if (HasSkinDefinition() && m_forceBackground && m_mode == CompositionMode::Full)
        PaintForcedBackground(face);
    else
        TbsSkinControl::PaintFace(face);
}

void TbsSkinCustomControl::PaintForcedBackground(QImage& face)
{
    // The client area is filled straight from the client piece so that
    // children see the same background wherever they sit.
    if (m_drawBackground)
        FillWithPiece(
            face, PlacedClientRect(), m_picture, ClientPiece(), m_piece.stretchEffect, m_piece.stretchType);
    DrawSkinBorders(face);
}

void TbsSkinCustomControl::DrawSkinBorders(QImage& face)
{
    SkinBorderStrips strips = ComposeSkinBorders(m_picture, m_piece, Target());
    // The top strip may take a caption: it is drawn at the face's ratio.
    strips.top = ScaleByWholePixels(strips.top, WholePixelRatio(face.devicePixelRatio()));
    CreateControlSkinImage(strips.top);
    QPainter painter(&face);
    ::DrawSkinBorders(painter, rect(), strips);
}

void TbsSkinCustomControl::CreateControlDefaultImage(QImage& image)
{
    image.fill(SkinColorToQColor(clBtnFace));
}

void TbsSkinCustomControl::CreateControlSkinImage(QImage& image)
{
    // With a forced background the borders and client are drawn separately.
    if (m_forceBackground && m_mode == CompositionMode::Full)
        return;
    CreateSkinFace(image, m_piece.skinRect);
}

void TbsSkinCustomControl::CreateSkinFace(QImage& image, const QRect& faceRect) const
{
    const QImage face = ComposeSkinFace(m_picture, m_piece, m_mode, faceRect, width(), height());
    if (face.isNull())
        return;
    if (m_mode == CompositionMode::Fixed) {
        image = ScaleByWholePixels(face, WholePixelRatio(image.devicePixelRatio()));
        return;
    }
    QPainter painter(&image);
    painter.drawImage(0, 0, face);
}

QRect TbsSkinCustomControl::ClientRectAtAnySize() const
{
    if (m_mode == CompositionMode::Full)
        return PlacedClientRect();
    return m_piece.clientRect.adjusted(0, 0, width() - m_piece.skinRect.width(), height() - m_piece.skinRect.height());
}

void TbsSkinCustomControl::CreateSkinFaceAtAnySize(QImage& image, const QRect& faceRect) const
{
    if (m_mode == CompositionMode::Full)
        CreateSkinFace(image, faceRect);
    else if (m_mode == CompositionMode::Fixed)
        DrawPiece(image, LogicalRect(image), m_picture, faceRect);
    else
        ComposeSkinImageStretched(image, m_picture, faceRect, m_piece.clientRect, width(), height(), true);
}

void TbsSkinCustomControl::resizeEvent(QResizeEvent* event)
{
    if (HasSkinDefinition()) {
        int w = event->size().width();
        int h = event->size().height();
        CalcSize(w, h);
        if (QSize(w, h) != event->size()) {
            // The definition fixes this extent; the corrected resize reshapes.
            resize(w, h);
            return;
        }
    }
    TbsSkinControl::resizeEvent(event);
    SetControlRegion();
    // A stretched client looks different at every size, so children that
    // show their parent's background must repaint.
    if (HasSkinDefinition() && m_piece.stretchEffect)
        SendBackgroundChanged(this);
}
