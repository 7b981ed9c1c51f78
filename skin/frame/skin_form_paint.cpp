// Painting the frame: its geometry for the window size, the skin frame from
// four strips with the objects drawn into them, the default frame without a
// skin, the window shape and the client background.
#include "skin/frame/skin_form.h"

#include "skin/frame/form_requests.h"
#include "skin/draw/system_colors.h"
#include "skin/data/skin_data.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/pixel_effects.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/exposed_parts.h"
#include "skin/draw/outline.h"
#include "skin/draw/text_ellipsis.h"
#include "skin/draw/whole_pixel_scaling.h"
#include "skin/frame/client_background.h"
#include "skin/frame/frame_button_objects.h"
#include "skin/frame/frame_object.h"
#include "skin/frame/frame_shape.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace {

bool IsToolWindow(TFormBorderStyle style)
{
    return style == TFormBorderStyle::bsToolWindow || style == TFormBorderStyle::bsSizeToolWin;
}

void DrawStrip(QPainter& painter, const QImage& strip, int x, int y, const QRegion& exposed)
{
    if (strip.isNull())
        return;
    const QRect area(QPoint(x, y), LogicalSize(strip));
    DrawEachExposedPart(painter, exposed.intersected(area), [&](const QRect&) { painter.drawImage(x, y, strip); });
}

} // namespace

int TbsSkinForm::DefaultCaptionHeight() const
{
    return IsToolWindow(m_formBorderStyle) ? 15 : 19;
}

int TbsSkinForm::DefaultButtonSize() const
{
    return IsToolWindow(m_formBorderStyle) ? 13 : 17;
}

void TbsSkinForm::CalcResizeGeometry()
{
    if (!SkinFrame())
        return;
    m_geometry = ::CalcResizeGeometry(m_skinData->FormInfo(), m_skinData->Picture().size(), m_form->width(),
        m_form->height());
}

void TbsSkinForm::UpdateFrame(bool layout)
{
    if (m_skinnableFrame) {
        CalcResizeGeometry();
        if (layout)
            LayoutObjects();
    }
    UpdateRegion(layout);
    m_form->update();
    if (SkinFrame() && m_skinData->FormInfo().stretchEffect)
        m_clientArea->update();
}

void TbsSkinForm::UpdateRegion(bool rebuild)
{
    if (!m_skinnableFrame || m_formBorderStyle == TFormBorderStyle::bsNone || !SkinFrame()) {
        m_shape.Clear();
        if (!m_form->mask().isEmpty())
            m_form->clearMask();
        return;
    }
    if (rebuild || !m_shape.HasMask())
        m_shape.Rebuild(m_skinData->MaskPicture(), m_skinData->FormInfo(), m_skinData->Picture().size(), m_geometry);
    const std::optional<QRegion> region = m_shape.Region();
    if (region && !region->isEmpty())
        m_form->setMask(*region);
    else if (!m_form->mask().isEmpty())
        m_form->clearMask();
}

void TbsSkinForm::WMNCPaint(QPainter& painter, const QRegion& exposed)
{
    if (m_formBorderStyle == TFormBorderStyle::bsNone)
        return;
    const bool active = IsActive();
    if (SkinFrame())
        PaintSkinFrame(painter, active, exposed);
    else if (!m_changingSkin)
        PaintDefaultFrame(painter, active);
}

void TbsSkinForm::PaintSkinFrame(QPainter& painter, bool active, const QRegion& exposed) const
{
    const int width = m_form->width();
    const int height = m_form->height();
    if (width < GetMinWidth() || height < GetMinHeight())
        return;
    const TbsFormInfo& info = m_skinData->FormInfo();
    const QImage& picture = m_skinData->Picture();
    const QImage& inactivePicture = m_skinData->InactivePicture();
    const QImage& source
        = !active && !inactivePicture.isNull() && inactivePicture.size() == picture.size() ? inactivePicture : picture;
    if (!FrameFitsPicture(info, picture.size(), info.clientRect)) {
        painter.fillRect(QRect(0, 0, width, height), SkinColorToQColor(clBtnFace));
        return;
    }
    SkinBorderStrips strips = ComposeSkinBorders(source, FramePiece(info, picture.size(), info.clientRect),
        FrameTarget(m_geometry, m_geometry.nClient));
    // The skin's art is enlarged by whole pixels once; objects and caption
    // text are then painted on the enlarged strips at the device's resolution.
    const int ratio = WholePixelRatio(*painter.device());
    for (QImage* strip : { &strips.top, &strips.left, &strips.right, &strips.bottom })
        *strip = ScaleByWholePixels(*strip, ratio);

    for (const auto& object : m_objects) {
        if (!object->Visible)
            continue;
        const bool inBottom = object->ObjectRect.bottom > m_geometry.nClient.top;
        QImage& strip = inBottom ? strips.bottom : strips.top;
        if (strip.isNull())
            continue;
        QPainter stripPainter(&strip);
        if (inBottom)
            stripPainter.translate(0, -m_geometry.nClient.bottom);
        object->Draw(stripPainter, true);
    }

    if (!active && info.autoRenderingInactiveImage) {
        for (QImage* strip : { &strips.top, &strips.left, &strips.right, &strips.bottom }) {
            if (!strip->isNull())
                ApplyInactiveEffect(*strip, info.inactiveEffect);
        }
    }
    const int topHeight = LogicalSize(strips.top).height();
    DrawStrip(painter, strips.top, 0, 0, exposed);
    DrawStrip(painter, strips.left, 0, topHeight, exposed);
    DrawStrip(painter, strips.right, width - LogicalSize(strips.right).width(), topHeight, exposed);
    DrawStrip(painter, strips.bottom, 0, height - LogicalSize(strips.bottom).height(), exposed);
}

void TbsSkinForm::LayoutDefaultButtons()
{
    const int width = m_form->width();
    const int captionHeight = DefaultCaptionHeight();
    const int buttonSize = DefaultButtonSize();
    m_defaultCaptionRect = { 3, 3, width - 3, captionHeight };
    int x = width - 3;
    for (TbsStdCommand command : { cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray }) {
        for (const auto& object : m_objects) {
            auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
            if (!button || !button->Visible || button->Command != command)
                continue;
            button->ObjectRect = { x - buttonSize, 4, x, 4 + buttonSize };
            x -= buttonSize;
            m_defaultCaptionRect.right = x;
            break;
        }
    }
    for (const auto& object : m_objects) {
        auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (!button || !button->Visible || button->Command != cmSysMenu)
            continue;
        const QSize size = m_showIcon ? button->RowSize() : QSize(buttonSize, buttonSize);
        button->ObjectRect = { 3, 4, 3 + size.width(), 4 + size.height() };
        m_defaultCaptionRect.left = button->ObjectRect.right;
        break;
    }
}

void TbsSkinForm::PaintDefaultFrame(QPainter& painter, bool active) const
{
    const int width = m_form->width();
    const int height = m_form->height();
    const int captionHeight = DefaultCaptionHeight();
    const SkinRect& caption = m_defaultCaptionRect;

    QImage bar = ScaleByWholePixels(
        MakeSkinBitmap(std::max(0, width - 6), captionHeight, SkinColorToQColor(clBtnFace).rgb()),
        WholePixelRatio(*painter.device()));
    if (!bar.isNull()) {
        QPainter barPainter(&bar);
        if (captionHeight - 4 > 1) {
            // Filled rows rather than pen lines, which land off the pixel
            // grid on a face of a higher ratio.
            for (int i = 0; i < captionHeight - 5; ++i) {
                const QRect row = QRect(QPoint(caption.left - 1, 2 + i), QPoint(caption.right - 7, 2 + i)).normalized();
                barPainter.fillRect(row, SkinColorToQColor(i % 2 == 0 ? clBtnHighlight : clBtnShadow));
            }
        }
        const QFont& font = active ? m_defCaptionFont : m_defInActiveCaptionFont;
        const QRect textArea(caption.left - 3, 0, caption.Width(), captionHeight);
        if (OnCaptionPaint) {
            OnCaptionPaint(barPainter, textArea, active);
        } else if (!m_form->windowTitle().isEmpty()) {
            const QFontMetrics metrics(font);
            const int available = caption.right - caption.left + 3;
            const QString text = TrimWithEllipsis(metrics, m_form->windowTitle(), available);
            const int textWidth = metrics.horizontalAdvance(text);
            const int x = caption.left - 3 + available / 2 - (textWidth + 5) / 2;
            const int y = captionHeight / 2 - metrics.height() / 2;
            const QRect textRect(x, y, textWidth, metrics.height());
            barPainter.fillRect(textRect.adjusted(-2, -2, 2, 2), SkinColorToQColor(clBtnFace));
            barPainter.setFont(font);
            barPainter.setPen(SkinColorToQColor(active ? clBtnText : clBtnShadow));
            barPainter.drawText(x, y + metrics.ascent(), text);
        }
        barPainter.translate(-3, -3);
        for (const auto& object : m_objects) {
            if (object->Visible)
                object->Draw(barPainter, true);
        }
    }
    painter.drawImage(3, 3, bar);
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

void TbsSkinForm::PaintClientBackground(QPainter& painter, const QSize& clientSize, const QRect& exposed) const
{
    // Nothing of the old skin is left to draw while a new one loads.
    if (m_changingSkin)
        return;
    const QRect shown = exposed.intersected(QRect(QPoint(), clientSize));
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), ClientBackground(m_skinned ? m_skinData.data() : nullptr, clientSize, shown));
    if (m_logoBitMap.isNull())
        return;
    const QPoint at(std::max(0, clientSize.width() / 2 - m_logoBitMap.width() / 2),
        std::max(0, clientSize.height() / 2 - m_logoBitMap.height() / 2));
    if (!m_logoBitMapTransparent) {
        painter.drawImage(at, m_logoBitMap);
        return;
    }
    // A transparent logo leaves out the colour of its bottom-left pixel.
    QImage logo = m_logoBitMap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = logo.pixel(0, logo.height() - 1);
    for (int y = 0; y < logo.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(logo.scanLine(y));
        for (int x = 0; x < logo.width(); ++x) {
            if (row[x] == key)
                row[x] = 0;
        }
    }
    painter.drawImage(at, logo);
}

QImage TbsSkinForm::RenderWindow(std::optional<bool> active)
{
    // A hidden form hears of no size change until it is shown.
    WMSize();
    m_forcedActive = active;
    UpdateCaptionActive(false);
    QImage window(m_form->size(), QImage::Format_ARGB32);
    window.fill(Qt::transparent);
    {
        QPainter painter(&window);
        const QRect client = m_clientArea->isVisibleTo(m_form) ? m_clientArea->geometry() : QRect();
        if (!client.isEmpty()) {
            painter.translate(client.topLeft());
            PaintClientBackground(painter, client.size(), QRect(QPoint(), client.size()));
            painter.resetTransform();
        }
        if (m_skinnableFrame)
            WMNCPaint(painter, window.rect());
    }
    m_forcedActive.reset();
    UpdateCaptionActive(false);
    if (m_form->mask().isEmpty())
        return window;
    const QRegion shape = m_form->mask();
    QImage shaped(window.size(), QImage::Format_ARGB32);
    shaped.fill(Qt::transparent);
    QPainter painter(&shaped);
    painter.setClipRegion(shape);
    painter.drawImage(0, 0, window);
    painter.end();
    return shaped;
}

void TbsSkinForm::WMSkinFormQuery(TbsFormRequestEvent& request)
{
    request.SetResult(m_skinnableFrame ? kFormFrameTakenOver : kFormFrameOwnedBySystem);
}

void TbsSkinForm::WMSkinFormPaintFrame(TbsFormRequestEvent& request)
{
    if (!m_skinnableFrame || !request.Painter() || m_formBorderStyle == TFormBorderStyle::bsNone)
        return;
    WMNCPaint(*request.Painter(), m_form->rect());
    request.SetResult(kFramePainted);
}

void TbsSkinForm::WMSkinFormPaintFrameKeyed(TbsFormRequestEvent& request)
{
    if (!m_skinnableFrame || request.Key() != kPaintFrameKey)
        return;
    if (request.Painter() && m_formBorderStyle != TFormBorderStyle::bsNone)
        WMNCPaint(*request.Painter(), m_form->rect());
    request.SetResult(kPaintFrameKey);
}
