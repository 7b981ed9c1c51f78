#pragma once

#include "skin/controls/skin_custom_control.h"
#include "skin/data/skin_values.h"

#include <QRect>
#include <vector>

class TbsSkinTabSheet;

// A page control with its tabs along the top edge. It lays the tabs out itself,
// left to right, each as wide as its caption needs, and shows the active page
// in the page area below them. Clicking a tab makes its page active.
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

    // Tab height: TabHeight when positive, else DefaultItemHeight without a
    // skin. TabWidth 0 sizes every tab to its caption.
    int TabHeight() const { return m_tabHeight; }
    void SetTabHeight(int height);
    int TabWidth() const { return m_tabWidth; }
    void SetTabWidth(int width);
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

    bool TabsBGTransparent() const { return m_tabsBGTransparent; }
    void SetTabsBGTransparent(bool transparent) { m_tabsBGTransparent = transparent; }

    // Caption colour used when there is no skin.
    SkinColor DefaultFontColor() const { return m_defaultFontColor; }
    void SetDefaultFontColor(SkinColor color);

    // Tabs are numbered among the visible ones.
    int VisibleTabCount() const;
    TbsSkinTabSheet* PageOfVisibleTab(int visibleIndex) const;
    QRect TabRect(int visibleIndex) const;
    int TabAt(const QPoint& point) const;
    int HotTab() const { return m_hotTab; }

    // Where the pages are shown.
    QRect PageArea() const;

    void ChangeSkinData() override;
    void DefaultFontChanged() override;

signals:
    // Asked before the user switches pages; clearing allowChange keeps the page.
    void OnChanging(bool& allowChange);
    void OnChange();
    // Asked before a page is closed by its close button.
    void OnClose(TbsSkinTabSheet* page, bool& canClose);
    void OnAfterClose();

protected:
    void CreateControlDefaultImage(QImage& image) override;
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
    void SelectByUser(TbsSkinTabSheet* page);
    void SetHotTab(int visibleIndex);
    void TrackCloseButton(const QPoint& point);
    void ClearCloseButtons();
    void CloseActivePage();
    void DrawDefaultTab(QPainter& painter, int visibleIndex, const QRect& rect);

    std::vector<TbsSkinTabSheet*> m_pages;
    TbsSkinTabSheet* m_activePage { nullptr };
    int m_tabHeight { 0 };
    int m_tabWidth { 0 };
    int m_defaultItemHeight { 20 };
    bool m_tabsBGTransparent { false };
    bool m_showCloseButtons { false };
    bool m_freeOnClose { false };
    SkinColor m_defaultFontColor;
    int m_hotTab { -1 };
};
