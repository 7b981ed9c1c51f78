#pragma once

#include "skin/data/loaded_skin.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/object_layout.h"
#include "skin/frame/window_state.h"

#include <QFont>
#include <QMargins>
#include <QRegion>
#include <QSize>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class TbsActiveSkinObject;
class TbsFrameShape;
struct SkinBorderStrips;

// A window's frame at one moment, as its look answers and paints from it.
struct TbsFrameState {
    QSize size;
    TFormBorderStyle borderStyle { TFormBorderStyle::bsSizeable };
    bool active { true };
    bool rolledUp { false };
    bool minimized { false };
    bool maximized { false };
    bool canResize { true };
    bool inSizeMove { false };
    // The mouse is over a frame object.
    bool hasHotObject { false };
    // The window's icon stands for the system-menu button.
    bool showIcon { false };
};

// Where a look puts the parts of a frame for one state.
struct TbsFrameLayout {
    // The skin frame's geometry; zero for the default frame.
    TbsFrameGeometry geometry;
    // The place of every object, in the order of the slots laid out.
    std::vector<QRect> objects;
    // The rectangles the window is dragged by: the skin's caption objects,
    // or the default frame's caption bar between its buttons.
    std::vector<QRect> captions;
};

// How the caption text of the default frame is drawn.
struct TbsCaptionText {
    QString title;
    QFont activeFont;
    QFont inactiveFont;
    // Draws the text instead, when set.
    std::function<void(QPainter& painter, const QRect& rect, bool active)> paint;
};

// The look of a window's frame: a skin's frame picture with its objects, or
// a plain default frame without one. It keeps no state of any window: every
// answer follows from the skin it was made with and the state it is given,
// like a window theme's metrics and hit test. The objects that keep state
// and take input (caption buttons, the caption) are drawn into it.
class TbsFrameLook {
public:
    // A null skin, an empty one or one without a frame picture gives the
    // default frame.
    explicit TbsFrameLook(TbsSharedSkin skin = nullptr);

    bool IsSkinFrame() const { return m_skinFrame; }
    const TbsSharedSkin& Skin() const { return m_skin; }

    // The default frame's caption bar height and caption button size, smaller
    // for tool windows.
    static int DefaultCaptionHeight(TFormBorderStyle style);
    static int DefaultButtonSize(TFormBorderStyle style);

    // The frame's thickness on each side of the client area; none without a
    // border.
    QMargins Margins(const TbsFrameState& state) const;
    // The places of the objects for the state.
    TbsFrameLayout Layout(const TbsFrameState& state, const std::vector<TbsFrameObjectSlot>& objects) const;
    // What a window point is, as a TbsHitCode. shape is the window's shape
    // cut from the skin's mask, or null for a rectangular window.
    int HitTest(const QPoint& point, const TbsFrameState& state, const TbsFrameLayout& layout,
        const TbsFrameShape* shape) const;
    // The window shape for the layout's geometry; none for the default frame.
    void ShapeInto(TbsFrameShape& shape, const TbsFrameLayout& layout) const;

    // Paints the frame (the client area is left alone); of the skin frame's
    // strips only what lies in exposed is copied.
    void Paint(QPainter& painter, const TbsFrameState& state, const TbsFrameLayout& layout, const QRegion& exposed,
        const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects, const TbsCaptionText& caption) const;

private:
    void PaintSkinFrame(QPainter& painter, const TbsFrameState& state, const TbsFrameLayout& layout,
        const QRegion& exposed, const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects) const;
    // Gives the pixels of the strips (enlarged by ratio) outside the window
    // shape the colours of the shape beside them.
    void SpreadShapeColours(SkinBorderStrips& strips, const QSize& windowSize, const TbsFrameLayout& layout,
        int ratio) const;
    void PaintDefaultFrame(QPainter& painter, const TbsFrameState& state, const TbsFrameLayout& layout,
        const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects, const TbsCaptionText& caption) const;

    TbsSharedSkin m_skin;
    bool m_skinFrame { false };
};
