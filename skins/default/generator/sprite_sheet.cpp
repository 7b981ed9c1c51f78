#include "sprite_sheet.h"

#include <QPainter>
#include <stdexcept>

SpriteSheet::SpriteSheet(int width, QColor background)
    : m_width(width)
    , m_background(background)
{
}

QRect SpriteSheet::Place(const QImage& cell)
{
    if (cell.width() + 2 * kGap > m_width)
        throw std::logic_error("sprite cell wider than its sheet");
    if (m_cursorX + cell.width() + kGap > m_width)
        NewRow();
    const QRect rect(m_cursorX, m_rowTop, cell.width(), cell.height());
    m_cells.push_back({ rect, cell });
    m_cursorX += cell.width() + kGap;
    m_rowHeight = std::max(m_rowHeight, cell.height());
    return rect;
}

void SpriteSheet::NewRow()
{
    if (m_rowHeight == 0)
        return;
    m_rowTop += m_rowHeight + kGap;
    m_cursorX = kGap;
    m_rowHeight = 0;
}

QImage SpriteSheet::Render() const
{
    QImage sheet(m_width, m_rowTop + m_rowHeight + kGap, QImage::Format_RGB32);
    sheet.fill(m_background);
    QPainter painter(&sheet);
    for (const Cell& cell : m_cells)
        painter.drawImage(cell.rect.topLeft(), cell.image);
    return sheet;
}
