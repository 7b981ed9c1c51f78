#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QtGlobal>
#include <vector>

class QPainter;

// A control's face kept between paints. Where opaque children cover most of
// the control (a page control under its page), paints reach only the strips
// around them, so only those parts of the face are kept, each in an image of
// its own; the rest of the full-size face is let go once it is built.
class KeptFace {
public:
    bool IsEmpty() const { return m_whole.isNull() && m_parts.empty(); }

    // Whether the kept face can draw every pixel of region (logical, in the
    // control's coordinates) on a device of deviceRatio.
    bool Covers(const QRegion& region, qreal deviceRatio) const;

    // Keeps face, which covers the control from its top-left: whole, or only
    // where reachable when that is a small part of it in few rectangles. Parts
    // are kept for devices of whole ratios only: on others a face is reduced
    // to the device's pixels, and a part's edge pixels would be reduced
    // without their neighbours.
    void Keep(QImage face, const QRegion& reachable, qreal deviceRatio);

    // The face when it is kept whole, so that its memory can be built on
    // again; the kept face is empty afterwards.
    QImage TakeWhole();

    // Draws the kept face where region meets it.
    void Draw(QPainter& painter, const QRegion& region) const;

    void Clear();

    // The bytes of pixels held.
    qsizetype Bytes() const;

private:
    struct Part {
        QRect place;
        QImage pixels;
    };

    QImage m_whole;
    std::vector<Part> m_parts;
    QRegion m_kept;
};
