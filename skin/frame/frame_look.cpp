#include "skin/frame/frame_look.h"

#include "skin/draw/area_reduction.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/exposed_parts.h"
#include "skin/draw/outline.h"
#include "skin/draw/pixel_effects.h"
#include "skin/draw/system_colors.h"
#include "skin/draw/text_ellipsis.h"
#include "skin/draw/whole_pixel_scaling.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_object.h"
#include "skin/frame/frame_rect.h"
#include "skin/frame/frame_shape.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>

namespace {

bool IsToolWindow(TFormBorderStyle style)
{
    return style == TFormBorderStyle::bsToolWindow || style == TFormBorderStyle::bsSizeToolWin;
}

// The strips with the window points of their top-left corners.
std::array<std::pair<QImage*, QPoint>, 4> PlacedStrips(SkinBorderStrips& strips, const QSize& windowSize)
{
    const int topHeight = LogicalSize(strips.top).height();
    return { { { &strips.top, QPoint(0, 0) }, { &strips.left, QPoint(0, topHeight) },
        { &strips.right, QPoint(windowSize.width() - LogicalSize(strips.right).width(), topHeight) },
        { &strips.bottom, QPoint(0, windowSize.height() - LogicalSize(strips.bottom).height()) } } };
}

TbsHitTestState HitTestState(const TbsFrameState& state)
{
    TbsHitTestState hit;
    hit.rolledUp = state.rolledUp;
    hit.minimized = state.minimized;
    hit.maximized = state.maximized;
    hit.canResize = state.canResize;
    hit.hasHotObject = state.hasHotObject;
    hit.inSizeMove = state.inSizeMove;
    return hit;
}

// The default frame's caption buttons sit right-aligned in its caption bar,
// the system-menu button at its left; the caption text takes what is between.
TbsFrameLayout DefaultLayout(const TbsFrameState& state, const std::vector<TbsFrameObjectSlot>& objects)
{
    TbsFrameLayout layout;
    for (const TbsFrameObjectSlot& object : objects)
        layout.objects.push_back(object.place);
    const int width = state.size.width();
    const int buttonSize = TbsFrameLook::DefaultButtonSize(state.borderStyle);
    QRect caption = RectOfEdges(3, 3, qint64(width) - 3, TbsFrameLook::DefaultCaptionHeight(state.borderStyle));
    const auto first = [&objects](TbsStdCommand command) {
        const auto found = std::find_if(objects.begin(), objects.end(), [command](const TbsFrameObjectSlot& object) {
            return object.visible && object.captionButton && object.command == command;
        });
        return found == objects.end() ? -1 : static_cast<int>(found - objects.begin());
    };
    int x = width - 3;
    for (TbsStdCommand command : { cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray }) {
        const int index = first(command);
        if (index < 0)
            continue;
        layout.objects[static_cast<std::size_t>(index)] = QRect(x - buttonSize, 4, buttonSize, buttonSize);
        x -= buttonSize;
        caption.setRight(x - 1);
    }
    if (const int index = first(cmSysMenu); index >= 0) {
        const QSize size = state.showIcon ? objects[static_cast<std::size_t>(index)].rowSize : QSize(buttonSize, buttonSize);
        const QRect place(QPoint(3, 4), size);
        layout.objects[static_cast<std::size_t>(index)] = place;
        caption.setLeft(place.right() + 1);
    }
    layout.captions.push_back(caption);
    return layout;
}

} // namespace

TbsFrameLook::TbsFrameLook(TbsSharedSkin skin)
    : m_skin(std::move(skin))
    , m_skinFrame(m_skin && !m_skin->picture.isNull())
{
}

int TbsFrameLook::DefaultCaptionHeight(TFormBorderStyle style)
{
    return IsToolWindow(style) ? 15 : 19;
}

int TbsFrameLook::DefaultButtonSize(TFormBorderStyle style)
{
    return IsToolWindow(style) ? 13 : 17;
}

QMargins TbsFrameLook::Margins(const TbsFrameState& state) const
{
    if (state.borderStyle == TFormBorderStyle::bsNone)
        return {};
    if (m_skinFrame)
        return SkinFrameMargins(m_skin->formInfo, m_skin->picture.size());
    return DefaultFrameMargins(DefaultCaptionHeight(state.borderStyle));
}

TbsFrameLayout TbsFrameLook::Layout(const TbsFrameState& state, const std::vector<TbsFrameObjectSlot>& objects) const
{
    if (!m_skinFrame)
        return DefaultLayout(state, objects);
    TbsFrameLayout layout;
    const QSize pictureSize = m_skin->picture.size();
    layout.geometry = CalcResizeGeometry(m_skin->formInfo, pictureSize, state.size.width(), state.size.height());
    layout.objects = LayoutObjects(objects, m_skin->formInfo, pictureSize, layout.geometry);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].isCaption)
            layout.captions.push_back(layout.objects[i]);
    }
    return layout;
}

int TbsFrameLook::HitTest(const QPoint& point, const TbsFrameState& state, const TbsFrameLayout& layout,
    const TbsFrameShape* shape) const
{
    const TbsHitTestState hit = HitTestState(state);
    if (!m_skinFrame) {
        const QRect caption = layout.captions.empty() ? QRect() : layout.captions.front();
        return DefaultHitTest(point, state.size.width(), state.size.height(), DefaultCaptionHeight(state.borderStyle),
            caption, hit);
    }
    std::function<bool(const QPoint&)> inShape;
    if (shape && shape->HasMask())
        inShape = [shape](const QPoint& p) { return shape->PointInFrameShape(p); };
    return SkinHitTest(point, layout.geometry, m_skin->formInfo.borderWidth, hit, layout.captions, inShape);
}

void TbsFrameLook::ShapeInto(TbsFrameShape& shape, const TbsFrameLayout& layout) const
{
    if (!m_skinFrame) {
        shape.Clear();
        return;
    }
    shape.Rebuild(m_skin->maskPicture, m_skin->formInfo, m_skin->picture.size(), layout.geometry);
}

void TbsFrameLook::Paint(QPainter& painter, const TbsFrameState& state, const TbsFrameLayout& layout,
    const QRegion& exposed, const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects,
    const TbsCaptionText& caption) const
{
    if (state.borderStyle == TFormBorderStyle::bsNone)
        return;
    if (m_skinFrame)
        PaintSkinFrame(painter, state, layout, exposed, objects);
    else
        PaintDefaultFrame(painter, state, layout, objects, caption);
}

void TbsFrameLook::PaintSkinFrame(QPainter& painter, const TbsFrameState& state, const TbsFrameLayout& layout,
    const QRegion& exposed, const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects) const
{
    const int width = state.size.width();
    const int height = state.size.height();
    const TbsFormInfo& info = m_skin->formInfo;
    const QImage& picture = m_skin->picture;
    const QImage& inactivePicture = m_skin->inactivePicture;
    const QImage& source = !state.active && !inactivePicture.isNull() && inactivePicture.size() == picture.size()
        ? inactivePicture
        : picture;
    if (!FrameFitsPicture(info, picture.size(), info.clientRect)) {
        painter.fillRect(QRect(0, 0, width, height), SkinColorToQColor(clBtnFace));
        return;
    }
    const TbsFrameGeometry& geometry = layout.geometry;
    SkinBorderStrips strips = ComposeSkinBorders(source, FramePiece(info, picture.size(), info.clientRect),
        FrameTarget(geometry, geometry.nClient));
    // The skin's art is enlarged by whole pixels once; objects and caption
    // text are then painted on the enlarged strips at the device's resolution.
    const int ratio = WholePixelRatio(*painter.device());
    for (QImage* strip : { &strips.top, &strips.left, &strips.right, &strips.bottom })
        *strip = ScaleByWholePixels(*strip, ratio);

    for (const auto& object : objects) {
        if (!object->Visible)
            continue;
        const bool inBottom = EndY(object->ObjectRect) > geometry.nClient.top();
        QImage& strip = inBottom ? strips.bottom : strips.top;
        if (strip.isNull())
            continue;
        QPainter stripPainter(&strip);
        if (inBottom)
            stripPainter.translate(0, -qreal(EndY(geometry.nClient)));
        object->Draw(stripPainter, true);
    }

    if (!state.active && info.autoRenderingInactiveImage) {
        for (QImage* strip : { &strips.top, &strips.left, &strips.right, &strips.bottom }) {
            if (!strip->isNull())
                ApplyInactiveEffect(*strip, info.inactiveEffect);
        }
    }
    // A reduction to a fractional ratio would blend the shape's edge with the
    // art its mask cuts away: that art takes the colours of the shape first.
    if (IsFractionalRatio(painter.device()->devicePixelRatio()))
        SpreadShapeColours(strips, state.size, layout, ratio);
    for (const auto& [strip, at] : PlacedStrips(strips, state.size))
        DrawFaceOnDevice(painter, at, *strip, exposed);
}

void TbsFrameLook::SpreadShapeColours(SkinBorderStrips& strips, const QSize& windowSize,
    const TbsFrameLayout& layout, int ratio) const
{
    TbsFrameShape shape;
    ShapeInto(shape, layout);
    if (!shape.HasMask())
        return;
    for (const auto& [strip, at] : PlacedStrips(strips, windowSize)) {
        const QPoint origin = at;
        SpreadInsideColours(
            *strip, [&](int x, int y) { return shape.PointInFrameShape(origin + QPoint(x / ratio, y / ratio)); });
    }
}

void TbsFrameLook::PaintDefaultFrame(QPainter& painter, const TbsFrameState& state, const TbsFrameLayout& layout,
    const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects, const TbsCaptionText& captionText) const
{
    const int width = state.size.width();
    const int height = state.size.height();
    const bool active = state.active;
    const int captionHeight = DefaultCaptionHeight(state.borderStyle);
    const QRect caption = layout.captions.empty() ? QRect() : layout.captions.front();

    QImage bar = ScaleByWholePixels(
        MakeSkinBitmap(std::max(0, width - 6), captionHeight, SkinColorToQColor(clBtnFace).rgb()),
        WholePixelRatio(*painter.device()));
    if (!bar.isNull()) {
        QPainter barPainter(&bar);
        if (captionHeight - 4 > 1) {
            // Filled rows rather than pen lines, which land off the pixel
            // grid on a face of a higher ratio.
            for (int i = 0; i < captionHeight - 5; ++i) {
                const QRect row
                    = QRect(QPoint(caption.left() - 1, 2 + i), QPoint(caption.right() - 6, 2 + i)).normalized();
                barPainter.fillRect(row, SkinColorToQColor(i % 2 == 0 ? clBtnHighlight : clBtnShadow));
            }
        }
        const QFont& font = active ? captionText.activeFont : captionText.inactiveFont;
        const QRect textArea(caption.left() - 3, 0, caption.width(), captionHeight);
        if (captionText.paint) {
            captionText.paint(barPainter, textArea, active);
        } else if (!captionText.title.isEmpty()) {
            const QFontMetrics metrics(font);
            const int available = caption.width() + 3;
            const QString text = TrimWithEllipsis(metrics, captionText.title, available);
            const int textWidth = metrics.horizontalAdvance(text);
            const int x = caption.left() - 3 + available / 2 - (textWidth + 5) / 2;
            const int y = captionHeight / 2 - metrics.height() / 2;
            const QRect textRect(x, y, textWidth, metrics.height());
            barPainter.fillRect(textRect.adjusted(-2, -2, 2, 2), SkinColorToQColor(clBtnFace));
            barPainter.setFont(font);
            barPainter.setPen(SkinColorToQColor(active ? clBtnText : clBtnShadow));
            barPainter.drawText(x, y + metrics.ascent(), text);
        }
        barPainter.translate(-3, -3);
        for (const auto& object : objects) {
            if (object->Visible)
                object->Draw(barPainter, true);
        }
    }
    DrawFaceOnDevice(painter, QPoint(3, 3), bar, QRect(QPoint(3, 3), LogicalSize(bar)));
    QRect outline(0, 0, width, height);
    const std::pair<SkinColor, SkinColor> frames[] = { { cl3DLight, cl3DDkShadow }, { clBtnHighlight, clBtnShadow },
        { clBtnFace, clBtnFace } };
    for (const auto& [topLeft, bottomRight] : frames) {
        if (outline.width() <= 0 || outline.height() <= 0)
            break;
        DrawOutline3D(painter, outline, SkinColorToQColor(topLeft), SkinColorToQColor(bottomRight));
        outline.adjust(1, 1, -1, -1);
    }
}
