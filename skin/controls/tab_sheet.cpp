#include "skin/controls/tab_sheet.h"

#include "skin/controls/face_buffer.h"
#include "skin/controls/page_control.h"
#include "skin/controls/skin_control.h"
#include "skin/draw/system_colors.h"
#include "skin/data/control_definitions_tab.h"

#include <QPaintEvent>
#include <QPainter>

TbsSkinTabSheet::TbsSkinTabSheet(TbsSkinPageControl* pageControl)
    : QWidget(pageControl)
    , m_pageControl(pageControl)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    if (m_pageControl)
        m_pageControl->InsertPage(this);
}

TbsSkinTabSheet::~TbsSkinTabSheet()
{
    if (m_pageControl)
        m_pageControl->RemovePage(this);
}

int TbsSkinTabSheet::PageIndex() const
{
    return m_pageControl ? m_pageControl->IndexOfPage(this) : -1;
}

void TbsSkinTabSheet::SetCaption(const QString& caption)
{
    m_caption = caption;
    if (m_pageControl)
        m_pageControl->TabsChanged();
}

void TbsSkinTabSheet::SetTabVisible(bool visible)
{
    m_tabVisible = visible;
    if (m_pageControl)
        m_pageControl->TabsChanged();
}

void TbsSkinTabSheet::SetWallPaper(const QImage& wallPaper)
{
    m_wallPaper = wallPaper;
    update();
}

void TbsSkinTabSheet::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!m_wallPaper.isNull()) {
        // The brush tiles from the page's top-left wherever a part is exposed.
        const QBrush tiles(m_wallPaper);
        for (const QRect& exposed : event->region())
            painter.fillRect(exposed, tiles);
        return;
    }
    FitFaceBuffer(m_background, size(), 1);
    m_background.fill(SkinColorToQColor(clBtnFace));
    if (m_pageControl)
        m_pageControl->DrawPageBackground(m_background);
    DrawExposedFace(painter, m_background, event->region());
}

void TbsSkinTabSheet::hideEvent(QHideEvent* event)
{
    // Only the active page shows; the others hold no background.
    m_background = {};
    QWidget::hideEvent(event);
}

void TbsSkinTabSheet::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A stretched background looks different at every size, so children that
    // show their parent's background must repaint.
    const auto* definition = m_pageControl ? m_pageControl->m_definition.get() : nullptr;
    if (!definition || !definition->stretchEffect)
        return;
    SendBackgroundChanged(this);
}
