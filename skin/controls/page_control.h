#pragma once

#include "skin/controls/skin_custom_control.h"
#include "skin/controls/tab_close_buttons.h"
#include "skin/controls/tab_layout.h"
#include "skin/controls/tab_painter.h"
#include "skin/controls/tab_strip_scroller.h"
#include "skin/data/skin_values.h"

#include <QMargins>
#include <QRect>
#include <vector>

class TbsDataSkinButtonControl;
class TbsDataSkinTabControl;
class TbsSkinTabSheet;
class TbsSkinUpDown;

// A page control with its tabs along one edge (TabPosition). It lays the tabs
// out itself, each as long as its caption needs, keeps their rectangles until
// the tabs, the font, the size or the skin change, and shows the active page in
// the page area beside them. Clicking a tab makes its page active.
//
// Tabs on the top or bottom that do not fit are scrolled by a tab scroller, a
// TbsSkinUpDown at the right end of the tabs that exists only while they
// overflow.
//
// With a "tab" definition the tabs, the frame around the page area, the strip
// behind the tabs and the pages' background come from the skin; the control
// keeps whatever size it is given. Tabs on the other sides are the top tabs'
// faces flipped or turned.
class TbsSkinPageControl : public TbsSkinCustomControl {
    Q_OBJECT

public:
    explicit TbsSkinPageControl(QWidget* parent = nullptr);
    ~TbsSkinPageControl() override;

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    TbsSkinTabSheet* Pages(int index) const;
    int IndexOfPage(const TbsSkinTabSheet* page) const;

    TbsSkinTabSheet* ActivePage() const { return m_activePage; }
    // Shows page (one of this control's pages, or none) without asking
    // OnChanging and without firing OnChange, as a program does.
    void SetActivePage(TbsSkinTabSheet* page);
    int ActivePageIndex() const { return IndexOfPage(m_activePage); }
    void SetActivePageIndex(int index);

    // Makes page active as a click on its tab does: OnChanging may refuse,
    // OnChange follows the switch.
    void SelectByUser(TbsSkinTabSheet* page);
    // The next (or previous) page with a visible tab, round the ends, as a
    // user selects it; the focus, when it was on the page left, goes to the
    // first control of the page shown. Ctrl+Tab and Ctrl+Shift+Tab do this
    // while the focus is on the control or its pages.
    void SelectNextPage(bool goForward);

    // Tab height: TabHeight when positive, else the height of the skin's tab
    // image, or DefaultItemHeight without a skin. TabWidth 0 sizes every tab
    // to its caption.
    int TabHeight() const { return m_tabHeight; }
    void SetTabHeight(int height);
    int TabWidth() const { return m_tabWidth; }
    void SetTabWidth(int width);
    TbsTabPosition TabPosition() const { return m_tabPosition; }
    void SetTabPosition(TbsTabPosition position);
    int DefaultItemHeight() const { return m_defaultItemHeight; }
    void SetDefaultItemHeight(int height);
    int ItemHeight() const;

    // Every tab shows a close button; pressing and releasing it closes the
    // page: its tab is hidden, and with FreeOnClose the page is destroyed.
    bool ShowCloseButtons() const { return m_showCloseButtons; }
    void SetShowCloseButtons(bool show);
    bool FreeOnClose() const { return m_freeOnClose; }
    void SetFreeOnClose(bool freeOnClose) { m_freeOnClose = freeOnClose; }
    // The close button of a visible tab; empty without close buttons.
    QRect CloseButtonRect(int visibleIndex) const;
    // The skin's close button image width, 14 without one.
    int CloseButtonWidth() const;

    // The strip behind the tabs shows the parent instead of the skin's piece.
    bool TabsBGTransparent() const { return m_tabsBGTransparent; }
    void SetTabsBGTransparent(bool transparent);

    // Caption colour used when there is no skin.
    SkinColor DefaultFontColor() const { return m_defaultFontColor; }
    void SetDefaultFontColor(SkinColor color);

    // Tabs are numbered among the visible ones. A tab scrolled out of sight
    // has an empty rectangle.
    int VisibleTabCount() const { return static_cast<int>(m_tabPages.size()); }
    TbsSkinTabSheet* PageOfVisibleTab(int visibleIndex) const;
    QRect TabRect(int visibleIndex) const;
    // The tab scroller while the tabs overflow, else null.
    TbsSkinUpDown* TabScroller() const;
    // How many tabs are scrolled out at the start.
    int ScrolledTabs() const { return m_scrolled; }
    // Where a tab is drawn: the selected one reaches into the skin's frame.
    QRect TabFaceArea(int visibleIndex) const;
    int TabAt(const QPoint& point) const;
    int HotTab() const { return m_hotTab; }

    // Where the pages are shown.
    QRect PageArea() const;
    // The font the captions are written in.
    QFont TabFont() const;

    // Paints the skin's page background into image from its top-left, as the
    // pages and the control itself show it; false without a definition.
    bool DrawPageBackground(QImage& image) const;

    void ChangeSkinData() override;
    void DefaultFontChanged() override;
    // The control keeps the size it is given whatever the skin.
    void CalcSize(int& width, int& height) override;
    // A transparent tab strip shows the parent's new background.
    void ParentBackgroundChanged() override;

signals:
    // Asked before the user switches pages; clearing allowChange keeps the page.
    void OnChanging(bool& allowChange);
    void OnChange();
    // Asked before a page is closed by its close button.
    void OnClose(TbsSkinTabSheet* page, bool& canClose);
    void OnAfterClose();

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class TbsSkinTabSheet;

    void InsertPage(TbsSkinTabSheet* page);
    void RemovePage(TbsSkinTabSheet* page);
    // Captions, visibility or sizes changed: lay the tabs and pages out again.
    void TabsChanged();
    void PlacePages();
    int TabWidthFor(const TbsSkinTabSheet& page) const;
    // Lays the tabs out: which pages show tabs, how long each is, whether the
    // tab scroller is needed, and the rectangles at the current scroll.
    void UpdateTabLayout();
    void UpdateTabScroller();
    // The scroller takes the definition the tab definition names.
    TabStripScroller::Skin ScrollerSkin() const;
    void PlaceTabs();
    void TabScrollerMoved();
    // Scrolls the tabs so that the tab is wholly in sight.
    void ShowTab(int visibleIndex);
    // The room along the side that tabs can take beside the tab scroller.
    int TabRoom() const;
    void SetHotTab(int visibleIndex);
    void TrackCloseButton(const QPoint& point);
    void CloseActivePage();
    int VisibleIndexOfActivePage() const;
    // Tells assistive technology that the focus is on the selected tab.
    void ReportFocusedTab();
    // The widths of the page frame's edges around the pages.
    QMargins PageFrameBorders() const;
    // The pages with their frame around them.
    QRect PageFrame() const;
    // The band along the tab side, between the control's edge and the frame.
    QRect TabsBand() const;
    // What shows behind the tabs of the skinned look.
    QImage TabsBackground() const;
    // What the tabs are painted from, at this moment.
    TabStripLook StripLook() const;
    // The whole control as it is to be painted now.
    PageControlPaint PaintState() const;

    std::vector<TbsSkinTabSheet*> m_pages;
    TbsSkinTabSheet* m_activePage { nullptr };
    // The tab layout, kept as QTabBar keeps it: the pages with visible tabs,
    // their lengths and their rectangles.
    std::vector<TbsSkinTabSheet*> m_tabPages;
    std::vector<int> m_tabLengths;
    std::vector<QRect> m_tabRects;
    int m_scrolled { 0 };
    TabStripScroller m_scroller { *this, [this] { TabScrollerMoved(); } };
    TbsTabPosition m_tabPosition { tpTop };
    int m_tabHeight { 0 };
    int m_tabWidth { 0 };
    int m_defaultItemHeight { 20 };
    bool m_tabsBGTransparent { false };
    bool m_showCloseButtons { false };
    bool m_freeOnClose { false };
    SkinColor m_defaultFontColor;
    int m_hotTab { -1 };
    TabCloseButtons m_closeButtons;
    KeptDefinition<TbsDataSkinTabControl> m_definition { *this };
    // The faces close buttons borrow when the tab definition has none.
    KeptDefinition<TbsDataSkinButtonControl> m_toolButton { *this };
    // What the tabs are painted from, taken with the definitions.
    TabPieces m_tabPieces;
    PartFaces m_toolFaces;
};
