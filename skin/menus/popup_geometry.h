#pragma once

#include "skin/draw/composition_mode.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// The geometry of a popup menu window as pure functions: its size, the
// corner points and items rectangle of its picture at that size, where its
// items lie, and where it opens on the screen.

// What a window's size depends on, as its look gives it.
struct PopupMetrics {
    // A window picture: its size, corner points and items rectangle.
    bool skinnedWindow { false };
    int pictureWidth { 0 };
    int pictureHeight { 0 };
    QPoint leftTop;
    QPoint rightTop;
    QPoint leftBottom;
    QPoint rightBottom;
    QRect itemsRect;
    // An item picture: its width and text rectangle.
    bool skinnedItems { false };
    int itemSkinWidth { 0 };
    QRect textRect;
    int itemHeight { 20 };
    int separatorHeight { 4 };
    // The column left of the captions: image-list width + 5, or 19.
    int glyphWidth { 19 };
};

// Space a scrolling window keeps at each end of its items for the markers.
inline constexpr int kScrollMarkerHeight = 10;

int PopupItemHeight(const PopupMetrics& metrics, bool separator);

// widestText is the widest caption (with two spaces and its short cut when
// it has one).
int PopupWidth(const PopupMetrics& metrics, int widestText);

struct PopupSize {
    int width { 0 };
    int height { 0 };
    bool scroll { false };
    // The scrolling comes from the item limit, not from the screen.
    bool limitScroll { false };
};
// maxItemsInWindow 0 means no limit.
PopupSize CalcPopupSize(const PopupMetrics& metrics, int widestText, const std::vector<int>& itemHeights,
    int maxItemsInWindow, int workAreaHeight);

// The window picture cut as a nine-piece face, its items rectangle the
// client; without stretch keys, which only drawing needs.
SkinPieceGeometry PopupPictureCuts(const PopupMetrics& metrics);

// The picture's corner points and items rectangle at a window size.
struct PopupFrame {
    QPoint leftTop;
    QPoint rightTop;
    QPoint leftBottom;
    QPoint rightBottom;
    QRect itemsRect;
};
PopupFrame CalcPopupFrame(const PopupMetrics& metrics, int width, int height);

// The items from firstVisible on, stacked from the top of the items
// rectangle; the first one that passes its bottom ends the visible range.
struct PopupItemLayout {
    std::vector<QRect> rects;
    std::vector<bool> visible;
    int firstVisible { 0 };
    int visibleCount { 0 };
    bool LastVisible() const { return firstVisible + visibleCount >= static_cast<int>(rects.size()); }
};
PopupItemLayout LayOutPopupItems(const QRect& itemsRect, const std::vector<int>& itemHeights, int firstVisible,
    bool scroll);

// The two marker bands of a scrolling window.
QRect TopScrollMarker(const PopupMetrics& metrics, const PopupFrame& frame, int width);
QRect BottomScrollMarker(const PopupMetrics& metrics, const PopupFrame& frame, int width, int height);

enum class PopupOpening { Down, Up, Submenu };

struct PopupPlacement {
    QPoint topLeft;
    // The window covers its anchor, so it went beside it.
    bool overlaps { false };
};
// anchor is the point or rectangle the window opens at (for a submenu the
// parent item), workArea the screen's, itemsTop the items rectangle's top.
PopupPlacement PlacePopup(const QRect& anchor, const QRect& workArea, QSize size, int itemsTop,
    PopupOpening opening, const PopupSize& scrolling);
