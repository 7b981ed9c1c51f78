#include "skin/controls/skin_panel.h"

#include "skin/controls/fallback_drawing.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/skin_font.h"
#include "skin/data/control_definitions_panels.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/text_alignment.h"

#include <QPainter>
#include <QScopedValueRollback>

TbsSkinPanel::TbsSkinPanel(QWidget* parent)
    : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("panel"));
    m_forceBackground = true;
    resize(150, 150);
    UpdateClientArea();
}

void TbsSkinPanel::SetCaption(const QString& caption)
{
    m_caption = caption;
    FaceChanged();
}

void TbsSkinPanel::SetUseSkinSize(bool use)
{
    m_useSkinSize = use;
    ChangeSkinData();
}

void TbsSkinPanel::SetBorderStyle(TbsSkinBorderStyle style)
{
    m_borderStyle = style;
    UpdateClientArea();
}

void TbsSkinPanel::SetCaptionMode(bool on)
{
    m_captionMode = on;
    UpdateClientArea();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int height)
{
    if (height < 0)
        return;
    m_defaultCaptionHeight = height;
    UpdateClientArea();
}

void TbsSkinPanel::SetDefaultAlignment(Alignment alignment)
{
    m_defaultAlignment = alignment;
    FaceChanged();
}

QImage TbsSkinPanel::BackgroundPicture() const
{
    const auto* definition = m_definition.get();
    return definition ? SkinPicture(definition->bgPictureIndex) : QImage();
}

bool TbsSkinPanel::FillsWholePanel() const
{
    return m_borderStyle == bvNone && !m_captionMode && Mode() == CompositionMode::Full;
}

QRect TbsSkinPanel::ClientRect()
{
    if (HasSkinDefinition()) {
        if (FillsWholePanel() || !BackgroundPicture().isNull())
            return rect();
        // However far a skin's client rectangle reaches, children stay inside.
        return (m_useSkinSize ? PlacedClientRect() : ClientRectAtAnySize()).intersected(rect());
    }
    QRect client = rect();
    if (m_borderStyle != bvNone)
        client.adjust(1, 1, -1, -1);
    if (m_captionMode)
        client.setTop(client.top() + m_defaultCaptionHeight);
    return client;
}

QRect TbsSkinPanel::CaptionBarRect() const
{
    QRect bar = rect();
    if (m_borderStyle != bvNone)
        bar.adjust(1, 1, -1, -1);
    bar.setHeight(m_defaultCaptionHeight);
    return bar;
}

void TbsSkinPanel::UpdateClientArea()
{
    // New margins send a resize event back here; that nested call has
    // nothing more to do.
    if (m_updatingClientArea)
        return;
    const QScopedValueRollback<bool> updating(m_updatingClientArea, true);
    const QRect client = ClientRect();
    setContentsMargins(client.left(), client.top(), width() - client.right() - 1, height() - client.bottom() - 1);
    FaceChanged();
}

void TbsSkinPanel::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    // A face stretched to any size no longer fits the mask's shape.
    if (!m_useSkinSize)
        m_maskPicture = {};
}

void TbsSkinPanel::CalcSize(int& width, int& height)
{
    if (m_useSkinSize)
        TbsSkinCustomControl::CalcSize(width, height);
}

void TbsSkinPanel::ChangeSkinData()
{
    TbsSkinCustomControl::ChangeSkinData();
    UpdateClientArea();
}

void TbsSkinPanel::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomControl::resizeEvent(event);
    UpdateClientArea();
}

void TbsSkinPanel::PaintFace(QImage& face)
{
    PaintPanelFace(face);
    if (HasSkinDefinition())
        DrawSkinCaption(face);
}

void TbsSkinPanel::DrawSkinCaption(QImage& face)
{
    const auto* definition = m_definition.get();
    if (!definition || m_captionArea.isEmpty() || m_caption.isEmpty())
        return;
    const QRect area = MapSkinRect(m_captionArea);
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine | HorizontalAlignment(definition->alignment);
    QPainter painter(&face);
    painter.setFont(
        ControlFont(definition->fontName, definition->fontHeight, definition->fontStyle));
    painter.setPen(SkinColorToQColor(definition->fontColor));
    painter.setClipRect(area);
    painter.drawText(area, flags, m_caption);
}

void TbsSkinPanel::PaintPanelFace(QImage& face)
{
    if (!HasSkinDefinition() || Mode() != CompositionMode::Full) {
        TbsSkinCustomControl::PaintFace(face);
        return;
    }
    const SkinPieceGeometry& piece = Piece();
    if (FillsWholePanel()) {
        FillWithPiece(face, LogicalRect(face), m_picture, ClientPiece(), piece.stretchEffect, piece.stretchType);
        return;
    }
    const QImage background = BackgroundPicture();
    if (background.isNull()) {
        TbsSkinCustomControl::PaintFace(face);
        return;
    }
    // The borders come from the skin, the client area from the panel's own
    // background picture.
    FillWithPiece(
        face, PlacedClientRect(), background, background.rect(), piece.stretchEffect, piece.stretchType);
    DrawSkinBorders(face);
}

void TbsSkinPanel::CreateControlDefaultImage(QImage& image)
{
    image.fill(SkinColorToQColor(clBtnFace));
    QPainter painter(&image);
    const QColor highlight = SkinColorToQColor(clBtnHighlight);
    const QColor shadow = SkinColorToQColor(clBtnShadow);
    switch (m_borderStyle) {
    case bvFrame:
        fallback::FrameRect(painter, LogicalRect(image), shadow);
        break;
    case bvRaised:
        fallback::Frame3D(painter, LogicalRect(image), highlight, shadow);
        break;
    case bvLowered:
        fallback::Frame3D(painter, LogicalRect(image), shadow, highlight);
        break;
    case bvNone:
        break;
    }
    if (!m_captionMode)
        return;

    const QRect bar = CaptionBarRect();
    fallback::Frame3D(painter, bar, SkinColorToQColor(cl3DLight), SkinColorToQColor(cl3DDkShadow));
    fallback::Frame3D(painter, bar.adjusted(1, 1, -1, -1), highlight, shadow);
    if (m_caption.isEmpty())
        return;
    const QRect textArea = bar.adjusted(2, 0, -2, 0);
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine | HorizontalAlignment(m_defaultAlignment);
    painter.setFont(DefaultFont());
    painter.setPen(SkinColorToQColor(DefaultFontColor()));
    painter.setClipRect(textArea);
    painter.drawText(textArea, flags, m_caption);
}

void TbsSkinPanel::CreateControlSkinImage(QImage& image)
{
    // A full-mode face is composed at any size as it is.
    if (!m_useSkinSize && Mode() != CompositionMode::Full)
        CreateSkinFaceAtAnySize(image, Piece().skinRect);
    else
        TbsSkinCustomControl::CreateControlSkinImage(image);
}

bool TbsSkinPanel::TakeDefinition(const TbsDataSkinControl* definition)
{
    const auto* kept = m_definition.Take(definition);
    if (kept)
        m_captionArea = kept->captionRect.ToQRect();
    return kept != nullptr;
}
