// Painting the frame through its look, the window shape and the client
// background.
#include "skin/frame/skin_form.h"

#include "skin/frame/form_requests.h"
#include "skin/data/skin_data.h"
#include "skin/frame/client_background.h"
#include "skin/frame/frame_object.h"
#include "skin/frame/frame_look.h"
#include "skin/frame/frame_shape.h"

#include <QPainter>
#include <QWidget>

TbsFrameLook TbsSkinForm::Look() const
{
    return TbsFrameLook(m_skinned && m_skinnableFrame && m_skinData ? m_skinData->Skin() : nullptr);
}

TbsFrameState TbsSkinForm::FrameState() const
{
    TbsFrameState state;
    state.size = m_form->size();
    state.borderStyle = m_formBorderStyle;
    state.active = IsActive();
    state.rolledUp = RolledUp();
    state.minimized = SkinWindowState() == TbsWindowState::wsMinimized;
    state.maximized = SkinWindowState() == TbsWindowState::wsMaximized;
    state.canResize = CanResize();
    state.inSizeMove = m_inSizeMove;
    state.hasHotObject = m_hotObject >= 0;
    state.showIcon = m_showIcon;
    return state;
}

TbsFrameLayout TbsSkinForm::CurrentLayout() const
{
    TbsFrameLayout layout;
    layout.geometry = m_geometry;
    layout.captions = m_captionRects;
    return layout;
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
        Look().ShapeInto(m_shape, CurrentLayout());
    const std::optional<QRegion> region = m_shape.Region();
    if (region && !region->isEmpty())
        m_form->setMask(*region);
    else if (!m_form->mask().isEmpty())
        m_form->clearMask();
}

void TbsSkinForm::WMNCPaint(QPainter& painter, const QRegion& exposed)
{
    const TbsFrameLook look = Look();
    // A skin frame smaller than its least size is not drawn; nothing of the
    // old skin is drawn while a new one loads.
    if (look.IsSkinFrame() ? m_form->width() < GetMinWidth() || m_form->height() < GetMinHeight() : m_changingSkin)
        return;
    look.Paint(painter, FrameState(), CurrentLayout(), exposed, m_objects,
        { m_form->windowTitle(), m_defCaptionFont, m_defInActiveCaptionFont, OnCaptionPaint });
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
