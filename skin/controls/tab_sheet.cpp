#include "skin/controls/tab_sheet.h"

#include "skin/controls/page_control.h"
#include "skin/controls/system_colors.h"

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

void TbsSkinTabSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_wallPaper.isNull()) {
        painter.drawTiledPixmap(rect(), QPixmap::fromImage(m_wallPaper));
        return;
    }
    painter.fillRect(rect(), SkinColorToQColor(clBtnFace));
}
