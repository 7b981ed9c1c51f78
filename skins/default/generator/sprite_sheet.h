#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <vector>

// One skin picture assembled from many small cells. Cells are placed left to
// right in rows of a fixed width, with a gap between them so that no cell
// bleeds into its neighbour when a piece is stretched; the picture grows
// downward as rows are added.
class SpriteSheet {
public:
    SpriteSheet(int width, QColor background);

    // Places the cell and returns its rectangle in the picture.
    QRect Place(const QImage& cell);
    // Starts a new row, so that related cells stay together.
    void NewRow();

    QImage Render() const;

private:
    struct Cell {
        QRect rect;
        QImage image;
    };

    static constexpr int kGap = 2;
    int m_width;
    QColor m_background;
    int m_cursorX { kGap };
    int m_rowTop { kGap };
    int m_rowHeight { 0 };
    std::vector<Cell> m_cells;
};
