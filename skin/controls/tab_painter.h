#pragma once

#include "skin/controls/tab_face.h"
#include "skin/controls/tab_layout.h"
#include "skin/data/skin_values.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

class TbsDataSkinButtonControl;
class TbsDataSkinTabControl;

// A close button keeps this much room from its tab's far end.
constexpr int kTabCloseButtonGap = 2;

// What every tab of a page control is painted from: the definitions and
// pictures the control took at its last skin change (null definitions for the
// plain look) and its settings.
struct TabStripLook {
    const TbsDataSkinTabControl* definition { nullptr };
    TabPieces pieces;
    QImage picture;
    // Lends its faces to close buttons when the tab definition has none.
    const TbsDataSkinButtonControl* toolButton { nullptr };
    PartFaces toolFaces;
    QImage toolPicture;
    TbsTabPosition position { tpTop };
    // The control's TabHeight; 0 takes the tab height from the skin.
    int tabHeight { 0 };
    // How deep a tab can be: the control's extent across its tab side.
    int thickness { 0 };
    QFont font;
    SkinColor defaultFontColor;
    bool controlFocused { false };
    bool showCloseButtons { false };
    int closeButtonWidth { 0 };
};

// One tab as it is to be painted.
struct TabPaintState {
    // Where the tab lies on the control.
    QRect rect;
    QString caption;
    bool active { false };
    bool hot { false };
    // Its close button, on the control, and the button's state.
    QRect closeButton;
    bool closeMouseIn { false };
    bool closeDown { false };
};

// Paints tab into target, whose top-left lies at origin on the control: the
// face composed upright, flipped or turned to the tab's side, with its
// caption, close button and focus mark.
void PaintTab(const TabStripLook& look, QImage& target, const QPoint& origin, const TabPaintState& tab);

// The pages' background in image, from its top-left: the definition's
// background picture, or its client piece repeated or, stretched, spread over
// a control of controlSize so that every page shows the same part of it.
void PaintPageBackground(QImage& image, const TbsDataSkinTabControl& definition, const QRect& clientPiece,
    const QImage& picture, const QImage& backgroundPicture, const QSize& controlSize);

// The skin's frame around the pages, frame being its outer edge on face; only
// what clip leaves is drawn.
void PaintPageFrame(QImage& face, const QRegion& clip, const TbsDataSkinTabControl& definition,
    const QImage& picture, const QRect& frame);

// The strip behind the tabs, of size: the strip's piece repeated from its
// top-left.
QImage TabStripBackground(const QRect& piece, const QImage& picture, const QSize& size);

// A whole page control as it is to be painted: its look, its visible tabs
// (the selected one at its grown size), where the frame and the tab strip lie.
struct PageControlPaint {
    TabStripLook look;
    std::vector<TabPaintState> tabs;
    // The selected tab among tabs, -1 for none.
    int active { -1 };
    // The pages with the frame around them, and the band the tabs lie in.
    QRect pageFrame;
    QRect band;
    // What shows behind the tabs in the band (skinned look only).
    QImage stripBackground;
};

// The plain look: a button-face fill, a one-pixel frame around pageFrame and
// the tabs.
void PaintPlainPageControl(QImage& face, const PageControlPaint& paint);

// The skinned look over a face that already shows the pages' background: the
// frame, the tab strip and the tabs, the selected tab last and over both.
void PaintSkinPageControl(QImage& face, const PageControlPaint& paint);

// The size of a tab's close button: the skin's image, else a 14-pixel cell.
QSize TabCloseButtonSize(const TbsDataSkinTabControl* definition);
